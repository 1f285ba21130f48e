// Same seed, same bytes in both editions: each case's calls go through the WebAssembly module
// and through varnesk-json (the same interface built natively), and every answer must be the
// same text; the means must also be those of varnesk-sim --medias for the same seed.
//
// node --test web/tests/native_vs_wasm.test.mjs, with the programs in VARNESK_JSON,
// VARNESK_MODULE (varnesk_core.mjs of the web build) and VARNESK_SIM, or as arguments when run
// directly: node web/tests/native_vs_wasm.test.mjs --json=… --module=… --sim=…
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';

const argument = (name) =>
  process.argv.find((a) => a.startsWith(`--${name}=`))?.slice(name.length + 3);
const programs = {
  json: argument('json') ?? process.env.VARNESK_JSON,
  module: argument('module') ?? process.env.VARNESK_MODULE,
  sim: argument('sim') ?? process.env.VARNESK_SIM,
};
const standard = fileURLToPath(new URL('../../data/populacao.txt', import.meta.url));
const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'varnesk-web-'));
process.on('exit', () => fs.rmSync(folder, { recursive: true, force: true }));
// A class's own data: a spreadsheet's decimal commas and CRLF line ends.
const handMade = path.join(folder, 'turma.txt');
fs.writeFileSync(handMade, '2,35\r\n0,80\r\n1,97\r\n3,10\r\n1,42\r\n2,08\r\n0,55\r\n4,75\r\n');
// A spreadsheet's export with a header and two columns, and one whose commas are ambiguous.
const twoColumns = path.join(folder, 'notas.csv');
fs.writeFileSync(twoColumns, '\uFEFFturma;perda\r\nA;2,5\r\nB;1\r\nC;"3,25"\r\n');
const ambiguous = path.join(folder, 'taxas.csv');
fs.writeFileSync(ambiguous, 'taxa,perda\n1,5\n2,5\n');
const withBytes = ['previewPopulation', 'choosePopulation'];
// A file the reader refuses, on a field with accents.
const refused = path.join(folder, 'recusado.txt');
fs.writeFileSync(refused, '1.5\nperda média\n');

// What a teacher does in a simulation window: open it, run, look at everything it shows.
const instant = (population, n, r, seed, separator = '.') => [
  ['setPopulation', population],
  ['Simulation', 'form1', seed, separator],
  ['Simulation.load', n, r],
  ['Simulation.simulate'],
  ['Simulation.drawing'],
  ['Simulation.picture'],
  ['Simulation.means'],
  ['Simulation.meansCsv'],
  ['Simulation.tabulatedStatistics'],
  ['Simulation.seedLine'],
  ['Simulation.showNormalCurve', true],
  ['Simulation.drawing'],
  ['Simulation.svg'],
];

