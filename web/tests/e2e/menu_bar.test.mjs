// Every window's menu bar from the core, the help, the zoom that stops where the page is full
// and is kept for the next visit, and the core's line rule on the page.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { answerMessage, click, keys, open, sharedBrowser } from './harness.mjs';

const shared = sharedBrowser();
const texts = (page, selector) => page.$$eval(selector, (all) => all.map((e) => e.dataset.command ?? e.textContent));
const width = (page) => page.$eval('[data-window="Form3"]', (w) => w.getBoundingClientRect().width);

test('menus, help, a zoom that fits and is kept, even lines', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  assert.deepEqual(await texts(page, '.menu-title'), ['Arquivo', 'Exibir', 'Ajuda']);
  await click(page, 'Form2', 'Command1');
  assert.deepEqual(await texts(page, '[data-window="Form3"] .menu-title'), ['Arquivo', 'Exibir', 'Simulação', 'Ajuda']);
  await keys(page, 'Shift', 'F10');
  assert.deepEqual(await texts(page, '.context-menu [role^="menuitem"]'), ['CompareSampleSizes', 'OpenPopulation', 'PastePopulation', 'ProgramPopulation', 'UndoPopulation', 'ShowPopulation', 'ShowIntervals', 'PlanSampleSize', 'ZoomIn', 'ZoomOut', 'ActualSize', 'FullScreen', 'HighContrast']);
  await keys(page, null, 'Escape');
  await page.click('[data-window="Form3"] .menu-title:last-child');
  await page.click('.context-menu [data-command="About"]');
  assert.match((await answerMessage(page)).text, /^Varnesk \d+\.\d+\.\d+\n[\s\S]*GPL-3\.0-or-later/);
  await keys(page, null, 'F1');
  const guide = await page.waitForSelector('dialog.guide[open] pre');
  assert.match(await guide.evaluate((p) => p.textContent), /^# Varnesk — guia para professores/);
  await keys(page, null, 'Escape');

  // 427 x (157 + bars) with its margins at 2.25 is 997 wide: 2.5 would not fit 1024.
  const laidOut = await width(page);
  await keys(page, 'Control', ...Array(12).fill('Equal'));
  assert.equal((await width(page)) / laidOut, 2.25);
  // Ampliar greyed at the largest step, in the bar and the right-click menu; Reduzir at the smallest.
  const greyed = async (open) => {
    await open();
    const shown = await page.$$eval('.context-menu [data-command^="Zoom"]', (all) => all.map((e) => `${e.dataset.command} ${e.getAttribute('aria-disabled') === 'true'}`));
    await keys(page, null, 'Escape');
    return shown;
  };
  const bar = () => page.click('[data-window="Form3"] .menu-title:nth-child(2)');
  const rightClick = () => keys(page, 'Shift', 'F10');
  assert.deepEqual([await greyed(bar), await greyed(rightClick)], Array(2).fill(['ZoomIn true', 'ZoomOut false']));
  await page.click('[data-window="Form3"] .menu-title:nth-child(2)');
  await page.click('.context-menu [data-command="ZoomIn"]');
  assert.ok(await page.$('.context-menu'), 'a greyed entry is not chosen');
  await keys(page, null, 'Escape');
  await keys(page, 'Control', ...Array(8).fill('Minus'));
  assert.equal((await width(page)) / laidOut, 0.5);
  assert.deepEqual(await greyed(rightClick), ['ZoomIn false', 'ZoomOut true']);
  await keys(page, 'Control', ...Array(7).fill('Equal'));
  await page.reload();
  await page.waitForSelector('[data-window="Form2"]');
  await click(page, 'Form2', 'Command1');
  assert.equal((await width(page)) / laidOut, 2.25, 'kept for the next visit');
  await keys(page, 'Control', 'Digit0');
  assert.equal(await width(page), laidOut);

  // The projector's theme: the window in the core's black and white, ticked, kept for the next visit.
  const themed = () => page.evaluate(() => [document.body.classList.contains('projector'),
    getComputedStyle(document.querySelector('[data-window="Form3"] .client')).backgroundColor]);
  await keys(page, 'Shift', 'F10');
  await page.click('.context-menu [data-command="HighContrast"]');
  assert.deepEqual(await themed(), [true, 'rgb(0, 0, 0)']);
  await page.reload();
  await page.waitForSelector('[data-window="Form2"]');
  await click(page, 'Form2', 'Command1');
  assert.deepEqual(await themed(), [true, 'rgb(0, 0, 0)'], 'kept for the next visit');
  await keys(page, 'Shift', 'F10');
  assert.equal(await page.$eval('.context-menu [data-command="HighContrast"]', (e) => e.getAttribute('aria-checked')), 'true');
  await page.click('.context-menu [data-command="HighContrast"]');
  assert.equal((await themed())[0], false);

  const rules = await page.evaluate(async () => {
    const { evenLineWidth } = await import('/style.js');
    const scales = [0.5, 0.75, 1, 1.25, 1.5, 1.75, 2, 2.5, 3];
    return Promise.all(scales.map(async (s) => [s, evenLineWidth(1, s), await globalThis.varnesk.core.ask('evenLineWidth', 1, s)]));
  });
  for (const [scale, pageWidth, coreWidth] of rules) assert.equal(pageWidth, coreWidth, `at ${scale}`);
  await page.close();
});
