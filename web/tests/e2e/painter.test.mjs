// The drawing list's pixel rules, read back from the canvas: what snaps to whole pixels and how,
// at the screen's density too.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { open, sharedBrowser } from './harness.mjs';

const shared = sharedBrowser();

const red = { r: 255, g: 0, b: 0 };
const black = { r: 0, g: 0, b: 0 };
const R = '255,0,0,255';
const K = '0,0,0,255';
const none = '0,0,0,0';
const grid = { type: 'GridLine', x1: 37, y1: 0, x2: 37, y2: 60, color: red, width: 1 };
const box = (left, top, width, height, extra) => ({ type: 'SnappedBox', box: { left, top, width, height }, fill: red, keepVisible: false, ...extra });

// [what, primitive, device pixels per layout pixel, [x, y, colour] probes]
const cases = [
  ['a grid line goes to its nearest pixel (37 twips: 2), both ends included', grid, 1,
    [[2, 0, R], [2, 4, R], [2, 5, none], [1, 2, none], [3, 2, none]]],
  ['at twice the density it covers both device pixels of its layout pixel', grid, 2,
    [[4, 0, R], [5, 9, R], [4, 10, none], [3, 2, none], [6, 2, none]]],
  ['zoomed by half, a line on an even pixel is two device pixels thick', { ...grid, x1: 30, x2: 30 }, 1.5,
    [[3, 0, R], [4, 0, R], [2, 0, none], [5, 0, none]]],
  ['and so is one on an odd pixel, never one', { ...grid, x1: 45, x2: 45 }, 1.5,
    [[5, 0, R], [6, 0, R], [4, 0, none], [7, 0, none]]],
  ['on a window scaled down, a line still covers a device pixel', { ...grid, x1: 52, x2: 52 }, 0.5,
    [[2, 0, R], [2, 2, R], [1, 0, none], [3, 0, none]]],
  ['each edge of a box to its own nearest pixel, the outline inside the edges', box(22, 22, 120, 120, { outline: black }), 1,
    [[1, 1, K], [8, 8, K], [4, 4, R], [0, 4, none], [9, 4, none], [4, 9, none]]],
  ['a box kept visible grows to two pixels up from its bottom edge', box(0, 60, 60, 10, { keepVisible: true }), 1,
    [[1, 3, R], [1, 4, R], [1, 2, none], [1, 5, none]]],
  ['a box under one pixel wide is not drawn', box(0, 0, 5, 60), 1, [[0, 1, none]]],
];

test('the pixel rules of the drawing list', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  const painted = await page.evaluate(async (all) => {
    const { paintDrawing } = await import('/painter.js');
    return all.map(([, primitive, scale, probes]) => {
      const ctx = Object.assign(document.createElement('canvas'), { width: 20, height: 20 }).getContext('2d');
      paintDrawing(ctx, [primitive], { scale });
      return probes.map(([x, y]) => [x, y, [...ctx.getImageData(x, y, 1, 1).data].join(',')]);
    });
  }, cases);
  cases.forEach(([what, , , probes], i) => assert.deepEqual(painted[i], probes, what));
});
