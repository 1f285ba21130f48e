// "Tamanho da amostra": the margin, the level and the repetitions as typed, forwarded to the
// core's Planner object (Calcular, or Enter in the margin; Verificar por simulação, or Enter in
// the repetitions); the core works the plan out in words and draws the achieved margins.
import { AppWindow } from './app_window.js';
import { snappedBox } from './style.js';

/** @typedef {import('./main.js').App} App */
/** @typedef {import('./core_types').WindowLayout} WindowLayout */
/** @typedef {import('./core_types').SessionCalls['Planner']['calls']} PlannerCalls */
/** @typedef {import('./core_client.js').Session<PlannerCalls>} PlannerSession */

export class PlannerWindow extends AppWindow {
  // Reads the population the windows read; one that cannot be read is told over the
  // configuration screen, and no window opens.
  /**
   * @param {App} app
   * @param {import('./core_types').WindowDescription<'PlannerForm'>} described
   * @param {AppWindow} opener
   */
  static async create(app, described, opener) {
    const { core, desktop } = app;
    const [session, loaded] = await desktop.whileBusy(async () => {
      const opened = await core.open(described.session, app.seed, app.separator);
      return [opened, await opened.call('load')];
    });
    if (!loaded.ok) {
      session.close();
      await desktop.showEvents(loaded.events, opener);
      return null;
    }
    const win = new PlannerWindow(app, described.layout, session);
    win.applyControls(loaded.controls);
    win.drawing = await desktop.whileBusy(() => win.chart());
    return win;
  }

  /** @type {PlannerSession} */
  session;

  /** @param {App} app @param {WindowLayout} layout @param {PlannerSession} session */
  constructor(app, layout, session) {
    super(app, layout);
    this.session = session;
    /** @type {import('./core_types').Drawing} */
    this.drawing = [];
    this.chartBox = /** @type {import('./core_types').Control} */ (layout.controls.find((c) => c.name === 'MarginsChart')).box;
    this.onClick('PlanButton', () => this.work('plan'));
    this.onClick('VerifyButton', () => this.work('verify'));
    this.onClick('CloseButton', () => this.close());
    for (const [name, call] of /** @type {const} */ ([['MarginTXT', 'plan'], ['RepetitionsTXT', 'verify']])) {
      this.control(name).addEventListener('keydown', (event) => {
        if (event.key !== 'Enter') return;
        event.preventDefault();
        this.app.run(() => this.work(call));
      });
    }
  }

  chart() {
    return this.session.call('chart', this.chartBox.width, this.chartBox.height);
  }

  // "Calcular" or "Verificar por simulação" with the boxes as they are now, then the chart.
  /** @param {'plan' | 'verify'} call */
  async work(call) {
    const margin = this.text('MarginTXT');
    const level = this.text('LevelSpin');
    const { desktop } = this.app;
    const [answer, drawing] = await desktop.whileBusy(async () => [
      call === 'plan'
        ? await this.session.call('plan', margin, level)
        : await this.session.call('verify', margin, level, this.text('RepetitionsTXT')),
      await this.chart(),
    ]);
    this.applyControls(answer.controls);
    this.drawing = drawing;
    this.repaint();
    await desktop.showEvents(answer.events, this);
    return answer;
  }

  repaint() {
    const { width, height } = snappedBox(this.chartBox);
    this.paint(/** @type {HTMLCanvasElement} */ (this.control('MarginsChart')), this.drawing, width, height);
  }

  menuLastLine() {
    return this.session.call('seedLine');
  }

  close() {
    this.session.close();
    this.app.desktop.close(this);
  }
}
