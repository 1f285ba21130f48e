// The instant window (form1) and the step-by-step window (Form4): their buttons forwarded to the
// core's Simulation object, its model shown in the controls, its chart painted beneath them, and
// the teacher's menu.
import { AppWindow } from './app_window.js';
import { copyText, csvBlob, download, pictureBlob, svgBlob } from './downloads.js';
import { askText } from './input_box.js';
import { Playback } from './playback.js';
import { populationOfSimulation } from './population_window.js';

/** @typedef {import('./main.js').App} App */
/** @typedef {import('./core_types').ControlState} ControlState */
/** @typedef {import('./core_types').MenuEntry} MenuEntry */
/** @typedef {import('./core_types').WindowLayout} WindowLayout */
/** @typedef {import('./core_types').SessionCalls['Simulation']['calls']} SimulationCalls */
/** @typedef {import('./core_client.js').Session<SimulationCalls>} SimulationSession */
/** @typedef {'simulate' | 'simulateMany' | 'setSeed' | 'playPause' | 'restart'} ChangingCall a call that changes what the window shows */

// Where the step-by-step window keeps the playback speed between openings.
const SPEED_KEY = 'varnesk.passo-a-passo.medias-por-segundo';

export class SimulationWindow extends AppWindow {
  // Loads the window with the configuration screen's two texts; a refused load shows the
  // core's messages over the configuration screen, and no window opens.
  /**
   * @param {App} app
   * @param {import('./core_types').WindowDescription<'form1' | 'Form4'>} described
   * @param {string} sampleSize
   * @param {string} repetitions
   * @param {AppWindow} opener
   */
  static async create(app, described, sampleSize, repetitions, opener) {
    const { core, desktop } = app;
    const [session, loaded] = await desktop.whileBusy(async () => {
      const opened = await core.open(described.session, described.layout.name, app.seed, app.separator);
      return [opened, await opened.call('load', sampleSize, repetitions)];
    });
    if (!loaded.ok) {
      session.close();
      await desktop.showEvents(loaded.events, opener);
      return null;
    }
    const win = new SimulationWindow(app, described.layout, session);
    win.applyControls(loaded.controls);
    win.drawing = await desktop.whileBusy(() => session.call('drawing'));
    win.afterOpen = () => desktop.showEvents(loaded.events, win);
    return win;
  }

  /** @type {SimulationSession} */
  session;

  /** @param {App} app @param {WindowLayout} layout @param {SimulationSession} session */
  constructor(app, layout, session) {
    super(app, layout, { chart: true });
    this.session = session;
    /** @type {import('./core_types').Drawing} */
    this.drawing = [];
    this.curve = false;
    this.populationMean = false;
    this.closed = false;
    this.onClick('Command1', () => this.simulate('simulate'));
    this.onClick('Command3', () => this.close());
    const speed = /** @type {HTMLInputElement | undefined} */ (this.view.controls.get('SpeedSpin'));
    /** @type {Playback | null} Form4's: each tick exactly what a click of Simular does */
    this.playback = speed ? new Playback(app, speed, SPEED_KEY, () => this.update(false, 'simulate')) : null;
    if (speed) this.onClick('PlayButton', () => this.play());
  }

  // Reproduzir, or Pausar while it plays; one step a press for a reader who asks for less motion.
  play() {
    return this.simulate(this.playback?.stillPress() ? 'simulate' : 'playPause');
  }

  /** @param {ControlState[]} states */
  applyControls(states) {
    super.applyControls(states);
    const play = states.find((state) => state.name === 'PlayButton');
    if (play) this.playback?.follow(play.checked, this.view.client);
  }

  /**
   * @template {ChangingCall} K
   * @param {K} call
   * @param {SimulationCalls[K]['args']} args
   */
  simulate(call, ...args) {
    return this.update(true, call, ...args);
  }

