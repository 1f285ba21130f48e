// The simulation windows' keys and menu: the step window run to its end with C, the teacher's
// menu with its seed line, and what its entries save and copy.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { test } from 'node:test';
import { WEB, choose, click, control, downloaded, focused, keys, open, topWindow, type, until, sharedBrowser } from './harness.mjs';

const SIM = process.env.VARNESK_SIM ?? join(WEB, '../build/release/bin/varnesk-sim');

const shared = sharedBrowser();

async function openSimulation(page, button) {
  await click(page, 'Form2', 'Command1');
  await click(page, 'Form3', button); // the design values: samples of 1000, 100 repetitions
}

test('the step window runs to its end with D and C, and its Simular is then out of reach', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await openSimulation(page, 'Command3');
  const counter = () => page.$eval(control('Form4', 'NumeroRepeticoesTXT'), (box) => box.value);
  assert.equal(await counter(), '0');
  await keys(page, null, 'd');
  assert.equal(await counter(), '10');
  await keys(page, null, 'c');
  assert.equal(await counter(), '100');
  assert.equal(await page.$eval(control('Form4', 'Command1'), (b) => b.disabled), true);
  assert.equal(await focused(page), null, 'no button keeps the focus at the end');
  await keys(page, null, ' ');
  assert.equal(await topWindow(page), 'Form4', 'one Space more does not close the finished chart');
});

// The chart's sentence goes to the live region once per step; H plays one tone per class shown.
test('the step window tells its chart after each step and plays it as tones', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await page.evaluate(() => {
    globalThis.tonesPlayed = [];
    // Web Audio's calls, recorded in place of a sound card.
    const param = () => ({ value: 0, setValueAtTime() {}, linearRampToValueAtTime() {} });
    globalThis.AudioContext = class {
      currentTime = 0;
      destination = {};
      resume() { return Promise.resolve(); }
      createGain() { return { gain: param(), connect: (to) => to }; }
      createOscillator() {
        const oscillator = { frequency: param(), connect: (to) => to, start() { globalThis.tonesPlayed.push(oscillator.frequency.value); }, stop() {} };
        return oscillator;
      }
    };
  });
  await openSimulation(page, 'Command3');
  const live = () => page.$eval('[data-window="Form4"] .live-region', (e) => [e.textContent, e.getAttribute('aria-live')]);
  assert.deepEqual(await live(), ['', 'polite']);
  await keys(page, null, 'h');
  assert.match((await page.waitForSelector('dialog[open]')) && (await page.$eval('dialog[open]', (d) => d.textContent)), /Nada para ouvir/);
  await keys(page, null, 'Enter');
  await keys(page, null, 'd');
  assert.match((await live())[0], /^Histograma de 10 médias amostrais, de \d,\d\d a \d,\d\d; a classe mais alta, .* tem \d+ %; média \d,\d{3}, dp \d,\d{3}$/);
  await keys(page, null, 'h');
  const tones = await page.evaluate(() => globalThis.varnesk.desktop.top().session.call('tones'));
  await until(page, (count) => globalThis.tonesPlayed.length === count, tones.tones.filter((t) => t.frequency > 0).length);
  assert.ok(tones.tones.length > 0 && tones.tones.every((t) => t.frequency === 0 || (t.frequency >= 220 && t.frequency <= 880)));
  await page.close();
});