const cases = [
  { name: 'the default population, n 10, R 100', sim: [standard, 10, 100, 5], calls: instant(standard, '10', '100', '5') },
  { name: 'n 1000, R 1000, decimal comma', sim: [standard, 1000, 1000, 42], calls: instant(standard, '1000', '1000', '42', ',') },
  { name: 'n 50000, R 5000', sim: [standard, 50000, 5000, 7], calls: instant(standard, '50000', '5000', '7') },
  { name: 'a hand-made population of 8 values, n 3, R 200', sim: [handMade, 3, 200, 11], calls: instant(handMade, '3', '200', '11', ',') },
  {
    name: 'the step-by-step window to its end, n 10, R 300',
    sim: [standard, 10, 300, 5],
    calls: [
      ['setPopulation', standard],
      ['Simulation', 'Form4', '5', '.'],
      ['Simulation.load', '10', '300'],
      ['Simulation.nothingToSave'],
      ['Simulation.drawing'],
      ['Simulation.simulate'],
      ['Simulation.drawing'],
      ['Simulation.simulateMany', 100],
      ['Simulation.showNormalCurve', true],
      ['Simulation.drawing'],
      ['Simulation.simulateMany', 250],
      ['Simulation.simulate'],
      ['Simulation.drawing'],
      ['Simulation.picture'],
      ['Simulation.means'],
      ['Simulation.meansCsv'],
      ['Simulation.seedLine'],
      ['Simulation.svg'],
      ['Simulation.nothingToSave'],
    ],
  },
  {
    name: 'the step window played, then a 19-digit seed typed in the instant window after a refused one',
    sim: [standard, 10, 100, '7070707070707070707'],
    calls: [['setPopulation', standard], ['Simulation', 'Form4', '5', '.'], ['Simulation.load', '10', '150'], ['Simulation.playPause'], ['Simulation.simulateMany', 150],
      ['Simulation.setSeed', '42'], ['Simulation.drawing'], ['Simulation', 'form1', '', '.'], ['Simulation.load', '10', '100'], ['Simulation.seed'],
      ['Simulation.setSeed', '-7'], ['Simulation.setSeed', ' 7070707070707070707 '], ['Simulation.seed'], ['Simulation.seedLine'], ['Simulation.means']],
  },
  {
    name: 'a comparison of 10, 100 and 1000, R 500',
    calls: [
      ['setPopulation', standard],
      ['Comparison', '3', ','],
      ['Comparison.controls'],
      ['Comparison.chart', 13500, 6000],
      ['Comparison.compare', '10,100,1000', '500'],
      ['Comparison.chart', 13500, 6000],
      ['Comparison.compare', '10,100000', '500'],
      ['Comparison.start', '20, 200', '300'],
      ['Comparison.step'],
      ['Comparison.cancel'],
      ['Comparison.start', '20, 200', '300'],
      ['Comparison.step'],
      ['Comparison.step'],
      ['Comparison.finish'],
      ['Comparison.resultsCsv'],
    ],
  },
  {
    name: 'the population view, alone, with the sample behind a step, and of a file it refuses',
    calls: [
      ['setPopulation', handMade], ['layout', 'PopulationForm'], ['Population', ','], ['Population.load'], ['Population.chart', 9300, 4560],
      ['setPopulation', standard], ['Simulation', 'Form4', '5', ','], ['Simulation.load', '30', '200'], ['Simulation.population', true],
      ['Simulation.simulateMany', 37], ['Simulation.population', true], ['Simulation.populationChart', 9300, 4560],
      ['setPopulation', refused], ['Population.load'], ['Population.chart', 9300, 4560],
    ],
  },
  {
    name: 'the windows, their menus and the configuration checks',
    calls: [
      ...['Form2', 'Form3', 'form1', 'Form4', 'ComparisonForm', 'Form9'].map((w) => ['layout', w]),
      ...['Form2', 'Form3', 'form1', 'Form4', 'ComparisonForm', 'Form9'].flatMap((w) => [['menu', w], ['menuBar', w]]),
      ['zoomStep', 'ZoomIn', 1.25, 723, 566, 1024, 740],
      ['zoomStep', 'Fit', 3, 723, 566, 1366, 740],
      ['fullScreen', 723, 566, 1920, 1080],
      ...[1, 1.25, 1.5, 2.5].map((scale) => ['evenLineWidth', 1, scale]),
      ['aboutText'],
      ['centredOnScreen', 20490, 8415],
      ['Configuration'],
      ['Configuration.instantClicked', '12abc', '1500'],
      ['Configuration.stepByStepClicked', '10', '99'],
      ['setPopulation', handMade],
      ['Simulation', 'form1', '1', '.'],
      ['Simulation.load', '9', '10'],
    ],
  },
  {
    name: "the teacher's population: previews, a column chosen, ambiguous commas answered, and back",
    calls: [
      ['setPopulation', standard],
      ['previewPopulation', twoColumns, 'notas.csv', ''],
      ['choosePopulation', twoColumns, 'notas.csv', '', ''],
      ['choosePopulation', twoColumns, 'notas.csv', '2', ''],
      ['Simulation', 'form1', '3', ','],
      ['Simulation.load', '2', '50'],
      ['Simulation.simulate'],
      ['previewPopulation', ambiguous, 'taxas.csv', ''],
      ['previewPopulation', ambiguous, 'taxas.csv', 'separator'],
      ['choosePopulation', ambiguous, '', '', 'decimal'],
      ['Comparison', '3', ','],
      ['Comparison.compare', '1,2', '10'],
      ['useProgramPopulation'],
      ['Simulation', 'form1', '3', '.'],
      ['Simulation.load', '10', '10'],
      ['Simulation.simulate'],
    ],
  },
];

