// Every window's menu bar from the core, the zoom that stops where the page is full and is kept
// for the next visit, the help, and the core's line rule on the page.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { answerMessage, click, idle, open, topWindow, until, sharedBrowser } from './harness.mjs';

const shared = sharedBrowser();

const bar = (page, win) => page.$$eval(`[data-window="${win}"] .menu-title`, (titles) => titles.map((t) => t.textContent));
const rect = (page, win) => page.$eval(`[data-window="${win}"]`, (w) => w.getBoundingClientRect().toJSON());

async function chooseFromBar(page, win, menu, caption) {
  await page.evaluate((w, m) => [...document.querySelectorAll(`[data-window="${w}"] .menu-title`)].find((t) => t.textContent === m).click(), win, menu);
  await page.waitForSelector('.context-menu');
  await page.evaluate((c) => [...document.querySelectorAll('.context-menu [role^="menuitem"]')].find((i) => i.textContent.startsWith(c)).click(), caption);
  await idle(page);
}

test('each window shows its menus, the keys beside the entries', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  assert.deepEqual(await bar(page, 'Form2'), ['Exibir', 'Ajuda']);
  await click(page, 'Form2', 'Command1');
  assert.deepEqual(await bar(page, 'Form3'), ['Exibir', 'Simulação', 'Ajuda']);
  await click(page, 'Form3', 'Command3');
  assert.deepEqual(await bar(page, 'Form4'), ['Arquivo', 'Exibir', 'Simulação', 'Ajuda']);
  await page.click('[data-window="Form4"] .menu-title:nth-child(3)');
  const entries = await page.$$eval('.context-menu [role^="menuitem"]', (items) => items.map((i) => i.textContent));
  assert.deepEqual(entries, ['Mais 10 médiasD', 'Mais 100 médiasC']);
  await page.keyboard.press('Escape');
  // The right-click menu, from Shift+F10, keeps its entries and leaves the help to the bar.
  await page.keyboard.down('Shift');
  await page.keyboard.press('F10');
  await page.keyboard.up('Shift');
  await page.waitForSelector('.context-menu');
  const context = await page.$$eval('.context-menu [role^="menuitem"]', (items) => items.map((i) => i.dataset.command ?? 'seed'));
  assert.deepEqual(context, ['SaveChart', 'SaveMeans', 'CopyStatistics', 'TenMoreMeans', 'HundredMoreMeans', 'ZoomIn', 'ZoomOut', 'ActualSize', 'FullScreen', 'seed']);
  await page.keyboard.press('Escape');

  await chooseFromBar(page, 'Form4', 'Ajuda', 'Sobre o Varnesk');
  const about = await answerMessage(page);
  assert.equal(about.title, 'Sobre o Varnesk');
  assert.match(about.text, /^Varnesk \d+\.\d+\.\d+\n[\s\S]*GPL-3\.0-or-later/);
  await chooseFromBar(page, 'Form4', 'Ajuda', 'Guia do professor');
  const guide = await page.waitForSelector('dialog.guide[open] pre');
  assert.match(await guide.evaluate((p) => p.textContent), /^# Varnesk — guia para professores/);
  await page.keyboard.press('Escape');
  await page.close();
});

test('the zoom stops at the largest step the page holds and is kept for the next visit', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await click(page, 'Form2', 'Command1');
  const laidOut = await rect(page, 'Form3');
  for (let i = 0; i < 12; i++) {
    await page.keyboard.down('Control');
    await page.keyboard.press('Equal');
    await page.keyboard.up('Control');
    await idle(page);
  }
  const zoomed = await rect(page, 'Form3');
  // 427 x (157 + bars) at 2.25 is 961 wide with its margins: 2.5 would not fit 1024.
  assert.equal(Math.round((zoomed.width / laidOut.width) * 100) / 100, 2.25);
  assert.ok(zoomed.left >= 0 && zoomed.right <= 1024 && zoomed.top >= 0 && zoomed.bottom <= 768, JSON.stringify(zoomed));
  await page.reload();
  await page.waitForSelector('[data-window="Form2"]');
  await click(page, 'Form2', 'Command1');
  assert.equal(Math.round(((await rect(page, 'Form3')).width / laidOut.width) * 100) / 100, 2.25);
  await page.keyboard.down('Control');
  await page.keyboard.press('Digit0');
  await page.keyboard.up('Control');
  await idle(page);
  assert.equal(Math.round((await rect(page, 'Form3')).width), Math.round(laidOut.width));
  assert.equal(await topWindow(page), 'Form3');
  await page.close();
});

test('the page draws lines by the core rule at every zoom step', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await until(page, () => globalThis.varnesk?.core);
  const both = await page.evaluate(async () => {
    const { evenLineWidth } = await import('/style.js');
    const out = [];
    for (const width of [1, 2, 3]) {
      for (let scale = 0.5; scale <= 3; scale += 0.25) {
        out.push([width, scale, evenLineWidth(width, scale), await globalThis.varnesk.core.ask('evenLineWidth', width, scale)]);
      }
    }
    return out;
  });
  for (const [width, scale, page_, core] of both) assert.equal(page_, core, `${width} at ${scale}`);
  await page.close();
});
