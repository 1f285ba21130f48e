// The files a class brings and what a teacher does in each window, as lists of the module's
// calls: the recordings hold every answer to them, and the two editions must give the same bytes
// for each (web/tests/native_vs_wasm.test.mjs).
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const standard = path.resolve(here, '../../data/populacao.txt');

// The files a class brings, in a folder whose name the outputs never show (it is put back as
// "<pasta>").
export const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'varnesk-golden-'));
process.on('exit', () => fs.rmSync(folder, { recursive: true, force: true }));
const file = (name, text) => {
  const where = path.join(folder, name);
  fs.writeFileSync(where, text);
  return where;
};
export const files = {
  turma: file('turma.txt', '2,35\r\n0,80\r\n1,97\r\n3,10\r\n1,42\r\n2,08\r\n0,55\r\n4,75\r\n'),
  notas: file('notas.csv', '\uFEFFturma;perda\r\nA;2,5\r\nB;1\r\nC;"3,25"\r\n'),
  taxas: file('taxas.csv', 'taxa,perda\n1,5\n2,5\n'),
  recusado: file('recusado.txt', '1.5\nperda média\n'),
  cinco: file('cinco.txt', '1\n2\n3\n4\n5\n'),
  vazio: file('vazio.txt', ''),
  duzentos: file('duzentos.txt', Array.from({ length: 200 }, (_, i) => (1 + ((i * 37) % 101) / 50).toFixed(2)).join('\n')),
};
export const missing = path.join(folder, 'nada.txt');

