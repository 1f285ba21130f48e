// The window "População" as a teacher reaches it: Ctrl+P on the configuration screen shows the
// population the windows read, and Escape closes it; A in the step-by-step window shows it again with the sample
// behind the latest mean marked under its histogram.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { click, control, keys, open, sharedBrowser, topWindow, type, until } from './harness.mjs';

const shared = sharedBrowser();

const text = (page, win, name) => page.$eval(control(win, name), (e) => e.textContent);
// The sample's marks: its orange dots and the dashed line at its mean.
const sampleMarks = (page) =>
  page.evaluate(async () => {
    const drawing = globalThis.varnesk.desktop.top().drawing;
    const orange = (c) => c.r === 230 && c.g === 159 && c.b === 0;
    return drawing.filter((p) => (p.type === 'Dot' && orange(p.fill)) || (p.type === 'PlainLine' && p.style === 'Dashed')).length;
  });

test('the population from the configuration screen, then the sample behind a step', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await click(page, 'Form2', 'Command1');
  await keys(page, 'Control', 'p');
  await until(page, () => document.querySelector('[data-window="PopulationForm"] [data-control="CountLBL"]')?.textContent);
  assert.equal(await topWindow(page), 'PopulationForm');
  const shown = await Promise.all(['FileNameLBL', 'CountLBL', 'MinimumLBL', 'DecimalMarkLBL', 'MessageLBL'].map((n) => text(page, 'PopulationForm', n)));
  assert.deepEqual(shown, ['populacao.txt', '578000', '0', 'ponto', '']);
  assert.match(await text(page, 'PopulationForm', 'MeanLBL'), /^1[.,]999818\d*$/, 'at least six significant digits');
  assert.match(await page.$eval(control('PopulationForm', 'PopulationChart'), (c) => c.getAttribute('aria-label')), /%/);
  await keys(page, null, 'Escape'); // as Fechar
  assert.equal(await topWindow(page), 'Form3');

  await type(page, 'Form3', 'TamanhodaAmostraTXT', '10');
  await click(page, 'Form3', 'Command3'); // R stays at its design value, 100
  for (let i = 0; i < 3; i++) await click(page, 'Form4', 'Command1');
  await until(page, () => document.querySelector('[data-window="Form4"] [data-control="NumeroRepeticoesTXT"]').value === '3');
  await page.keyboard.press('a');
  await until(page, () => document.querySelector('[data-window="PopulationForm"] [data-control="SampleLBL"]')?.textContent);
  assert.match(await text(page, 'PopulationForm', 'SampleLBL'), /^Amostra 3 de 100 \(n = 10\), média /);
  assert.equal(await sampleMarks(page), 10 + 1, "a dot per value and the mean's line");
  await click(page, 'PopulationForm', 'CloseButton');
  assert.equal(await topWindow(page), 'Form4');
});
