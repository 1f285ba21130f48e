// "Intervalos de confiança": its buttons, its level, its two check boxes and its playback
// forwarded to the core's Intervals object, which draws the whole run with the configuration
// screen's n and R when the window opens; after every call the window shows what the core says
// of its controls and paints the intervals shown on its chart's canvas.
import { AppWindow } from './app_window.js';
import { csvBlob, download } from './downloads.js';
import { Playback } from './playback.js';
import { snappedBox } from './style.js';
import { focusTarget } from './window_builder.js';

/** @typedef {import('./main.js').App} App */
/** @typedef {import('./core_types').ControlState} ControlState */
/** @typedef {import('./core_types').MenuEntry} MenuEntry */
/** @typedef {import('./core_types').WindowLayout} WindowLayout */
/** @typedef {import('./core_types').SessionCalls['Intervals']['calls']} IntervalCalls */
/** @typedef {import('./core_client.js').Session<IntervalCalls>} IntervalSession */
/** @typedef {'showNext' | 'showAll' | 'playPause' | 'setLevel' | 'setNormal' | 'setCorrection' | 'compareCorrection'} ChangingCall */

// Where the window keeps its playback speed between openings.
const SPEED_KEY = 'varnesk.intervalos.amostras-por-segundo';

export class IntervalWindow extends AppWindow {
  // Loads the window with the configuration screen's two texts; a refused load shows the core's
  // messages over the configuration screen, and no window opens.
  /**
   * @param {App} app
   * @param {import('./core_types').WindowDescription<'IntervalForm'>} described
   * @param {string} sampleSize
   * @param {string} repetitions
   * @param {AppWindow} opener
   */
  static async create(app, described, sampleSize, repetitions, opener) {
    const { core, desktop } = app;
    const [session, loaded] = await desktop.whileBusy(async () => {
      const opened = await core.open(described.session, app.seed, app.separator);
      return [opened, await opened.call('load', sampleSize, repetitions)];
    });
    if (!loaded.ok) {
      session.close();
      await desktop.showEvents(loaded.events, opener);
      return null;
    }
    const win = new IntervalWindow(app, described.layout, session);
    win.applyControls(loaded.controls);
    win.drawing = await desktop.whileBusy(() => win.chart());
    win.afterOpen = () => desktop.showEvents(loaded.events, win);
    return win;
  }

  /** @type {IntervalSession} */
  session;

  /** @param {App} app @param {WindowLayout} layout @param {IntervalSession} session */
  constructor(app, layout, session) {
    super(app, layout);
    this.session = session;
    /** @type {import('./core_types').Drawing} */
    this.drawing = [];
    this.closed = false;
    this.chartBox = /** @type {import('./core_types').Control} */ (layout.controls.find((c) => c.name === 'IntervalChart')).box;
    this.onClick('NextButton', () => this.change('showNext', 1));
    this.onClick('AllButton', () => this.change('showAll'));
    this.onClick('PlayButton', () => this.play());
    this.onClick('CompareButton', () => this.change('compareCorrection'));
    this.onClick('CloseButton', () => this.close());
    this.playback = new Playback(app, /** @type {HTMLInputElement} */ (this.control('SpeedSpin')), SPEED_KEY,
      () => this.update(false, 'showNext', 1));

    // The level the core last took: a level it refuses leaves the box showing the one in effect.
    const level = /** @type {HTMLInputElement} */ (this.control('LevelSpin'));
    this.level = level.value;
    level.addEventListener('change', () => this.app.run(async () => {
      const answer = await this.change('setLevel', level.value);
      if (answer?.ok) this.level = level.value;
      else level.value = this.level;
    }));
    // The teacher's clicks only: the states the core gives tick the boxes without calling back.
    for (const [name, call] of /** @type {const} */ ([['NormalCheck', 'setNormal'], ['CorrectionCheck', 'setCorrection']])) {
      const box = /** @type {HTMLInputElement} */ (focusTarget(this.control(name)));
      box.addEventListener('change', () => this.app.run(() => this.change(call, box.checked)));
    }
  }

  // The chart at its box's size; `send` is the session's `ask` for a tick of the playback.
  chart(send = this.session.call) {
    return send('chart', this.chartBox.width, this.chartBox.height);
  }

  /** @param {ControlState[]} states */
  applyControls(states) {
    super.applyControls(states);
    const play = states.find((state) => state.name === 'PlayButton');
    if (play) this.playback.follow(play.checked, this.view.client);
  }

  /**
   * @template {ChangingCall} K
   * @param {K} call
   * @param {IntervalCalls[K]['args']} args
   */
  change(call, ...args) {
    return this.update(true, call, ...args);
  }

  // A call that changes what the window shows, then the chart of what it shows now. The
  // playback's ticks go without the busy pointer (`busy` false), so that a pause is taken.
  /**
   * @template {ChangingCall} K
   * @param {boolean} busy
   * @param {K} call
   * @param {IntervalCalls[K]['args']} args
   * @returns {Promise<IntervalCalls[K]['answer'] | undefined>}
   */
  async update(busy, call, ...args) {
    const { desktop } = this.app;
    const send = busy ? this.session.call : this.session.ask;
    /** @returns {Promise<[IntervalCalls[K]['answer'], import('./core_types').Drawing] | []>} */
    const fetch = async () => {
      const answer = await send(call, ...args);
      return this.closed ? [] : [answer, await this.chart(send)];
    };
    const [answer, drawing] = busy ? await desktop.whileBusy(fetch) : await fetch();
    if (this.closed || !answer || !drawing) return answer;
    this.applyControls(answer.controls);
    this.drawing = drawing;
    this.repaint();
    await desktop.showEvents(answer.events, this);
    return answer;
  }

  repaint() {
    const { width, height } = snappedBox(this.chartBox);
    this.paint(/** @type {HTMLCanvasElement} */ (this.control('IntervalChart')), this.drawing, width, height);
  }

  menuLastLine() {
    return this.session.call('seedLine');
  }

  // Reproduzir, or Pausar while it plays; one sample a press for a reader who asks for less motion.
  play() {
    return this.playback.stillPress() ? this.change('showNext', 1) : this.change('playPause');
  }

  /** @param {MenuEntry} entry */
  async runCommand(entry) {
    switch (entry.command) {
      case 'SaveIntervals': {
        if (!entry.save) return undefined;
        const check = await this.app.desktop.whileBusy(() => this.session.call('nothingToSave'));
        if (check.nothing) return this.app.desktop.showEvents(check.events, this);
        return download(csvBlob(await this.session.call('intervalsCsv')), entry.save.fileName);
      }
      case 'TenMoreMeans':
        return this.change('showNext', 10);
      case 'HundredMoreMeans':
        return this.change('showNext', 100);
      case 'PlayPause':
        return this.play();
      default:
        return undefined;
    }
  }

  close() {
    this.closed = true;
    this.playback.follow(false, this.view.client);
    this.session.close();
    this.app.desktop.close(this);
  }
}