cases.push({
  name: 'the confidence intervals, step by step and all at once, and the sample size checked',
  calls: [
    ['setPopulation', standard], ['Intervals', '5', ','], ['Intervals.load', '10', '200'], ['Intervals.showNext', 1],
    ['Intervals.chart', 8850, 6750], ['Intervals.showAll'], ['Intervals.setLevel', '90'], ['Intervals.setNormal', true],
    ['Intervals.setCorrection', false], ['Intervals.compareCorrection'], ['Intervals.chart', 8850, 6750],
    ['Intervals.intervalsCsv'], ['Intervals.seedLine'], ['Planner', '3', ','], ['Planner.load'], ['Planner.plan', '0,1', '95'],
    ['Planner.verify', '0,1', '95', '300'], ['Planner.chart', 11100, 4380], ['Planner.seedLine'],
  ],
});

const plainTexts = ['Simulation.meansCsv', 'Simulation.tabulatedStatistics', 'Simulation.seedLine', 'aboutText',
  'Simulation.svg', 'Comparison.resultsCsv', 'Intervals.intervalsCsv', 'Intervals.seedLine', 'Planner.seedLine'];

// One line per call from varnesk-json: the answer as JSON.
function native(calls) {
  const input = calls.map((c) => c.map(String).join('\t')).join('\n') + '\n';
  const run = spawnSync(programs.json, [folder], { input, maxBuffer: 1 << 30, encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
  const csvPath = path.join(folder, 'populacao.txt');
  // The CSV names the file its means came from: the module's own, or varnesk-json's.
  return run.stdout.trimEnd().split('\n').map((line) => {
    const answer = JSON.parse(line);
    return typeof answer === 'string' ? answer.replaceAll(csvPath, '/populacao.txt').replaceAll(`${folder}/`, '/') : answer;
  });
}

async function wasm(calls) {
  const { default: createVarnesk } = await import(pathToFileURL(programs.module).href);
  const m = await createVarnesk();
  const sessions = {};
  const answers = calls.map(([name, ...args]) => {
    if (name === 'setPopulation') return m.setPopulation(fs.readFileSync(args[0]), path.basename(args[0]));
    if (withBytes.includes(name)) return m[name](fs.readFileSync(args[0]), ...args.slice(1));
    const [type, method] = name.split('.');
    if (method) return sessions[type][method](...args);
    if (!/^[A-Z]/.test(name)) return m[name](...args);
    sessions[type]?.delete();
    sessions[type] = new m[type](...args);
    return null;
  });
  for (const session of Object.values(sessions)) session.delete();
  return answers;
}

function varneskSim(population, n, r, seed) {
  const args = ['-n', String(n), '-r', String(r), '-s', String(seed), '-p', population, '--medias'];
  const run = spawnSync(programs.sim, args, { encoding: 'utf8', maxBuffer: 1 << 26 });
  assert.equal(run.status, 0, run.stderr);
  return run.stdout.trimEnd().split('\n').map((line) => Math.fround(Number(line)));
}

for (const c of cases) {
  test(c.name, async () => {
    for (const [what, where] of Object.entries(programs)) assert.ok(where, `caminho de ${what} não dado`);
    const [expected, actual] = [native(c.calls), await wasm(c.calls)];
    assert.equal(actual.length, expected.length);
    c.calls.forEach((call, i) => assert.strictEqual(actual[i], expected[i], `${call.join(' ')}`));
    // Every answer but the plain texts (saved, copied or shown as they are) is JSON the page parses.
    c.calls.forEach(([name], i) => {
      if (typeof actual[i] === 'string' && !plainTexts.includes(name)) JSON.parse(actual[i]);
    });
    if (c.sim) {
      const i = c.calls.findIndex(([name]) => name === 'Simulation.means');
      assert.deepStrictEqual(JSON.parse(actual[i]), varneskSim(...c.sim));
    }
  });
}
