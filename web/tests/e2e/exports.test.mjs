// What a teacher takes away from the page: the chart as an SVG with its caption (and nothing
// before a run), and a long comparison followed by its progress bar, stopped by Cancelar, its
// table downloaded as a CSV.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { answerMessage, choose, click, control, downloaded, keys, open, type, until, sharedBrowser } from './harness.mjs';

const shared = sharedBrowser();

test('the SVG of the chart: nothing before a run, then the core\'s bytes with the caption', async () => {
  const { page, downloads } = await open(shared.browser, `${shared.server.url}?semente=42`);
  await click(page, 'Form2', 'Command1');
  await click(page, 'Form3', 'Command1');
  const chart = '[data-window="form1"] canvas.chart';
  for (const command of ['SaveChartSvg', 'SaveChart', 'SaveMeans']) {
    await choose(page, chart, command);
    assert.deepEqual(await answerMessage(page), { title: 'Varnesk', text: 'Nada para salvar: faça uma simulação primeiro.' }, command);
  }
  await click(page, 'form1', 'Command1');
  await choose(page, chart, 'SaveChartSvg');
  const svg = (await downloaded(downloads, 'grafico.svg')).toString('utf8');
  const panel = await page.$$eval('[data-window="form1"] .value-box', (boxes) => boxes.map((b) => b.textContent));
  assert.match(svg, /^<\?xml version="1.0" encoding="UTF-8"\?>\n<svg xmlns="http:\/\/www.w3.org\/2000\/svg" version="1.1" width="723" height="482" /);
  assert.match(svg, />População: populacao.txt \(N = 578.000\) · n = 1.000 · R = 100 · Semente 42<\/text>/);
  assert.ok(svg.includes(`>Mínimo ${panel[0]} · Q1 ${panel[1]} · Mediana ${panel[2]}`), 'the panel\'s statistics in the caption');
  assert.ok(svg.endsWith('</text>\n</svg>\n'));
});

test('a long comparison shows its progress, full at its end, Cancelar leaves the table as it was and hides the bar, and the table downloads', async () => {
  const { page, downloads } = await open(shared.browser, shared.server.url);
  await click(page, 'Form2', 'Command1');
  await keys(page, 'Control', 't');
  const win = 'ComparisonForm';
  await choose(page, control(win, 'ComparisonChart'), 'SaveComparison');
  assert.equal((await answerMessage(page)).text, 'Nada para salvar: faça uma simulação primeiro.');
  const rows = () => page.$$eval(`${control(win, 'ResultsTable')} tbody tr`, (trs) => trs.map((tr) => [...tr.cells].map((td) => td.textContent)));
  await click(page, win, 'CompareButton');
  await until(page, () => !document.querySelector('[data-control="CompareButton"]').disabled);
  const bar = () => page.$eval(control(win, 'ComparisonProgress'), (p) => [p.value / p.max, p.hidden]);
  assert.deepEqual(await bar(), [1, false], 'a run done reads 100 %');
  const before = await rows();
  // Right-aligned, each column with its own number of decimals.
  assert.equal(await page.$eval(`${control(win, 'ResultsTable')} tbody td`, (td) => getComputedStyle(td).textAlign), 'right');
  assert.deepEqual(before.map((row) => row.slice(1).map((cell) => cell.split(',')[1].length)), Array(4).fill([4, 4, 4, 4, 3]));

  await type(page, win, 'SampleSizesTXT', '50000, 50000, 50000, 50000, 50000, 50000, 50000, 50000');
  await type(page, win, 'RepetitionsTXT', '2000');
  await page.click(control(win, 'CompareButton'));
  // The bar of this run, not the full one the last run left.
  await until(page, () => { const p = document.querySelector('[data-control="ComparisonProgress"]'); return p.max === 32 && p.value >= 1; });
  assert.deepEqual(await page.$eval(control(win, 'ComparisonProgress'), (p) => [p.max, p.closest('[inert]')]), [8 * 4, null]);
  await page.click(control(win, 'CancelButton'));
  await until(page, () => !document.querySelector('[data-control="CompareButton"]').disabled);
  assert.deepEqual(await rows(), before, 'the table as it was before the click');
  assert.equal((await bar())[1], true, 'hidden: the table beside it is not the stopped run\'s');

  await keys(page, 'Control', 's');
  const csv = await downloaded(downloads, 'comparacao.csv');
  assert.deepEqual([...csv.subarray(0, 3)], [0xef, 0xbb, 0xbf]);
  const lines = csv.subarray(3).toString('utf8').split('\r\n');
  assert.equal(lines[0], 'Arquivo da população;/populacao.txt');
  assert.equal(lines[4], 'Simulação da semente;1');
  assert.equal(lines[6], 'n;Média das médias;dp das médias;Erro padrão σ/√n;Erro padrão corrigido;Razão dp / corrigido');
  assert.deepEqual(lines.slice(7, 11).map((l) => l.split(';')[0]), before.map((r) => r[0]));
});
