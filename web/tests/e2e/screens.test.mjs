// The screens teachers have: every window fits, scaled down where it must; on a touch screen a
// tap is a click and a long press opens the menu, its time kept by a clock the test turns.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { click, handClock, idle, open, sharedBrowser } from './harness.mjs';

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
    const clock = await handClock(page);
    await page.touchscreen.touchStart(shown.left + shown.width / 2, shown.top + shown.height / 2);
    await clock.tick();
    assert.ok(await page.$('.context-menu'), 'the menu under the finger');
    // The finger lifts over the menu: the tap's click comes, and the page takes it for nothing.
    await page.evaluate(() => { globalThis.lift = new Promise((done) => document.addEventListener('click', (e) => done(e.defaultPrevented), { once: true, capture: true })); });
    await page.touchscreen.touchEnd();
    assert.equal(await page.evaluate(() => globalThis.lift), true, 'lifting the finger chooses nothing');
    assert.ok(await page.$('.context-menu'));
  });
}
