// The step window's playback, ticked by hand through a stand-in clock and then by the real one:
// N ticks leave what N clicks of Simular leave, P pauses, the end stops it, the speed is kept.
// And the seed typed in a window: refused with its message, asked again, then the run of
// varnesk-sim for that seed.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { test } from 'node:test';
import { WEB, answerMessage, click, control, idle, open, until, sharedBrowser } from './harness.mjs';

const SIM = process.env.VARNESK_SIM ?? join(WEB, '../build/release/bin/varnesk-sim');
const shared = sharedBrowser();

async function openStepWindow(page) {
  await click(page, 'Form3', 'Command3'); // samples of 1000, 100 repetitions
  await page.waitForSelector('[data-window="Form4"]');
}

// What the step window shows: the counter, the panel, the chart read as its classes, the button.
const shown = (page) => page.evaluate(() => {
  const win = document.querySelector('[data-window="Form4"]');
  const at = (name) => win.querySelector(`[data-control="${name}"]`);
  return {
    counter: at('NumeroRepeticoesTXT').value,
    panel: [...win.querySelectorAll('.value-box')].map((b) => b.textContent),
    classes: win.querySelector('canvas.chart').getAttribute('aria-label'),
    play: [at('PlayButton').textContent, at('PlayButton').disabled],
  };
});

// A clock that runs only when told: each tick is the one the window asked for.
const installHandClock = (page) => page.evaluate(() => {
  const clock = { pending: null, after(ms, tick) { clock.pending = { ms, tick }; return 1; }, cancel() { clock.pending = null; } };
  globalThis.varnesk.clock = clock;
});
const pendingTick = (page) => page.evaluate(() => globalThis.varnesk.clock.pending?.ms ?? null);
async function tick(page, times = 1) {
  for (let i = 0; i < times; i++) {
    await page.evaluate(() => {
      const { tick: run } = globalThis.varnesk.clock.pending;
      globalThis.varnesk.clock.pending = null;
      run();
    });
    await idle(page);
  }
}

test('N ticks of the playback are N clicks; P pauses; the end stops it; the speed is kept', async () => {
  const { page } = await open(shared.browser, `${shared.server.url}?semente=42`);
  await click(page, 'Form2', 'Command1');
  await openStepWindow(page);
  await installHandClock(page);
  await click(page, 'Form4', 'PlayButton');
  assert.equal(await pendingTick(page), 200, 'five means a second by default');
  await tick(page, 37);
  const played = await shown(page);
  assert.deepEqual([played.counter, played.play], ['37', ['Pausar', false]]);
  await page.keyboard.press('p');
  await idle(page);
  assert.equal(await pendingTick(page), null, 'paused: no tick waits');

  await click(page, 'Form4', 'Command3');
  await openStepWindow(page); // the same seed: the same run
  for (let i = 0; i < 37; i++) await click(page, 'Form4', 'Command1');
  assert.deepEqual(await shown(page), { ...played, play: ['Reproduzir', false] });

  await page.keyboard.press('p');
  await idle(page);
  let ticks = 0;
  while ((await pendingTick(page)) !== null) {
    await tick(page);
    ticks++;
  }
  const end = await shown(page);
  assert.deepEqual([ticks, end.counter, end.play], [63, '100', ['Reproduzir', true]]);

  await page.$eval(control('Form4', 'SpeedSpin'), (box) => {
    box.value = '80'; // past the largest speed: the box keeps 50
    box.dispatchEvent(new Event('change'));
  });
  await click(page, 'Form4', 'Command3');
  await openStepWindow(page);
  assert.equal(await page.$eval(control('Form4', 'SpeedSpin'), (box) => box.value), '50');

  await page.evaluate(() => delete globalThis.varnesk.clock); // the real clock, to the end
  await click(page, 'Form4', 'PlayButton');
  await until(page, () => document.querySelector('[data-window="Form4"] [data-control="PlayButton"]').disabled);
  assert.deepEqual((await shown(page)).counter, '100');
});

test('a seed typed in the window: refused and asked again, then the run of varnesk-sim', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await click(page, 'Form2', 'Command1');
  await click(page, 'Form3', 'Command1');
  await click(page, 'form1', 'Command1');
  const picked = await page.evaluate(() => globalThis.varnesk.desktop.top().session.call('seedLine'));
  assert.match(picked, /^Semente [1-9]\d{5}$/, 'a short seed, picked for the run');

  const chart = await page.$('[data-window="form1"] canvas.chart');
  await chart.click({ button: 'right' });
  await page.click('.context-menu [data-command="SetSeed"]');
  const dialog = async () => {
    const d = await page.waitForSelector('dialog.input-box[open]');
    return d.evaluate((e) => [e.querySelector('.title-bar').textContent, e.querySelector('p').textContent, e.querySelector('input').value]);
  };
  assert.deepEqual(await dialog(), ['Definir semente', 'Semente (o mesmo número refaz a mesma simulação):', picked.slice(8)]);
  await page.keyboard.type('4x2');
  await page.keyboard.press('Enter');
  assert.deepEqual(await answerMessage(page), { title: 'Varnesk', text: 'A semente é um número inteiro de 0 a 18446744073709551615, como 482913.' });
  assert.equal((await dialog())[2], '4x2', 'asked again with what was typed');
  await page.$eval('dialog.input-box input', (box) => { box.value = '42'; });
  await page.keyboard.press('Enter');
  await page.waitForSelector('dialog.input-box', { hidden: true });
  await idle(page);
  const lines = execFileSync(SIM, ['-n', '1000', '-r', '100', '-s', '42'], { encoding: 'utf8' }).trim().split('\n');
  const panel = await page.$$eval('[data-window="form1"] .value-box', (boxes) => boxes.map((b) => b.textContent.replace(',', '.')));
  assert.deepEqual(panel, lines.map((line) => line.split(': ')[1]));
  assert.equal(await page.evaluate(() => globalThis.varnesk.desktop.top().session.call('seedLine')), 'Semente 42');
});
