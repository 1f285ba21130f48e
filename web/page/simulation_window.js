// The instant window (form1) and the step-by-step window (Form4): their buttons forwarded to the
// core's Simulation object, its model shown in the controls, its chart painted beneath them, and
// the teacher's menu.
import { AppWindow } from './app_window.js';
import { copyText, csvBlob, download, pictureBlob } from './downloads.js';
import { setEnabled } from './window_builder.js';
import { PopulationWindow, populationOfSimulation } from './population_window.js';

export class SimulationWindow extends AppWindow {
  // Loads the window with the configuration screen's two texts; a refused load shows the
  // core's messages over the configuration screen, and no window opens.
  static async create(app, kind, sampleSize, repetitions, opener) {
    const { core, desktop } = app;
    const [layout, menu, session, loaded] = await desktop.whileBusy(async () => {
      const opened = await Promise.all([
        core.call('layout', kind),
        core.call('menu', kind),
        core.open('Simulation', kind, app.seed, app.separator),
      ]);
      return [...opened, await opened[2].call('load', sampleSize, repetitions)];
    });
    if (!loaded.ok) {
      session.close();
      await desktop.showEvents(loaded.events, opener);
      return null;
    }
    const win = new SimulationWindow(app, layout, menu, session);
    win.applyModel(loaded.model);
    win.drawing = await desktop.whileBusy(() => session.call('drawing'));
    win.afterOpen = () => desktop.showEvents(loaded.events, win);
    return win;
  }

  constructor(app, layout, menu, session) {
    super(app, layout, { chart: true });
    this.menuEntries = menu;
    this.session = session;
    this.drawing = [];
    this.curve = false;
    this.onClick('Command1', () => this.simulate('simulate'));
    this.onClick('Command3', () => this.close());
  }

  applyModel(model) {
    for (const name of ['TamanhodaAmostraTXT', 'NumeroRepeticoesTXT']) {
      this.control(name).value = model[name].text;
      setEnabled(this.control(name), model[name].enabled);
    }
    for (const name of ['Command1', 'Command3']) {
      const button = this.control(name);
      // A disabled Simular with the focus would leave the next Space to Encerrar/ Configurar,
      // closing the finished chart: the window itself keeps the focus instead.
      if (!model[name].enabled && document.activeElement === button) this.view.client.focus();
      setEnabled(button, model[name].enabled);
    }
    for (const [name, caption] of Object.entries(model.panel)) this.control(name).textContent = caption;
    for (const [name, caption] of Object.entries(model.lines)) this.control(name).textContent = caption;
    this.classes = model.classes;
  }

  async simulate(call, ...args) {
    const { desktop } = this.app;
    const [answer, model, drawing] = await desktop.whileBusy(async () => {
      const a = await this.session.call(call, ...args);
      return [a, a?.model ?? (await this.session.call('model')), await this.session.call('drawing')];
    });
    this.applyModel(model);
    this.drawing = drawing;
    this.repaint();
    await desktop.showEvents(answer?.events, this);
  }

  repaint() {
    this.paint(this.view.canvas, this.drawing, this.view.width, this.view.height);
    // The chart's text alternative: the histogram's classes and what each holds, from the core.
    if (this.classes) this.view.canvas.setAttribute('aria-label', this.classes);
  }

  menuLastLine() {
    return this.session.call('seedLine');
  }

  isChecked(entry) {
    return entry.command === 'NormalCurve' && this.curve;
  }

  async runCommand(entry) {
    const call = (name, ...args) => this.app.desktop.whileBusy(() => this.session.call(name, ...args));
    switch (entry.command) {
      case 'SaveChart':
        return download(await pictureBlob(await call('picture'), this.zoom), entry.save.fileName);
      case 'SaveMeans':
        return download(csvBlob(await call('meansCsv')), entry.save.fileName);
      case 'CopyStatistics':
        return copyText(await call('tabulatedStatistics'));
      case 'NormalCurve':
        this.curve = !this.curve;
        await call('showNormalCurve', this.curve);
        this.drawing = await call('drawing');
        return this.repaint();
      case 'TenMoreMeans':
        return this.simulate('simulateMany', 10);
      case 'HundredMoreMeans':
        return this.simulate('simulateMany', 100);
      case 'ShowPopulation':
      case 'ShowSample':
        return this.app.openWindow(PopulationWindow, () =>
          populationOfSimulation(this.session, entry.command === 'ShowSample'));
      default:
        return undefined;
    }
  }

  close() {
    this.session.close();
    this.app.desktop.close(this);
  }
}
