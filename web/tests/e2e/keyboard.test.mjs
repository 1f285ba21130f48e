// The page with the keyboard alone: the whole flow from the start screen to the comparison, each
// control the focus reaches ringed at 3:1 against what is around the ring, and no place the
// focus cannot leave.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { control, focused, keys, open, sharedBrowser, topWindow, until } from './harness.mjs';

const shared = sharedBrowser();

// What has the focus, and whether it shows: an outline of 2 px or more at 3:1 against the face it
// is drawn on, or (a menu's entries and titles) a face at 3:1 against the menu's.
const ring = (page) => page.evaluate(() => {
  const luminance = (css) => css.match(/[\d.]+/g).slice(0, 3).map((v) => v / 255).map((v) => (v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4))
    .reduce((sum, v, i) => sum + v * [0.2126, 0.7152, 0.0722][i], 0.05);
  const contrast = (a, b) => Math.max(luminance(a), luminance(b)) / Math.min(luminance(a), luminance(b));
  const face = (e) => (!e ? 'rgb(255, 255, 255)' : /, 0\)$|transparent/.test(getComputedStyle(e).backgroundColor) ? face(e.parentElement) : getComputedStyle(e).backgroundColor);
  const e = document.activeElement;
  const { outlineStyle, outlineWidth, outlineColor } = getComputedStyle(e);
  const shown = outlineStyle !== 'none' && parseFloat(outlineWidth) >= 2 ? contrast(outlineColor, face(e)) : contrast(face(e), face(e.parentElement));
  return `${e.dataset.control ?? e.dataset.command ?? e.textContent}${e.matches(':focus-visible') && shown >= 3 ? '' : ' unringed'}`;
});

// Tab until the focus is on `name`, at most once round the window.
async function tabTo(page, name) {
  for (let i = 0; i < 12 && (await focused(page)) !== name; i++) await keys(page, null, 'Tab');
  assert.equal(await ring(page), name);
}

const typeOver = async (page, text) => {
  await keys(page, 'Control', 'a');
  await page.keyboard.type(text);
};

test('start screen, configuration, a run, the comparison: the keyboard alone, every focus ringed', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await tabTo(page, 'Command1');
  await keys(page, null, 'Enter');
  assert.equal(await topWindow(page), 'Form3');
  assert.equal(await ring(page), 'TamanhodaAmostraTXT');
  await typeOver(page, '500');
  await tabTo(page, 'NumeroRepeticoesTXT');
  await typeOver(page, '200');
  await tabTo(page, 'Command1');
  await keys(page, null, 'Enter');
  assert.equal(await topWindow(page), 'form1');
  assert.equal(await ring(page), 'Command1');
  await keys(page, null, 'Enter');
  await until(page, () => document.querySelector('[data-window="form1"] [data-control="dpLBL"]').textContent !== '0');
  assert.match(await page.$eval(control('form1', 'PopulationLBL'), (l) => l.textContent), /n = 500 · R = 200/);
  await tabTo(page, 'Command3');
  await keys(page, null, 'Enter');
  assert.equal(await topWindow(page), 'Form3');

  // F10 to the menu bar, along it to Simulação, down into its menu to the comparison.
  await keys(page, null, 'F10');
  assert.equal(await ring(page), 'Arquivo');
  await keys(page, null, 'ArrowRight', 'ArrowRight');
  assert.equal(await ring(page), 'Simulação');
  await keys(page, null, 'ArrowDown');
  assert.equal(await ring(page), 'CompareSampleSizes');
  await keys(page, null, 'Enter');
  assert.equal(await topWindow(page), 'ComparisonForm');
  assert.equal(await ring(page), 'SampleSizesTXT');
  await keys(page, null, 'Enter');
  await until(page, () => document.querySelectorAll('[data-control="ResultsTable"] tbody tr').length === 4);
  const order = [];
  for (let i = 0; i < 5; i++) order.push(await ring(page), await keys(page, null, 'Tab'));
  assert.deepEqual(order.filter(Boolean), ['SampleSizesTXT', 'RepetitionsTXT', 'CompareButton', 'CloseButton', 'ResultsTable']);
  await tabTo(page, 'CloseButton');
  await keys(page, null, 'Enter');
  assert.equal(await topWindow(page), 'Form3');
});

test('every menu, dialog and bar lets the focus go back with Escape or Tab', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await tabTo(page, 'Command1');
  await keys(page, null, 'Enter'); // the configuration screen
  const back = async (...opening) => {
    await keys(page, ...opening);
    const left = `${await (await until(page, () => document.activeElement.closest('dialog, .context-menu, .menu-bar'))).evaluate((e) => e.className)}${
      (await ring(page)).endsWith(' unringed') ? ' unringed' : ''}`;
    await keys(page, null, 'Escape');
    return [left, await topWindow(page), await page.evaluate(() => document.activeElement.closest('.client') !== null)];
  };
  const form3 = ['Form3', true];
  assert.deepEqual(await back(null, 'F10'), ['menu-bar', ...form3]);
  assert.deepEqual(await back(null, 'ContextMenu'), ['context-menu', ...form3]);
  assert.deepEqual(await back(null, 'F1'), ['guide', ...form3]);
  // Ajuda, its last entry: Sobre.
  assert.deepEqual(await back(null, 'F10', 'ArrowLeft', 'Enter', 'ArrowUp', 'Enter'), ['message-box', ...form3]);
  await keys(page, null, 'F10', 'Tab');
  assert.equal(await ring(page), 'TamanhodaAmostraTXT', 'Tab leaves the bar for the window');
});
