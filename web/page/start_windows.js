// The start screen (Form2) and the configuration screen (Form3).
import { AppWindow } from './app_window.js';
import { pastePopulation, pickPopulationFile, useProgramPopulation } from './population_choice.js';
import { readPopulation } from './population_window.js';
import { wholePixels } from './style.js';

export class StartWindow extends AppWindow {
  static async create(app, described) {
    return new StartWindow(app, described.layout);
  }

  constructor(app, layout) {
    super(app, layout);
    this.maximized = layout.maximized;
    this.onClick('Command1', () => this.app.openWindow('Form3'));
    this.onClick('Command2', () => this.app.end());
  }

  // The two panels are centred on the whole screen: here, the page's width.
  fitted({ width }) {
    for (const name of ['Frame1', 'Frame2']) {
      const panel = this.view.layout.controls.find((c) => c.name === name);
      this.app.core.ask('centredOnScreen', width * 15, panel.box.width).then((left) => {
        this.control(name).style.left = `${wholePixels(left)}px`;
      });
    }
  }
}

export class ConfigurationWindow extends AppWindow {
  static async create(app, described) {
    return new ConfigurationWindow(app, described.layout, await app.core.open(described.session));
  }

  constructor(app, layout, session) {
    super(app, layout);
    this.session = session;
    this.onClick('Command1', () => this.choose('instantClicked'));
    this.onClick('Command3', () => this.choose('stepByStepClicked'));
    this.onClick('Command2', () => this.close());
  }

  async choose(click) {
    const sampleSize = this.text('TamanhodaAmostraTXT');
    const repetitions = this.text('NumeroRepeticoesTXT');
    const answer = await this.app.desktop.whileBusy(() => this.session.call(click, sampleSize, repetitions));
    await this.app.desktop.showEvents(answer.events, this);
    if (answer.open !== 'none') await this.app.openWindow(answer.open, sampleSize, repetitions, this);
  }

  async runCommand(entry) {
    if (entry.command === 'CompareSampleSizes') await this.app.openWindow('ComparisonForm');
    if (entry.command === 'OpenPopulation') pickPopulationFile(this.app);
    if (entry.command === 'PastePopulation') await pastePopulation(this.app, await navigator.clipboard.readText());
    if (entry.command === 'ProgramPopulation') await useProgramPopulation(this.app);
    if (entry.command === 'ShowPopulation') await this.app.openWindow('PopulationForm', (described) => readPopulation(this.app, described));
  }

  close() {
    this.session.close();
    this.app.desktop.close(this);
  }
}