  // A call that changes what the window shows. The playback's ticks go without the busy pointer
  // (`busy` false), which would leave the window no moment to take the teacher's pause.
  /**
   * @template {ChangingCall} K
   * @param {boolean} busy
   * @param {K} call
   * @param {SimulationCalls[K]['args']} args
   * @returns {Promise<SimulationCalls[K]['answer'] | undefined>}
   */
  async update(busy, call, ...args) {
    const { desktop } = this.app;
    const send = busy ? this.session.call : this.session.ask;
    /** @returns {Promise<[SimulationCalls[K]['answer'], ControlState[], import('./core_types').Drawing] | []>} */
    const fetch = async () => {
      const a = await send(call, ...args);
      return this.closed ? [] : [a, a?.controls ?? (await send('controls')), await send('drawing')];
    };
    const [answer, controls, drawing] = busy ? await desktop.whileBusy(fetch) : await fetch();
    if (this.closed || !controls || !drawing) return answer;
    this.applyControls(controls);
    this.drawing = drawing;
    this.repaint();
    await desktop.showEvents(answer?.events, this);
    return answer;
  }

  // "Definir semente…": asks again, from what was typed, until the core takes the seed.
  /** @param {{ title: string, prompt: string }} input the entry's words */
  async askSeed(input) {
    /** @type {string | null} */
    let text = await this.session.call('seed');
    for (;;) {
      text = await askText(input, text);
      if (text === null) return;
      if ((await this.simulate('setSeed', text))?.ok) return;
    }
  }

  repaint() {
    this.paint(/** @type {HTMLCanvasElement} */ (this.view.canvas), this.drawing, this.view.width, this.view.height);
  }

  menuLastLine() {
    return this.session.call('seedLine');
  }

  histogramTones() {
    return this.app.desktop.whileBusy(() => this.session.call('tones'));
  }

  /** @param {MenuEntry} entry */
  isChecked(entry) {
    return (entry.command === 'NormalCurve' && this.curve) || (entry.command === 'PopulationMean' && this.populationMean);
  }

  // Before any mean is shown the core says there is nothing to save, and nothing is downloaded.
  async nothingToSave() {
    const check = await this.app.desktop.whileBusy(() => this.session.call('nothingToSave'));
    if (check.nothing) await this.app.desktop.showEvents(check.events, this);
    return check.nothing;
  }

  /** @param {MenuEntry} entry */
  async runCommand(entry) {
    /** @type {import('./core_client.js').CallOf<SimulationCalls>} */
    const call = (name, ...args) => this.app.desktop.whileBusy(() => this.session.call(name, ...args));
    const { save, input } = entry;
    if (save && (await this.nothingToSave())) return undefined;
    switch (entry.command) {
      case 'SaveChart':
        return save && download(await pictureBlob(await call('picture'), this.zoom), save.fileName);
      case 'SaveChartSvg':
        return save && download(svgBlob(await call('svg')), save.fileName);
      case 'SaveMeans':
        return save && download(csvBlob(await call('meansCsv')), save.fileName);
      case 'CopyStatistics':
        return copyText(await call('tabulatedStatistics'));
      case 'NormalCurve':
        this.curve = !this.curve;
        await call('showNormalCurve', this.curve);
        this.drawing = await call('drawing');
        return this.repaint();
      case 'PopulationMean':
        this.populationMean = !this.populationMean;
        await call('showPopulationMean', this.populationMean);
        this.drawing = await call('drawing');
        return this.repaint();
      case 'Restart':
        return this.simulate('restart');
      case 'TenMoreMeans':
        return this.simulate('simulateMany', 10);
      case 'HundredMoreMeans':
        return this.simulate('simulateMany', 100);
      case 'PlayPause':
        return this.play();
      case 'SetSeed':
        return input && this.askSeed(input);
      case 'ShowPopulation':
      case 'ShowSample':
        return this.app.openWindow('PopulationForm', () =>
          populationOfSimulation(this.session, entry.command === 'ShowSample'));
      default:
        return undefined;
    }
  }

  close() {
    this.closed = true;
    this.playback?.follow(false, this.view.client);
    this.session.close();
    this.app.desktop.close(this);
  }
}
