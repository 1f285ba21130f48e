// A stand-in for the core's module (varnesk_core.mjs) with its factory and embind-shaped API:
// the windows' descriptions, menus and drawing lists were printed from the core itself
// (fixtures/core_outputs.json); the runs are drawn here, roughly, so the page can be walked
// through every window before the real module exists.
import outputs from './fixtures/core_outputs.json' with { type: 'json' };

const json = (value) => JSON.stringify(value);

// The number at the start of a text, as the core reads its text boxes; none reads as 0.
function leadingNumber(text) {
  const match = /^\s*[+-]?(\d+\.?\d*|\.\d+)(e[+-]?\d+)?/i.exec(text);
  return match ? Number.parseFloat(match[0]) : 0;
}

const MESSAGES = {
  fillSampleSize: 'Preencha o campo: Tamanho da Amostra!',
  sampleSizeTooLarge: 'Tamanho da Amostra muito Grande',
  fillRepetitions: 'Preencha o campo: Número de Repetições!',
  repetitionsTooLarge: 'Número de Repetições muito Grande',
  stepMaximum: 'Número de Repetições Máximo para Passo a Passo é 1000',
  stepMinimum: 'Número de Repetições Mínimo é 100!',
};

const refusal = (text, control) => [{ type: 'message', text }, { type: 'focus', control }];

function sampleSizeRefusal(text) {
  const n = leadingNumber(text);
  if (!(n >= 1)) return refusal(MESSAGES.fillSampleSize, 'TamanhodaAmostraTXT');
  if (n > 50000) return refusal(MESSAGES.sampleSizeTooLarge, 'TamanhodaAmostraTXT');
  return null;
}

