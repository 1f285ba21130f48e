// What the desktop program writes to a file the teacher picks, the browser downloads under the
// name the core proposes; the clipboard is the browser's.
import { paintDrawing } from './painter.js';
import { TWIPS_PER_PIXEL } from './style.js';

/** @typedef {import('./core_types').Box} Box */
/** @typedef {import('./core_types').Drawing} Drawing */

/** @param {Blob} blob @param {string} fileName */
export function download(blob, fileName) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = fileName;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60_000);
}

// The means as the core writes them, byte for byte. Text handed over from the module loses a
// leading byte-order mark on the way (its UTF-8 decoding drops it); the core always writes one.
/** @param {string | Uint8Array<ArrayBuffer>} csv */
export function csvBlob(csv) {
  if (csv instanceof Uint8Array) return new Blob([csv], { type: 'text/csv' });
  const text = csv.startsWith('\uFEFF') ? csv : `\uFEFF${csv}`;
  return new Blob([text], { type: 'text/csv;charset=utf-8' });
}

// The chart as the core writes it in SVG: the same bytes the desktop program saves.
/** @param {string} svg */
export function svgBlob(svg) {
  return new Blob([svg], { type: 'image/svg+xml' });
}

// The saved picture: the region of the window that the core names, at the window's zoom, in
// layout pixels (not the screen's density), as the desktop program saves it.
/** @param {{ region: Box, drawing: Drawing }} picture @returns {Promise<Blob>} */
export function pictureBlob({ region, drawing }, zoom = 1) {
  /** @param {number} twips */
  const edge = (twips) => Math.round((twips / TWIPS_PER_PIXEL) * zoom);
  const canvas = document.createElement('canvas');
  canvas.width = edge(region.left + region.width) - edge(region.left);
  canvas.height = edge(region.top + region.height) - edge(region.top);
  paintDrawing(/** @type {CanvasRenderingContext2D} */ (canvas.getContext('2d')), drawing, { scale: zoom, offsetX: edge(region.left), offsetY: edge(region.top) });
  // A canvas of a drawing's size always makes its PNG.
  return new Promise((resolve) => canvas.toBlob((blob) => resolve(/** @type {Blob} */ (blob)), 'image/png'));
}

/** @param {string} text */
export async function copyText(text) {
  try {
    await navigator.clipboard.writeText(text);
    return;
  } catch {
    // Without the asynchronous clipboard (a page from file://, an older browser): the old way.
  }
  const area = document.createElement('textarea');
  area.value = text;
  area.style.position = 'fixed';
  area.style.opacity = '0';
  const focused = /** @type {HTMLElement | null} */ (document.activeElement);
  document.body.append(area);
  area.select();
  document.execCommand('copy');
  area.remove();
  focused?.focus();
}
