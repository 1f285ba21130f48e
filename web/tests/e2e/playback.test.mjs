// The step window's playback ticked by hand through a stand-in clock: N ticks leave what N clicks
// leave, P pauses, the end stops it, the speed is kept. And a seed typed in a window: refused
// with its message and asked again, then the run varnesk-sim gives for it.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { test } from 'node:test';
import { WEB, answerMessage, click, control, idle, open, sharedBrowser } from './harness.mjs';

const SIM = process.env.VARNESK_SIM ?? join(WEB, '../build/release/bin/varnesk-sim');
const shared = sharedBrowser();

const shown = (page) => page.$eval('[data-window="Form4"]', (win) => [
  ...['NumeroRepeticoesTXT', 'PlayButton'].map((name) => win.querySelector(`[data-control="${name}"]`).value || win.querySelector(`[data-control="${name}"]`).textContent),
  [...win.querySelectorAll('.value-box')].map((b) => b.textContent).join(' '),
  win.querySelector('canvas.chart').getAttribute('aria-label'),
]);
// The interval the window's next tick waits for (null: none waits), or that tick, run.
const pending = (page) => page.evaluate(() => globalThis.varnesk.clock.pending?.ms ?? null);
async function tick(page, times) {
  for (let i = 0; i < times; i++) {
    await page.evaluate(() => { const { run } = globalThis.varnesk.clock.pending; globalThis.varnesk.clock.pending = null; run(); });
    await idle(page);
  }
}

test('N ticks of the playback are N clicks; P pauses; the end stops it; the speed is kept', async () => {
  const { page } = await open(shared.browser, `${shared.server.url}?semente=42`);
  await page.evaluate(() => {
    const clock = { pending: null, after: (ms, run) => { clock.pending = { ms, run }; return 1; }, cancel: () => { clock.pending = null; } };
    globalThis.varnesk.clock = clock;
  });
  await click(page, 'Form2', 'Command1');
  await click(page, 'Form3', 'Command3'); // samples of 1000, 100 repetitions
  await click(page, 'Form4', 'PlayButton');
  assert.equal(await pending(page), 200, 'five means a second at first');
  await tick(page, 37);
  const played = await shown(page);
  await page.keyboard.press('p');
  await idle(page);
  assert.deepEqual([played[0], played[1], await pending(page)], ['37', 'Pausar', null]);
  await page.$eval(control('Form4', 'SpeedSpin'), (box) => { box.value = '80'; box.dispatchEvent(new Event('change')); });

  await click(page, 'Form4', 'Command3');
  await click(page, 'Form3', 'Command3'); // the same seed: the same run
  for (let i = 0; i < 37; i++) await click(page, 'Form4', 'Command1');
  assert.deepEqual(await shown(page), [played[0], 'Reproduzir', ...played.slice(2)]);
  await page.keyboard.press('p');
  await idle(page);
  assert.equal(await pending(page), 20, 'the speed kept, at most 50 means a second');
  await tick(page, 63);
  assert.deepEqual([...(await shown(page)).slice(0, 2), await pending(page)], ['100', 'Reproduzir', null]);
});

test('a seed typed in the window: refused and asked again, then the run of varnesk-sim', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await click(page, 'Form2', 'Command1');
  await click(page, 'Form3', 'Command1');
  await click(page, 'form1', 'Command1');
  const seedLine = () => page.evaluate(() => globalThis.varnesk.desktop.top().session.call('seedLine'));
  const picked = await seedLine();
  assert.match(picked, /^Semente [1-9]\d{5}$/, 'a short seed, picked for the run');
  await (await page.$('[data-window="form1"] canvas.chart')).click({ button: 'right' });
  await (await page.waitForSelector('.context-menu [data-command="SetSeed"]')).click();
  const asked = async () => (await page.waitForSelector('dialog.input-box[open]')).evaluate((d) => d.textContent + d.querySelector('input').value);
  assert.equal(await asked(), `Definir sementeSemente (o mesmo número refaz a mesma simulação):OKCancelar${picked.slice(8)}`);
  await page.keyboard.type('4x2');
  await page.keyboard.press('Enter');
  assert.equal((await answerMessage(page)).text, 'A semente é um número inteiro de 0 a 18446744073709551615, como 482913.');
  assert.ok((await asked()).endsWith('4x2'), 'asked again from what was typed');
  await page.$eval('dialog.input-box input', (box) => { box.value = '42'; });
  await page.keyboard.press('Enter');
  await page.waitForSelector('dialog.input-box', { hidden: true });
  await idle(page);
  const lines = execFileSync(SIM, ['-n', '1000', '-r', '100', '-s', '42'], { encoding: 'utf8' }).trim().split('\n');
  const panel = await page.$$eval('[data-window="form1"] .value-box', (boxes) => boxes.map((b) => b.textContent.replace(',', '.')));
  assert.deepEqual([panel, await seedLine()], [lines.map((line) => line.split(': ')[1]), 'Semente 42']);
});
