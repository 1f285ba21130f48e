// axe-core over every window, menu and dialog of the page, each as a teacher reaches it: no
// violation of any impact. And what axe does not see: the names the controls are read by, the
// menu titles' size, the focus ring's contrast, the status lines told once a change.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { test } from 'node:test';
import { answerMessage, click, control, handClock, idle, keys, open, sharedBrowser, until } from './harness.mjs';

const shared = sharedBrowser();
const AXE = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

// axe's violations on the page as it is now, one line each: rule, impact, where.
async function violations(page) {
  if (!(await page.evaluate(() => 'axe' in globalThis))) await page.addScriptTag({ path: AXE });
  return page.evaluate(async () => {
    const { violations: found } = await globalThis.axe.run(document, { resultTypes: ['violations'] });
    return found.flatMap((v) => v.nodes.map((n) => `${v.id} (${v.impact}): ${n.target.join(' ')}`));
  });
}

// What the page adds around the laid-out controls, under 24 x 24 px on the screen.
const smallTargets = (page) => page.$$eval('.menu-title, .context-menu [role^="menuitem"], dialog button, dialog input', (all) => all
  .map((e) => [e.textContent || e.className, e.getBoundingClientRect()]).filter(([, r]) => r.width > 0 && (r.width < 24 || r.height < 24))
  .map(([what, r]) => `target ${what}: ${r.width} x ${r.height}`));

const pasted = (page, text) => page.evaluate((lines) => {
  const data = new DataTransfer();
  data.setData('text/plain', lines);
  document.activeElement.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
}, text);

// Each step leaves the page in a state axe checks; `leave` undoes what the step opened.
const walk = [
  ['start screen', async () => {}],
  ['start screen, its menu open', (page) => page.click('.menu-title'), (page) => keys(page, null, 'Escape')],
  ['configuration screen', (page) => click(page, 'Form2', 'Command1')],
  ['configuration menu', (page) => keys(page, 'Shift', 'F10'), (page) => keys(page, null, 'Escape')],
  ['column chooser', (page) => page.focus(control('Form3', 'TamanhodaAmostraTXT')).then(() => pasted(page, 'turma;perda\r\nA;10\r\nB;20\r\n'))
    .then(() => page.waitForSelector('dialog[data-dialog="column"][open]')), (page) => keys(page, null, 'Escape')],
  ['commas question', (page) => pasted(page, 'taxa,perda\r\n1,5\r\n2,5\r\n').then(() => page.waitForSelector('dialog[data-dialog="commas"][open]')),
    (page) => keys(page, null, 'Escape')],
  ['population view', (page) => keys(page, 'Control', 'p').then(() => page.waitForSelector('[data-window="PopulationForm"]')),
    (page) => click(page, 'PopulationForm', 'CloseButton')],
  ['instant window after a run', (page) => click(page, 'Form3', 'Command1').then(() => click(page, 'form1', 'Command1'))],
  ['instant window menu', (page) => keys(page, null, 'ContextMenu').then(() => page.waitForSelector('.context-menu .seed-line')),
    (page) => keys(page, null, 'Escape')],
  ['seed input box', (page) => choose(page, 'SetSeed', 'dialog.input-box[open]'), (page) => keys(page, null, 'Escape')],
  ['guide', (page) => keys(page, null, 'F1').then(() => page.waitForSelector('dialog.guide[open]')), (page) => keys(page, null, 'Escape')],
  ['help menu', (page) => page.click('[data-window="form1"] .menu-title:last-child')],
  ['message box', (page) => page.click('.context-menu [data-command="About"]').then(() => page.waitForSelector('dialog.message-box[open]')), answerMessage],
  ['step window after a run', async (page) => {
    await click(page, 'form1', 'Command3');
    await click(page, 'Form3', 'Command3');
    for (let i = 0; i < 3; i++) await click(page, 'Form4', 'Command1');
  }, (page) => click(page, 'Form4', 'Command3')],
  ['comparison after a run', async (page) => {
    await keys(page, 'Control', 't');
    await click(page, 'ComparisonForm', 'CompareButton');
    await until(page, () => document.querySelectorAll('[data-control="ResultsTable"] tbody tr').length === 4);
  }],
  ['comparison scaled down, its menu open', (page) => page.click('[data-window="ComparisonForm"] .menu-title')],
];

// An entry of the top window's right-click menu, and what it opens.
async function choose(page, command, opened) {
  await keys(page, null, 'ContextMenu');
  await (await page.waitForSelector(`.context-menu [data-command="${command}"]`)).click();
  await page.waitForSelector(opened);
}

test('axe finds nothing on any window, menu or dialog', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await page.evaluate(() => localStorage.clear());
  const found = {};
  for (const [name, reach, leave] of walk) {
    await reach(page);
    await idle(page);
    const list = [...await violations(page), ...await smallTargets(page)];
    if (list.length) found[name] = list;
    await leave?.(page);
  }
  assert.deepEqual(found, {});
});

