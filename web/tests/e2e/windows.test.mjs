// The windows as a teacher walks them: start, configuration, its refusals, the instant window
// and back; every element named after its window and control.
import assert from 'node:assert/strict';
import { mkdtemp, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { answerMessage, click, control, focused, keys, open, serve, topWindow, type, until, sharedBrowser } from './harness.mjs';

const shared = sharedBrowser();

test('from the start screen to an instant run and back', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await click(page, 'Form2', 'Command1');
  assert.equal(await topWindow(page), 'Form3');

  // Each refusal: the core's message in a box titled Varnesk, then the focus on the box to correct.
  const refusals = [
    ['60000', '100', 'Command1', 'Tamanho da Amostra muito Grande', 'TamanhodaAmostraTXT'],
    ['1000', '50', 'Command3', 'Número de Repetições Mínimo é 100!', 'NumeroRepeticoesTXT'],
  ];
  for (const [n, r, button, message, focus] of refusals) {
    await type(page, 'Form3', 'TamanhodaAmostraTXT', n);
    await type(page, 'Form3', 'NumeroRepeticoesTXT', r);
    await click(page, 'Form3', button);
    assert.deepEqual(await answerMessage(page), { title: 'Varnesk', text: message });
    assert.equal(await focused(page), focus, message);
    assert.equal(await topWindow(page), 'Form3');
  }

  await type(page, 'Form3', 'TamanhodaAmostraTXT', '1000');
  await type(page, 'Form3', 'NumeroRepeticoesTXT', '100');
  await click(page, 'Form3', 'Command1');
  assert.equal(await topWindow(page), 'form1');
  assert.equal(await focused(page), 'Command1');
  assert.equal(await page.$eval('[data-window="Form3"]', (w) => w.inert), true, 'only the top window takes input');

  await page.keyboard.press('Enter'); // Enter presses the focused Simular
  await until(page, () => document.querySelector('[data-control="dpLBL"]').textContent !== '0');
  const panel = await page.$$eval('[data-window="form1"] .value-box', (boxes) => boxes.map((b) => b.textContent));
  assert.equal(panel.length, 7);
  for (const value of panel) assert.match(value, /^-?\d+,\d{3}$|^-$/, 'seven statistics with the regional comma');
  assert.equal(await focused(page), 'Command1', 'Simular keeps the focus through the run');
  assert.notEqual(await page.$eval('[data-window="form1"] canvas.chart', (c) => c.getAttribute('aria-label')), '');

  await click(page, 'form1', 'Command3');
  assert.equal(await topWindow(page), 'Form3');
  assert.deepEqual(
    await Promise.all(['TamanhodaAmostraTXT', 'NumeroRepeticoesTXT'].map((name) => page.$eval(control('Form3', name), (b) => b.value))),
    ['1000', '100'],
  );
  await click(page, 'Form3', 'Command2');
  assert.equal(await topWindow(page), 'Form2');
  await click(page, 'Form2', 'Command2');
  await until(page, () => document.body.dataset.state === 'closed');
  assert.equal(await page.$$eval('.window', (w) => w.length), 0);
});

test('every window and every control it builds is named; chart elements are painted, not built', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  const check = (name) => page.evaluate(async (win) => {
    const layout = await globalThis.varnesk.core.call('layout', win);
    const root = document.querySelector(`[data-window="${win}"]`);
    return layout.controls
      .map((c) => [c.name, root.querySelectorAll(`[data-control="${c.name}"]`).length, c.drawnByChart ? 0 : 1])
      .filter(([, found, wanted]) => found !== wanted);
  }, name);
  await click(page, 'Form2', 'Command1');
  await click(page, 'Form3', 'Command3'); // Form4 with the design values 1000 and 100
  for (const win of ['Form2', 'Form3', 'Form4']) assert.deepEqual(await check(win), [], win);
  await click(page, 'Form4', 'Command3');
  await keys(page, 'Control', 't');
  assert.equal(await topWindow(page), 'ComparisonForm');
  assert.deepEqual(await check('ComparisonForm'), []);
  await click(page, 'ComparisonForm', 'CompareButton');
  await until(page, () => document.querySelectorAll('[data-control="ResultsTable"] tbody tr').length === 4);
  await click(page, 'ComparisonForm', 'CloseButton');
  for (const [key, win] of [['i', 'IntervalForm'], ['m', 'PlannerForm']]) {
    await keys(page, 'Control', key);
    assert.equal(await topWindow(page), win);
    assert.deepEqual(await check(win), [], win);
    await click(page, win, 'CloseButton');
  }
  await click(page, 'Form3', 'Command1');
  assert.deepEqual(await check('form1'), []);
});

test('a core that fails: one message box in its words, every call refused, the page still answering', async () => {
  const told = { title: 'Varnesk', text: 'O Varnesk encontrou um erro e não pode continuar nesta página. Recarregue a página (F5); se o erro voltar, abra o Varnesk em outro navegador.' };
  const refused = (page) => page.evaluate(() => Promise.all([1, 2].map(() => globalThis.varnesk.core.call('noSuchCall').then(() => 0, () => 1))));
  const { page } = await open(shared.browser, shared.server.url);
  assert.deepEqual(await refused(page), [1, 1], 'two calls the core cannot answer');
  assert.deepEqual(await answerMessage(page), told, 'told once: no box left after the first');

  // A worker that cannot start: the page's own words, the calls waiting refused, no busy pointer left.
  const broken = join(await mkdtemp(join(tmpdir(), 'varnesk-broken-')), 'varnesk_core.mjs');
  await writeFile(broken, "throw new Error('a core that cannot start');\n");
  const brokenServer = await serve({ core: broken });
  try {
    const { page: lost } = await open(shared.browser, brokenServer.url, undefined, 'dialog.message-box[open]');
    assert.equal(await lost.evaluate(() => globalThis.varnesk.core.pending.size), 0);
    assert.deepEqual(await answerMessage(lost), told);
    assert.equal(await topWindow(lost), null);
    assert.deepEqual(await refused(lost), [1, 1]);
  } finally {
    await brokenServer.close();
  }
});

test('a population smaller than the sample refuses the load: its message, and no window opens', async () => {
  const small = join(tmpdir(), 'varnesk-small-population.txt');
  await writeFile(small, '2.35\n0.80\n1.97\n3.10\n1.42\n');
  const smallServer = await serve({ population: small });
  try {
    const { page } = await open(shared.browser, smallServer.url);
    await click(page, 'Form2', 'Command1');
    await click(page, 'Form3', 'Command1');
    assert.deepEqual(await answerMessage(page), {
      title: 'Varnesk',
      text: 'Tamanho da Amostra maior que a população: n = 1000, mas a população tem 5 valores e cada amostra sorteia valores distintos. Use um tamanho de até 5.',
    });
    assert.equal(await topWindow(page), 'Form3');
    assert.equal(await focused(page), 'TamanhodaAmostraTXT');
    assert.equal(await page.$('[data-window="form1"]'), null);
  } finally {
    await smallServer.close();
  }
});
