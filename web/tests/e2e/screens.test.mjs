// The screens teachers have: every window fits, scaled down where it must; on a touch screen a
// tap is a click and a long press opens the menu.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { click, idle, open, sharedBrowser } from './harness.mjs';

const shared = sharedBrowser();

const screens = [
  { width: 1024, height: 768 },
  { width: 1366, height: 768 },
  { width: 1280, height: 800 },
  { width: 844, height: 390, hasTouch: true, isMobile: true }, // a phone sideways
];

for (const screen of screens) {
  test(`${screen.width} x ${screen.height}: the start screen fills it, the instant window fits in it`, async () => {
    const { page } = await open(shared.browser, shared.server.url, screen);
    const rect = (win) => page.$eval(`[data-window="${win}"]`, (w) => w.getBoundingClientRect().toJSON());
    const start = await rect('Form2');
    assert.deepEqual([start.left, start.top, Math.round(start.width)], [0, 0, screen.width]);
    const press = screen.hasTouch ? (win, name) => page.tap(`[data-window="${win}"] [data-control="${name}"]`).then(() => idle(page)) : (win, name) => click(page, win, name);
    await press('Form2', 'Command1');
    await press('Form3', 'Command1');
    const shown = await rect('form1');
    assert.ok(shown.left >= 0 && shown.top >= 0 && shown.right <= screen.width && shown.bottom <= screen.height, JSON.stringify(shown));
    if (!screen.hasTouch) return;
    const x = shown.left + shown.width / 2;
    const y = shown.top + shown.height / 2;
    await page.touchscreen.touchStart(x, y);
    await new Promise((done) => setTimeout(done, 800));
    await page.touchscreen.touchEnd();
    await page.waitForSelector('.context-menu');
    await new Promise((done) => setTimeout(done, 200));
    assert.ok(await page.$('.context-menu'), 'lifting the finger chooses nothing');
  });
}
