// The projector's theme: white on black in every window and its charts, in the core's colours
// (projectorTheme), kept in the page's storage between openings as the desktop keeps it.
import { cssColor } from './style.js';

/** @typedef {import('./core_types').Color} Color */
/** @typedef {import('./core_types').ProjectorTheme} ProjectorTheme */

const STORAGE_KEY = 'varnesk.projector';
/** @type {ProjectorTheme | null} */
let theme = null;
let on = false;

// The page's own storage; none in a page that may not keep any (a sandboxed frame).
function storage() {
  try {
    return globalThis.localStorage ?? null;
  } catch {
    return null;
  }
}

function showTheme() {
  document.body.classList.toggle('projector', on);
  if (!theme) return;
  for (const [name, color] of /** @type {const} */ ([['background', theme.background], ['text', theme.text],
    ['face', theme.face], ['accent', theme.accent], ['disabled', theme.disabledText]]))
    document.body.style.setProperty(`--projector-${name}`, cssColor(color));
}

// Once, before the first window opens: the core's colours and the teacher's last choice.
/** @param {ProjectorTheme} colors */
export function startProjector(colors) {
  theme = colors;
  on = storage()?.getItem(STORAGE_KEY) === 'on';
  showTheme();
}

export function projectorOn() {
  return on;
}

/** @param {boolean} wanted */
export function setProjector(wanted) {
  on = wanted;
  storage()?.setItem(STORAGE_KEY, on ? 'on' : 'off');
  showTheme();
}

// A colour of a drawing as the theme shows it; itself when the theme is off or does not list it.
/** @param {Color} color @returns {Color} */
export function projectorColor(color) {
  if (!on || !theme) return color;
  const key = JSON.stringify(color);
  return theme.changes.find((change) => JSON.stringify(change.from) === key)?.to ?? color;
}