// A small seeded generator, so that a seed replays the same fake means.
function generator(seed) {
  let a = Number(BigInt.asUintN(32, BigInt(seed))) || 1;
  const next = () => {
    a = (a + 0x6d2b79f5) | 0;
    let t = Math.imul(a ^ (a >>> 15), 1 | a);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  return (n) => 2 + Math.sqrt(-2 * Math.log(1 - next())) * Math.cos(2 * Math.PI * next()) * (1.4 / Math.sqrt(n));
}

function panel(means, separator) {
  const format = (v) => v.toFixed(3).replace('.', separator);
  if (means.length === 0) return Object.fromEntries(PANEL.map((name) => [name, '0']));
  const sorted = [...means].sort((a, b) => a - b);
  const at = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
  const mean = means.reduce((s, v) => s + v, 0) / means.length;
  const sd = Math.sqrt(means.reduce((s, v) => s + (v - mean) ** 2, 0) / Math.max(1, means.length - 1));
  return Object.fromEntries(PANEL.map((name, i) => [name, format([sorted[0], at(0.25), at(0.5), at(0.75), sorted.at(-1), mean, sd][i])]));
}
const PANEL = ['MinimoLBL', 'Q1LBL', 'MedianaLBL', 'Q3LBL', 'MaximoLBL', 'MediaLBL', 'dpLBL'];

export default async function createVarnesk(options = {}) {
  const population = { name: null, size: 0 };
  const seedOf = (text) => (text === '' ? String(Date.now()) : text);

  class Configuration {
    instantClicked(n, r) {
      const events = sampleSizeRefusal(n) ?? (leadingNumber(r) >= 1 ? [] : refusal(MESSAGES.fillRepetitions, 'NumeroRepeticoesTXT'));
      if (events.length) return json({ open: 'none', events });
      const warning = leadingNumber(r) > 1000 ? refusal(MESSAGES.stepMaximum, 'NumeroRepeticoesTXT') : [];
      return json({ open: 'form1', events: warning });
    }
    stepByStepClicked(n, r) {
      const repetitions = leadingNumber(r);
      const events = sampleSizeRefusal(n) ??
        (repetitions < 100 ? refusal(MESSAGES.stepMinimum, 'NumeroRepeticoesTXT')
          : repetitions > 1000 ? refusal(MESSAGES.stepMaximum, 'NumeroRepeticoesTXT') : []);
      return json({ open: events.length ? 'none' : 'Form4', events });
    }
    delete() {}
  }

  class Simulation {
    constructor(kind, seed, separator) {
      Object.assign(this, { kind, seed: seedOf(seed), separator, runs: 0, curve: false, shown: [], all: [] });
    }
    load(n, r) {
      if (population.name === null) {
        return json({ ok: false, events: [{ type: 'message', text: 'Não foi possível abrir o arquivo da população "/populacao.txt". Verifique se ele existe e pode ser lido.' }] });
      }
      if (Math.floor(leadingNumber(n)) > population.size) {
        const text = `Tamanho da Amostra maior que a população: a população tem ${population.size} valores e cada amostra sorteia valores distintos.`;
        return json({ ok: false, events: refusal(text, 'TamanhodaAmostraTXT') });
      }
      options.measureText?.('0');
      this.n = n;
      this.r = r;
      this.draw = generator(this.seed);
      if (this.kind === 'Form4') {
        this.runs = 1;
        this.all = Array.from({ length: Math.floor(leadingNumber(r)) }, () => this.draw(leadingNumber(n)));
      }
      return json({ ok: true, events: [], model: this.state() });
    }
    state() {
      const step = this.kind === 'Form4';
      return {
        TamanhodaAmostraTXT: { text: this.n, enabled: false },
        NumeroRepeticoesTXT: { text: step ? String(this.shown.length) : this.r, enabled: false },
        Command1: { enabled: !step || this.shown.length < this.all.length },
        Command3: { enabled: true },
        panel: panel(this.shown, this.separator),
      };
    }
    simulate() {
      if (this.kind === 'Form4') {
        if (this.shown.length < this.all.length) this.shown.push(this.all[this.shown.length]);
      } else {
        const r = leadingNumber(this.r);
        this.runs += 1;
        this.shown = Array.from({ length: Math.floor(r) }, () => this.draw(leadingNumber(this.n)));
      }
      return json({ events: [], model: this.state() });
    }
    simulateMany(k) {
      for (let i = 0; i < k; i++) this.simulate();
      return json({ events: [], model: this.state() });
    }
    showNormalCurve(on) {
      this.curve = on;
    }
    model() {
      return json(this.state());
    }
    currentDrawing() {
      if (this.kind === 'Form4') return outputs.drawings.Form4;
      if (this.runs === 0) return [];
      return this.curve ? outputs.drawings.form1Curve : outputs.drawings.form1;
    }
    drawing() {
      return json(this.currentDrawing());
    }
    picture() {
      const fill = { type: 'Fill', color: { system: 'ButtonFace' } };
      return json({ region: outputs.pictureRegion, drawing: [fill, ...this.currentDrawing()] });
    }
    meansCsv() {
      const rows = this.shown.map((m, i) => `${i + 1};${m.toPrecision(9).replace('.', ',')}\r\n`).join('');
      const repetitions = this.kind === 'Form4' ? String(this.all.length) : this.r;
      return `\uFEFFArquivo da população;/populacao.txt\r\nTamanho da população (N);${population.size}\r\n` +
        `Tamanho da amostra (n);${this.n}\r\nNúmero de repetições (R);${repetitions}\r\nSemente;${this.seed}\r\n` +
        `Simulação da janela;${this.runs}\r\n\r\nOrdem;Média\r\n${rows}`;
    }
    tabulatedStatistics() {
      const p = panel(this.shown, this.separator);
      return `Mínimo\tQ1\tMediana\tQ3\tMáximo\tMédia\tdp\n${PANEL.map((name) => p[name]).join('\t')}\n`;
    }
    seedLine() {
      return `Semente ${this.seed} · ${this.runs === 0 ? 'nenhuma simulação ainda' : `simulação ${this.runs} desta janela`}`;
    }
    means() {
      return json(this.shown);
    }
    delete() {}
  }

  class Comparison {
    constructor(seed, separator) {
      Object.assign(this, { seed: seedOf(seed), separator, rows: [] });
    }
    compare(sizesText, repetitionsText) {
      const sizes = sizesText.split(',').map(leadingNumber);
      this.rows = sizes.map((n) => [String(n), '2,0010', '0,1000', '0,1000', '0,0999', '1,001']);
      return json({ events: [], results: this.rows, repetitions: repetitionsText });
    }
    chart() {
      return json(this.rows.length ? outputs.drawings.comparison : [{ type: 'Fill', color: { r: 255, g: 255, b: 255 } }]);
    }
    delete() {}
  }

  return {
    setPopulation(bytes, name) {
      population.name = name;
      population.size = new TextDecoder().decode(bytes).split(/[\r\n,]+/).filter((v) => v.trim() !== '').length;
    },
    layout: (name) => json(outputs.layouts[name]),
    menu: (name) => json(outputs.menus[name] ?? []),
    centredOnScreen: (screen, panelWidth) => Math.fround((screen - panelWidth) / 2),
    Configuration,
    Simulation,
    Comparison,
  };
}