// What a teacher does in a simulation window: open it, run, look at everything it shows.
const instant = (population, n, r, seed, separator = '.') => [
  ['setPopulation', population], ['Simulation', 'form1', seed, separator], ['Simulation.load', n, r],
  ['Simulation.controls'], ['Simulation.drawing'], ['Simulation.nothingToSave'], ['Simulation.simulate'],
  ['Simulation.drawing'], ['Simulation.picture'], ['Simulation.means'], ['Simulation.meansCsv'],
  ['Simulation.tabulatedStatistics'], ['Simulation.seedLine'], ['Simulation.seed'], ['Simulation.showNormalCurve', true],
  ['Simulation.drawing'], ['Simulation.svg'], ['Simulation.simulate'], ['Simulation.seedLine'], ['Simulation.population', false],
  ['Simulation.populationChart', 9300, 4560],
];
const step = (population, n, r, seed, separator = '.') => [
  ['setPopulation', population], ['Simulation', 'Form4', seed, separator], ['Simulation.load', n, r],
  ['Simulation.nothingToSave'], ['Simulation.drawing'], ['Simulation.population', true], ['Simulation.simulate'],
  ['Simulation.drawing'], ['Simulation.population', true], ['Simulation.populationChart', 9300, 4560],
  ['Simulation.simulateMany', 99], ['Simulation.drawing'], ['Simulation.simulate'], ['Simulation.drawing'],
  ['Simulation.showNormalCurve', true], ['Simulation.drawing'], ['Simulation.playPause'], ['Simulation.simulate'],
  ['Simulation.playPause'], ['Simulation.simulateMany', 399], ['Simulation.drawing'], ['Simulation.simulateMany', 1000],
  ['Simulation.simulate'], ['Simulation.playPause'], ['Simulation.drawing'], ['Simulation.picture'], ['Simulation.means'],
  ['Simulation.meansCsv'], ['Simulation.tabulatedStatistics'], ['Simulation.seedLine'], ['Simulation.svg'],
  ['Simulation.setSeed', 'x'], ['Simulation.setSeed', ' 77 '], ['Simulation.drawing'], ['Simulation.seedLine'],
];
const windows = ['Form2', 'Form3', 'form1', 'Form4', 'ComparisonForm', 'PopulationForm', 'Form9'];
export const sessions = [
  { name: 'the windows and their menus', calls: windows.flatMap((w) => [['layout', w], ['menu', w], ['menuBar', w]]) },
  {
    name: 'the zoom, full screen, lines, the about box and the start screen',
    calls: [
      ...[[1, 723, 566, 1024, 740], [1.25, 723, 566, 1024, 740], [3, 723, 566, 1366, 740], [0.5, 1800, 1488, 1280, 720]].flatMap(
        (a) => ['ZoomIn', 'ZoomOut', 'ActualSize', 'Fit'].map((c) => ['zoomStep', c, ...a])),
      ['fullScreen', 723, 566, 1920, 1080], ['fullScreen', 1000, 200, 1024, 768],
      ...[1, 1.25, 1.5, 2, 2.5, 3].map((scale) => ['evenLineWidth', 1, scale]), ['evenLineWidth', 3, 1.25],
      ['aboutText'], ['centredOnScreen', 20490, 8415], ['centredOnScreen', 15360, 11775],
    ],
  },
  {
    name: 'the configuration checks',
    calls: [['setPopulation', standard], ['Configuration'],
      ...[['', '100'], ['0', '100'], ['12abc', '1500'], ['50001', '10'], ['1000', ''], ['1000', '0'], ['10', '5000'],
        ['10', '99'], ['10', '100'], ['10', '1000'], ['10', '1001'], [' 7', '100.6'], ['1e3', '1e2'], ['-5', '-5'],
      ].flatMap(([n, r]) => [['Configuration.instantClicked', n, r], ['Configuration.stepByStepClicked', n, r]])],
  },
  { name: 'instant, n 10, R 100', sim: [standard, 10, 100, 5], calls: instant(standard, '10', '100', '5') },
  { name: 'instant, n 1000, R 1000, decimal comma', sim: [standard, 1000, 1000, 42], calls: instant(standard, '1000', '1000', '42', ',') },
  { name: 'instant, n 50000, R 5000', sim: [standard, 50000, 5000, 7], calls: instant(standard, '50000', '5000', '7') },
  { name: 'instant, n 1, R 1', calls: instant(standard, '1', '1', '9') },
  { name: 'instant, 8 values, n 3, R 200', sim: [files.turma, 3, 200, 11], calls: instant(files.turma, '3', '200', '11', ',') },
  { name: 'instant, n = N', calls: instant(files.cinco, '5', '20', '3') },
  { name: 'instant, refused repetitions', calls: instant(standard, '10', '6000', '3').slice(0, 8) },
  { name: 'instant, a sample larger than the population', calls: instant(files.cinco, '6', '20', '3').slice(0, 4) },
  { name: 'instant, an unreadable population', calls: instant(files.recusado, '2', '20', '3').slice(0, 4) },
  { name: 'step by step, n 10, R 1000', calls: step(standard, '10', '1000', '5') },
  { name: 'step by step, n 500, R 150, decimal comma', calls: step(standard, '500', '150', '8', ',') },
  { name: 'step by step, 200 values, n 30, R 600', calls: step(files.duzentos, '30', '600', '13', ',') },
  {
    name: 'seeds typed and picked',
    calls: [['setPopulation', standard], ['Simulation', 'form1', '0', '.'], ['Simulation.load', '10', '100'], ['Simulation.seed'],
      ['Simulation.seedLine'], ['Simulation.setSeed', '-7'], ['Simulation.setSeed', ' 7070707070707070707 '], ['Simulation.seed'],
      ['Simulation.seedLine'], ['Simulation.means'], ['Simulation.simulate'], ['Simulation.seedLine'],
      ['Simulation', 'Form4', '18446744073709551615', ','], ['Simulation.load', '20', '100'], ['Simulation.simulateMany', 100],
      ['Simulation.means'], ['Simulation.seedLine'], ['Simulation.simulate']],
  },
  {
    name: 'comparisons',
    calls: [['setPopulation', standard], ['Comparison', '3', ','], ['Comparison.controls'], ['Comparison.nothingToSave'],
      ['Comparison.chart', 13500, 6000], ['Comparison.compare', '10,100,1000', '500'], ['Comparison.chart', 13500, 6000],
      ['Comparison.controls'], ['Comparison.resultsCsv'], ['Comparison.compare', '10,100000', '500'],
      ['Comparison.compare', '', '500'], ['Comparison.compare', '10', '0'], ['Comparison.start', '20, 200', '300'],
      ['Comparison.step'], ['Comparison.cancel'], ['Comparison.start', '20, 200', '300'], ['Comparison.step'],
      ['Comparison.step'], ['Comparison.finish'], ['Comparison.resultsCsv'], ['Comparison.chart', 9000, 4000],
      ['setPopulation', files.cinco], ['Comparison', '4', '.'], ['Comparison.compare', '1,5', '30'],
      ['Comparison.compare', '2,6', '30'], ['Comparison.chart', 13500, 6000], ['Comparison.resultsCsv'],
      ['setPopulation', files.duzentos], ['Comparison', '0', '.'], ['Comparison.compare', '100,20', '50'], ['Comparison.controls']],
  },
  {
    name: 'the population view',
    calls: [['setPopulation', files.turma], ['Population', ','], ['Population.load'], ['Population.chart', 9300, 4560],
      ['setPopulation', standard], ['Population', '.'], ['Population.load'], ['Population.chart', 9300, 4560],
      ['Population.chart', 4000, 2000], ['setPopulation', files.recusado], ['Population.load'], ['Population.chart', 9300, 4560],
      ['setPopulation', files.vazio], ['Population.load']],
  },
  {
    name: "the teacher's population",
    calls: [['setPopulation', standard], ['previewPopulation', files.notas, 'notas.csv', ''],
      ['choosePopulation', files.notas, 'notas.csv', '', ''], ['choosePopulation', files.notas, 'notas.csv', '2', ''],
      ['Simulation', 'form1', '3', ','], ['Simulation.load', '2', '50'], ['Simulation.simulate'], ['Simulation.meansCsv'],
      ['previewPopulation', files.taxas, 'taxas.csv', ''], ['previewPopulation', files.taxas, 'taxas.csv', 'separator'],
      ['previewPopulation', files.taxas, 'taxas.csv', 'decimal'], ['choosePopulation', files.taxas, '', '', 'decimal'],
      ['Population', ','], ['Population.load'], ['previewPopulation', files.recusado, 'recusado.txt', ''],
      ['choosePopulation', files.recusado, 'recusado.txt', '', ''], ['Comparison', '3', ','], ['Comparison.compare', '1,2', '10'],
      ['useProgramPopulation'], ['Simulation', 'form1', '3', '.'], ['Simulation.load', '10', '10'], ['Simulation.simulate']],
  },
  {
    name: 'the confidence intervals, step by step and all at once, and the sample size checked',
    calls: [
      ['setPopulation', standard], ['Intervals', '5', ','], ['Intervals.load', '10', '200'], ['Intervals.showNext', 1],
      ['Intervals.chart', 8850, 6750], ['Intervals.showAll'], ['Intervals.setLevel', '90'], ['Intervals.setNormal', true],
      ['Intervals.setCorrection', false], ['Intervals.compareCorrection'], ['Intervals.chart', 8850, 6750],
      ['Intervals.intervalsCsv'], ['Intervals.seedLine'], ['Planner', '3', ','], ['Planner.load'], ['Planner.plan', '0,1', '95'],
      ['Planner.verify', '0,1', '95', '300'], ['Planner.chart', 11100, 4380], ['Planner.seedLine'],
    ],
  },
];
