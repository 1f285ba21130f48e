// "Comparar tamanhos de amostra": the two boxes forwarded to the core's Comparison object, its
// rows in the table, its chart on the canvas. A comparison runs a few hundred samples per call to
// the worker, so the window keeps taking input meanwhile: the progress bar follows the steps and
// Cancelar stops after the step being drawn, leaving the table and the chart as they were.
import { AppWindow } from './app_window.js';
import { csvBlob, download } from './downloads.js';
import { setEnabled } from './window_builder.js';
import { snappedBox } from './style.js';

/** @typedef {import('./main.js').App} App */
/** @typedef {import('./core_types').WindowLayout} WindowLayout */
/** @typedef {import('./core_client.js').Session<import('./core_types').SessionCalls['Comparison']['calls']>} ComparisonSession */

export class ComparisonWindow extends AppWindow {
  /** @param {App} app @param {import('./core_types').WindowDescription<'ComparisonForm'>} described */
  static async create(app, described) {
    const session = await app.desktop.whileBusy(() => app.core.open(described.session, app.seed, app.separator));
    const win = new ComparisonWindow(app, described.layout, session);
    win.drawing = await app.desktop.whileBusy(() => win.chart());
    win.applyControls(await session.call('controls'));
    return win;
  }

  /** @type {ComparisonSession} */
  session;

  /** @param {App} app @param {WindowLayout} layout @param {ComparisonSession} session */
  constructor(app, layout, session) {
    super(app, layout);
    this.session = session;
    /** @type {import('./core_types').Drawing} */
    this.drawing = [];
    this.running = false;
    this.cancelled = false;
    this.chartBox = /** @type {import('./core_types').Control} */ (layout.controls.find((c) => c.name === 'ComparisonChart')).box;
    this.onClick('CompareButton', () => this.compare());
    this.onClick('CloseButton', () => this.close());
    this.onClick('CancelButton', () => this.cancel());
    for (const name of ['SampleSizesTXT', 'RepetitionsTXT']) {
      this.control(name).addEventListener('keydown', (event) => {
        if (event.key !== 'Enter') return;
        event.preventDefault();
        this.app.run(() => this.compare());
      });
    }
  }

  chart() {
    return this.session.call('chart', this.chartBox.width, this.chartBox.height);
  }

  histogramTones() {
    return this.app.desktop.whileBusy(() => this.session.call('tones'));
  }

  async compare() {
    if (this.running) return;
    const sizes = this.text('SampleSizesTXT');
    const repetitions = this.text('RepetitionsTXT');
    const started = await this.app.desktop.whileBusy(() => this.session.call('start', sizes, repetitions));
    if (!started.total) {
      await this.app.desktop.showEvents(started.events, this);
      return;
    }
    const progress = /** @type {HTMLProgressElement} */ (this.control('ComparisonProgress'));
    this.setRunning(true);
    progress.max = started.total;
    progress.value = 0;
    progress.hidden = false;
    let completed = 0;
    while (completed < started.total && !this.cancelled) {
      completed = (await this.session.ask('step')).completed;
      progress.value = completed;
    }
    // A run stopped before its end is dropped by the core, which says what the bar shows now.
    const stopped = completed < started.total;
    const [answer, drawing] = await this.app.desktop.whileBusy(async () => [
      await this.session.call('finish'),
      stopped ? this.drawing : await this.chart(),
    ]);
    this.applyControls(answer.controls);
    this.drawing = drawing;
    this.repaint();
    this.setRunning(false);
  }

  cancel() {
    if (this.running) this.cancelled = true;
  }

  /** @param {boolean} on */
  setRunning(on) {
    this.running = on;
    this.cancelled = false;
    const compare = this.control('CompareButton');
    const cancel = this.control('CancelButton');
    const focusOnCancel = document.activeElement === cancel;
    setEnabled(compare, !on);
    setEnabled(cancel, on);
    if (!on && focusOnCancel) compare.focus();
  }

  /** @param {import('./core_types').MenuEntry} entry */
  async runCommand(entry) {
    if (entry.command !== 'SaveComparison' || !entry.save) return undefined;
    const check = await this.app.desktop.whileBusy(() => this.session.call('nothingToSave'));
    if (check.nothing) return this.app.desktop.showEvents(check.events, this);
    return download(csvBlob(await this.session.call('resultsCsv')), entry.save.fileName);
  }

  repaint() {
    const { width, height } = snappedBox(this.chartBox);
    this.paint(/** @type {HTMLCanvasElement} */ (this.control('ComparisonChart')), this.drawing, width, height);
  }

  close() {
    this.cancelled = true;
    this.session.close();
    this.app.desktop.close(this);
  }
}
