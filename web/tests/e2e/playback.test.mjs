// The step window's playback ticked by hand through a stand-in clock: N ticks leave what N clicks
// leave, P pauses, the end stops it, the speed is kept. And a seed typed in a window: refused
// with its message and asked again, then taken.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { answerMessage, click, control, handClock, idle, keys, open, sharedBrowser } from './harness.mjs';

const shared = sharedBrowser();

// The counter, the button, the panel and the chart read as its classes.
const shown = (page) => page.$eval('[data-window="Form4"]', (win) => [win.querySelector('[data-control="NumeroRepeticoesTXT"]').value,
  win.querySelector('[data-control="PlayButton"]').textContent, win.querySelector('.value-box').parentElement.textContent, win.querySelector('canvas.chart').getAttribute('aria-label')]);

test('N ticks of the playback are N clicks; P pauses; the end stops it; the speed is kept', async () => {
  const { page } = await open(shared.browser, `${shared.server.url}?semente=42`);
  const { pending, tick } = await handClock(page);
  await click(page, 'Form2', 'Command1');
  await click(page, 'Form3', 'Command3'); // samples of 1000, 100 repetitions
  await click(page, 'Form4', 'PlayButton');
  assert.equal(await pending(), 200, 'five means a second at first');
  for (let i = 0; i < 37; i++) await tick();
  const played = await shown(page);
  await keys(page, null, 'p');
  assert.deepEqual([played[0], played[1], await pending()], ['37', 'Pausar', null]);
  await page.$eval(control('Form4', 'SpeedSpin'), (box) => { box.value = '80'; box.dispatchEvent(new Event('change')); });

  await click(page, 'Form4', 'Command3');
  await click(page, 'Form3', 'Command3'); // the same seed: the same run
  for (let i = 0; i < 37; i++) await click(page, 'Form4', 'Command1');
  assert.deepEqual(await shown(page), [played[0], 'Reproduzir', ...played.slice(2)]);
  await keys(page, null, 'p');
  assert.equal(await pending(), 20, 'the speed kept, at most 50 means a second');
  for (let i = 0; i < 63; i++) await tick();
  assert.deepEqual([...(await shown(page)).slice(0, 2), await pending()], ['100', 'Reproduzir', null]);
});

test('a seed typed in the window: refused and asked again from what was typed, then taken', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await click(page, 'Form2', 'Command1');
  await click(page, 'Form3', 'Command1');
  await click(page, 'form1', 'Command1');
  const seedLine = () => page.evaluate(() => globalThis.varnesk.desktop.top().session.call('seedLine'));
  const picked = (await seedLine()).match(/^Semente ([1-9]\d{5})$/)?.[1];
  await page.keyboard.press('ContextMenu');
  await (await page.waitForSelector('.context-menu [data-command="SetSeed"]')).click();
  const typed = async (text) => {
    const box = await page.waitForSelector('dialog.input-box[open] input');
    const before = await box.evaluate((b, value) => [b.value, (b.value = value)][0], text);
    await page.keyboard.press('Enter');
    return before;
  };
  assert.equal(await typed('4x2'), picked, 'the dialog starts from the seed of the run shown');
  assert.equal((await answerMessage(page)).text, 'A semente é um número inteiro de 0 a 18446744073709551615, como 482913.');
  assert.equal(await typed('42'), '4x2', 'asked again from what was typed');
  await idle(page);
  assert.equal(await seedLine(), 'Semente 42'); // its run is varnesk-sim's: the native and wasm test holds them to it
});
