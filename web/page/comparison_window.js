// "Comparar tamanhos de amostra": the two boxes forwarded to the core's Comparison object, its
// rows in the table, its chart on the canvas.
import { AppWindow } from './app_window.js';
import { snappedBox } from './style.js';

export class ComparisonWindow extends AppWindow {
  static async create(app) {
    const [layout, session] = await app.desktop.whileBusy(() =>
      Promise.all([app.core.call('layout', 'ComparisonForm'), app.core.open('Comparison', app.seed, app.separator)]),
    );
    const win = new ComparisonWindow(app, layout, session);
    win.drawing = await app.desktop.whileBusy(() => win.chart());
    win.control('PopulationLBL').textContent = await session.call('populationLine');
    return win;
  }

  constructor(app, layout, session) {
    super(app, layout);
    this.session = session;
    this.drawing = [];
    this.chartBox = layout.controls.find((c) => c.name === 'ComparisonChart').box;
    this.onClick('CompareButton', () => this.compare());
    this.onClick('CloseButton', () => this.close());
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

  async compare() {
    const sizes = this.text('SampleSizesTXT');
    const repetitions = this.text('RepetitionsTXT');
    const [answer, drawing] = await this.app.desktop.whileBusy(async () => [
      await this.session.call('compare', sizes, repetitions),
      await this.chart(),
    ]);
    const body = this.control('ResultsTable').querySelector('tbody');
    body.replaceChildren(
      ...answer.results.map((cells) => {
        const row = document.createElement('tr');
        for (const text of cells) row.insertCell().textContent = text;
        return row;
      }),
    );
    this.control('PopulationLBL').textContent = answer.population;
    this.drawing = drawing;
    this.repaint();
    await this.app.desktop.showEvents(answer.events, this);
  }

  repaint() {
    const { width, height } = snappedBox(this.chartBox);
    this.paint(this.control('ComparisonChart'), this.drawing, width, height);
  }

  close() {
    this.session.close();
    this.app.desktop.close(this);
  }
}