// Every box of every window the core lays out has a caption beside it: before it, the nearest of
// its row, or else a unit after it. Those of each kind, and of each window:
const captions = [
  ['Form3', 'NumeroRepeticoesTXT', 'Número de Repetições:'], ['Form3', 'TamanhodaAmostraTXT', 'Tamanho da Amostra...:'],
  ['Form4', 'MinimoLBL', 'Mínimo:'], ['Form4', 'Q1LBL', 'Q1:'], ['Form4', 'dpLBL', 'dp:'], ['Form4', 'SpeedSpin', 'médias por segundo'],
  ['ComparisonForm', 'RepetitionsTXT', 'Número de repetições:'], ['PopulationForm', 'SdLBL', 'dp (divisor N):'],
  ['PopulationForm', 'SeparatorLBL', 'Separador:'], ['IntervalForm', 'SpeedSpin', 'amostras por segundo'],
  ['PlannerForm', 'MarginTXT', 'Margem de erro E (na unidade da população):'],
];

test('every box of every window is named by the caption beside it', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  const found = await page.evaluate(async (names) => {
    const { captionOf } = await import('/window_builder.js');
    const boxes = (c) => !c.drawnByChart && (c.kind === 'TextBox' || c.kind === 'SpinBox' || (c.kind === 'Label' && c.border));
    const layouts = await Promise.all(names.map((name) => globalThis.varnesk.core.call('layout', name)));
    return layouts.flatMap(({ name, controls }) => controls.filter(boxes).map((c) => [name, c.name, captionOf(c, controls)?.caption]));
  }, ['Form2', 'Form3', 'form1', 'Form4', 'ComparisonForm', 'PopulationForm', 'IntervalForm', 'PlannerForm']);
  assert.deepEqual(found.filter(([, , caption]) => !caption), [], 'every box has one');
  for (const pair of captions) assert.ok(found.some((f) => f.join() === pair.join()), pair.join(' '));
});

// The accessibility tree's role and name of a control of the top window.
const read = async (page, win, name) => {
  const { role, name: heard } = await page.accessibility.snapshot({ root: await page.$(control(win, name)), interestingOnly: false });
  return `${role} ${heard}`;
};

test('the step window as a screen reader hears it: named boxes, statuses told once a change, none while it plays', async () => {
  const { page } = await open(shared.browser, `${shared.server.url}?semente=42`);
  const { tick } = await handClock(page);
  await click(page, 'Form2', 'Command1');
  await click(page, 'Form3', 'Command3');
  assert.deepEqual(await Promise.all([['SpeedSpin'], ['MinimoLBL'], ['ProgressLBL'], ['Frame2']].map(([name]) => read(page, 'Form4', name))),
    ['spinbutton médias por segundo', 'definition Mínimo:', 'status ', 'group Estatísticas Básicas']);
  // Each status line's text changes: how many times it was written since `count` started.
  const count = () => page.evaluate(() => {
    globalThis.written = 0;
    const observer = new MutationObserver((records) => { globalThis.written += records.filter((r) => r.type !== 'attributes').length; });
    for (const line of document.querySelectorAll('[data-window="Form4"] [role="status"]')) observer.observe(line, { childList: true, characterData: true, subtree: true });
  });
  const written = () => page.evaluate(() => globalThis.written);
  await count();
  await click(page, 'Form4', 'Command1');
  assert.equal(await written(), 1, 'the counter, written once; the population line unchanged');
  await page.evaluate(async () => { const win = globalThis.varnesk.desktop.top(); win.applyControls(await win.session.call('controls')); });
  assert.equal(await written(), 1, 'the same text again is not told again');
  const busy = () => page.$$eval('[data-window="Form4"] [role="status"]', (lines) => lines.map((l) => l.getAttribute('aria-busy')));
  await click(page, 'Form4', 'PlayButton');
  await tick();
  assert.deepEqual(await busy(), ['true', 'true', 'true', 'true'], 'held while it plays');
  await click(page, 'Form4', 'PlayButton');
  assert.deepEqual(await busy(), ['false', 'false', 'false', 'false'], 'told once it stops');
  assert.equal(await page.$eval(control('Form4', 'ProgressLBL'), (l) => l.textContent), 'Médias mostradas: 2 de 100');
});

test('asked for less motion, Reproduzir adds one mean a press and nothing moves by itself', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
  const { pending } = await handClock(page);
  await click(page, 'Form2', 'Command1');
  await click(page, 'Form3', 'Command3');
  for (const shown of ['1', '2']) {
    await click(page, 'Form4', 'PlayButton');
    assert.deepEqual([await page.$eval(control('Form4', 'NumeroRepeticoesTXT'), (b) => b.value), await pending()], [shown, null]);
  }
  await keys(page, null, 'p');
  assert.equal(await page.$eval(control('Form4', 'PlayButton'), (b) => b.textContent), 'Reproduzir');
});