test('the menu of a seeded instant window: its entries, its seed line, the CSV, the PNG, the copy', async () => {
  const { page, downloads } = await open(shared.browser, `${shared.server.url}?semente=42`);
  await shared.browser.defaultBrowserContext().overridePermissions(shared.server.url, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  await openSimulation(page, 'Command1');
  await click(page, 'form1', 'Command1');
  // The same seed, the same run as the desktop program's and varnesk-sim's.
  const lines = execFileSync(SIM, ['-n', '1000', '-r', '100', '-s', '42'], { encoding: 'utf8' }).trim().split('\n');
  const seeded = await page.$$eval('[data-window="form1"] .value-box', (boxes) => boxes.map((b) => b.textContent.replace(',', '.')));
  assert.deepEqual(seeded, lines.map((line) => line.split(': ')[1]));
  assert.match(await page.$eval('[data-window="form1"] canvas.chart', (c) => c.getAttribute('aria-label')),
    /^(\d+[.,]\d\d a \d+[.,]\d\d: \d+[.,]\d %\n){21,}$/, 'the chart read as its table of classes');
  await keys(page, null, 'n');

  await page.keyboard.down('Shift'); // the menu from the keyboard first, then by the right button
  await page.keyboard.press('F10');
  await page.keyboard.up('Shift');
  await page.waitForSelector('.context-menu');
  const shown = await page.$$eval('.context-menu [role^="menuitem"]', (items) =>
    items.map((i) => [i.querySelector('.caption')?.textContent ?? i.textContent, i.getAttribute('aria-checked') ?? i.getAttribute('aria-disabled')]));
  const entries = await page.evaluate(() => globalThis.varnesk.core.call('menu', 'form1'));
  // Ampliar and Reduzir are greyed where the page has no step to go to.
  const zoom = await page.evaluate(() => { const w = globalThis.varnesk.desktop.top(); return { ZoomIn: w.canZoomIn, ZoomOut: w.canZoomOut }; });
  const state = (/** @type {any} */ e) => (e.checkable ? String(e.command === 'NormalCurve') : zoom[e.command] === false ? 'true' : null);
  assert.deepEqual(shown, [
    ...entries.filter((e) => e.contextMenu).map((e) => [e.caption, state(e)]),
    ['Semente 42', 'true'],
  ]);

  const chart = '[data-window="form1"] canvas.chart';
  await choose(page, chart, 'SaveMeans');
  const csv = await downloaded(downloads, 'medias.csv');
  assert.deepEqual([...csv.subarray(0, 3)], [0xef, 0xbb, 0xbf]);
  assert.ok(csv.subarray(3).toString('utf8').startsWith('Arquivo da população;'));

  await choose(page, chart, 'SaveChart');
  const png = await downloaded(downloads, 'grafico.png');
  assert.equal(png.subarray(1, 4).toString(), 'PNG');
  // The region between the two frames, 10845 x 6620 twips from 800 down, each edge to its pixel,
  // and two lines of caption beneath.
  assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [723, 442 + 40]);

  await choose(page, chart, 'CopyStatistics');
  await until(page, async () => (await navigator.clipboard.readText()).startsWith('Mínimo\tQ1\tMediana'));

  const width = () => page.$eval('[data-window="form1"]', (w) => w.getBoundingClientRect().width);
  const before = await width();
  await keys(page, 'Control', '=');
  // With the strip under its panel the window at 1.25 is taller than 768: it stays as it is.
  assert.equal(Math.round((await width()) / before * 100), 100);
});

test('the step window says what it uses and k de R beside its counter, which keeps dark text', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await click(page, 'Form2', 'Command1');
  await type(page, 'Form3', 'TamanhodaAmostraTXT', '10.000'); // read as 10, and the line says so
  await click(page, 'Form3', 'Command3');
  await keys(page, null, 'd');
  const shown = await page.$$eval('[data-window="Form4"] [data-control$="LBL"]:not(.value-box)', (labels) =>
    labels.filter((l) => /Population|StandardError|Progress/.test(l.dataset.control)).map((l) => l.textContent));
  assert.match(shown.join('\n'), /^População: populacao\.txt \(N = 578\.000\) · n = 10 · R = 100\nErro padrão teórico: \d,\d{3}\nMédias mostradas: 10 de 100$/);
  assert.equal(await page.$eval(control('Form4', 'NumeroRepeticoesTXT'), (box) => box.disabled && getComputedStyle(box).color), 'rgb(0, 0, 0)');
});
