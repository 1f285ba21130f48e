// "População": the population the windows read, described and drawn by the core. Opened from the
// configuration screen it reads that population through a Population object of its own; from a
// simulation window it shows the one that window read, through the window's Simulation object,
// with the sample behind the latest mean when asked.
import { AppWindow } from './app_window.js';
import { snappedBox } from './style.js';

/** @typedef {import('./main.js').App} App */
/** @typedef {import('./core_types').WindowLayout} WindowLayout */
/** @typedef {import('./core_types').WindowDescription<'PopulationForm'>} PopulationDescription */
/** @typedef {import('./core_client.js').Session<import('./core_types').SessionCalls['Simulation']['calls']>} SimulationSession */
/**
 * The view's source in the core: load() answers {ok, controls}, chart(width, height) the drawing.
 * @typedef {object} PopulationSource
 * @property {() => Promise<import('./core_types').PopulationView>} load
 * @property {(widthTwips: number, heightTwips: number) => Promise<import('./core_types').Drawing>} chart
 * @property {() => Promise<import('./core_types').Tones>} tones
 * @property {() => unknown} close
 */
/** @typedef {(described: PopulationDescription) => PopulationSource | Promise<PopulationSource>} OpenSource */

/** @param {App} app @param {PopulationDescription} described @returns {Promise<PopulationSource>} */
export async function readPopulation(app, described) {
  const session = await app.core.open(described.session, app.separator);
  return {
    load: () => session.call('load'),
    chart: (width, height) => session.call('chart', width, height),
    tones: () => session.call('tones'),
    close: () => session.close(),
  };
}

/** @param {SimulationSession} session @param {boolean} sample @returns {PopulationSource} */
export function populationOfSimulation(session, sample) {
  return {
    load: () => session.call('population', sample),
    chart: (width, height) => session.call('populationChart', width, height),
    tones: () => session.call('populationTones'),
    close: () => {},
  };
}

export class PopulationWindow extends AppWindow {
  // `openSource(described)`: readPopulation, or the population a simulation window read.
  /**
   * @param {App} app
   * @param {PopulationDescription} described
   * @param {OpenSource} openSource
   */
  static async create(app, described, openSource) {
    const source = await app.desktop.whileBusy(() => openSource(described));
    const win = new PopulationWindow(app, described.layout, source);
    await app.desktop.whileBusy(() => win.refresh());
    return win;
  }

  /** @param {App} app @param {WindowLayout} layout @param {PopulationSource} source */
  constructor(app, layout, source) {
    super(app, layout);
    this.source = source;
    /** @type {import('./core_types').Drawing} */
    this.drawing = [];
    this.chartBox = /** @type {import('./core_types').Control} */ (layout.controls.find((c) => c.name === 'PopulationChart')).box;
    this.onClick('CloseButton', () => this.close());
  }

  async refresh() {
    const view = await this.source.load();
    this.applyControls(view.controls);
    this.view.root.dataset.read = String(view.ok);
    this.drawing = await this.source.chart(this.chartBox.width, this.chartBox.height);
    this.repaint();
  }

  histogramTones() {
    return this.app.desktop.whileBusy(() => this.source.tones());
  }

  repaint() {
    const { width, height } = snappedBox(this.chartBox);
    this.paint(/** @type {HTMLCanvasElement} */ (this.control('PopulationChart')), this.drawing, width, height);
  }

  close() {
    this.source.close();
    this.app.desktop.close(this);
  }
}
