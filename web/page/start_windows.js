// The start screen (Form2) and the configuration screen (Form3).
import { AppWindow } from './app_window.js';
import { pastePopulation, pickPopulationFile, undoPopulationChoice, useProgramPopulation } from './population_choice.js';
import { readPopulation } from './population_window.js';
import { wholePixels } from './style.js';

/** @typedef {import('./main.js').App} App */
/** @typedef {import('./core_types').MenuEntry} MenuEntry */
/** @typedef {import('./core_types').WindowLayout} WindowLayout */
/** @template {import('./core_types').WindowName} N @typedef {import('./core_types').WindowDescription<N>} WindowDescription */
/** @typedef {import('./core_client.js').Session<import('./core_types').SessionCalls['Configuration']['calls']>} ConfigurationSession */

export class StartWindow extends AppWindow {
  /** @param {App} app @param {WindowDescription<'Form2'>} described */
  static async create(app, described) {
    return new StartWindow(app, described.layout);
  }

  /** @param {App} app @param {WindowLayout} layout */
  constructor(app, layout) {
    super(app, layout);
    this.maximized = layout.maximized;
    this.onClick('Command1', () => this.app.openWindow('Form3'));
    this.onClick('Command2', () => this.close());
  }

  // Closing the start screen ends the program, as its "Sair do Programa" does.
  close() {
    this.app.end();
  }

  // The two panels are centred on the whole screen: here, the page's width.
  /** @param {{ width: number }} size */
  fitted({ width }) {
    for (const name of ['Frame1', 'Frame2']) {
      const panel = /** @type {import('./core_types').Control} */ (this.view.layout.controls.find((c) => c.name === name));
      this.app.core.ask('centredOnScreen', width * 15, panel.box.width).then((left) => {
        this.control(name).style.left = `${wholePixels(left)}px`;
      });
    }
  }
}

export class ConfigurationWindow extends AppWindow {
  /** @param {App} app @param {WindowDescription<'Form3'>} described */
  static async create(app, described) {
    return new ConfigurationWindow(app, described.layout, await app.core.open(described.session));
  }

  /** @type {ConfigurationSession} */
  session;

  /** @param {App} app @param {WindowLayout} layout @param {ConfigurationSession} session */
  constructor(app, layout, session) {
    super(app, layout);
    this.session = session;
    this.onClick('Command1', () => this.choose('instantClicked'));
    this.onClick('Command3', () => this.choose('stepByStepClicked'));
    this.onClick('Command2', () => this.close());
  }

  /** @param {'instantClicked' | 'stepByStepClicked'} click */
  async choose(click) {
    const sampleSize = this.text('TamanhodaAmostraTXT');
    const repetitions = this.text('NumeroRepeticoesTXT');
    const answer = await this.app.desktop.whileBusy(() => this.session.call(click, sampleSize, repetitions));
    await this.app.desktop.showEvents(answer.events, this);
    if (answer.open !== 'none') await this.app.openWindow(answer.open, sampleSize, repetitions, this);
  }

  /** @param {MenuEntry} entry */
  async runCommand(entry) {
    if (entry.command === 'CompareSampleSizes') await this.app.openWindow('ComparisonForm');
    if (entry.command === 'ShowIntervals') {
      await this.app.openWindow('IntervalForm', this.text('TamanhodaAmostraTXT'), this.text('NumeroRepeticoesTXT'), this);
    }
    if (entry.command === 'PlanSampleSize') await this.app.openWindow('PlannerForm', this);
    if (entry.command === 'OpenPopulation') pickPopulationFile(this.app);
    if (entry.command === 'PastePopulation') await pastePopulation(this.app, await navigator.clipboard.readText());
    if (entry.command === 'ProgramPopulation') await useProgramPopulation(this.app);
    if (entry.command === 'UndoPopulation') await undoPopulationChoice(this.app);
    if (entry.command === 'ShowPopulation') await this.app.openWindow('PopulationForm', (described) => readPopulation(this.app, described));
  }
}
