// How the core's twips, colours and fonts look in the browser.
/** @typedef {import('./core_types').Box} Box */
/** @typedef {import('./core_types').Color} Color */
/** @typedef {import('./core_types').Font} Font */

export const TWIPS_PER_PIXEL = 15;

// The desktop's two system colours, as the classic light theme paints them.
const SYSTEM_COLORS = { ButtonFace: 'rgb(240, 240, 240)', WindowText: 'rgb(0, 0, 0)' };

/** @param {Color} color @returns {string} */
export function cssColor(color) {
  if ('system' in color) return SYSTEM_COLORS[color.system];
  return `rgb(${color.r}, ${color.g}, ${color.b})`;
}

// The nearest whole number, halves away from zero, as the desktop rounds twips to pixels.
/** @param {number} twips */
export function wholePixels(twips) {
  const pixels = twips / TWIPS_PER_PIXEL;
  return Math.sign(pixels) * Math.round(Math.abs(pixels));
}

// A line `width` layout pixels wide at `scale` device pixels to one: whole device pixels, at least
// one, from the width alone, so that every line of a width is equally thick wherever it falls.
// The core's rule (evenLineWidth), which the browser tests hold this to.
/** @param {number} width @param {number} scale */
export function evenLineWidth(width, scale) {
  return Math.max(1, Math.round(width * scale));
}

// Each edge goes to its own nearest pixel, so boxes that share an edge in twips share it on
// screen too.
/** @param {Box} box @returns {Box} */
export function snappedBox({ left, top, width, height }) {
  const x0 = wholePixels(left);
  const y0 = wholePixels(top);
  return { left: x0, top: y0, width: wholePixels(left + width) - x0, height: wholePixels(top + height) - y0 };
}

// The stand-ins of the desktop's faces: MS Sans Serif is narrow, so its stand-in is condensed.
const FAMILIES = {
  MsSansSerif: "'DejaVu Sans Condensed', 'DejaVu Sans', sans-serif",
  Verdana: "'DejaVu Sans', Verdana, sans-serif",
  Arial: "'Liberation Sans', Arial, sans-serif",
  Symbol: "'DejaVu Sans', sans-serif",
};

/** @param {Font} font */
export function fontPixels(font) {
  return Math.round((font.points * 96) / 72);
}

/** @param {Font} font */
export function fontStretch(font) {
  return font.family === 'MsSansSerif' ? 'condensed' : 'normal';
}

// A canvas' font, at `scale` device pixels per layout pixel; its stretch is set apart
// (fontStretch), as a canvas takes it.
/** @param {Font} font */
export function canvasFont(font, scale = 1) {
  return `${font.bold ? 'bold ' : ''}${fontPixels(font) * scale}px ${FAMILIES[font.family] ?? FAMILIES.MsSansSerif}`;
}

/** @param {HTMLElement} element @param {Font} font */
export function applyFont(element, font) {
  element.style.fontFamily = FAMILIES[font.family] ?? FAMILIES.MsSansSerif;
  element.style.fontSize = `${fontPixels(font)}px`;
  element.style.fontWeight = font.bold ? 'bold' : 'normal';
  element.style.fontStretch = fontStretch(font);
}
