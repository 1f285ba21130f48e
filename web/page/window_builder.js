// Builds a window's elements from the core's description of it: every control at its box
// (1 px = 15 twips), under its container, with its caption, font and colours. The chart's own
// elements are not built: the core paints them in the window's drawing list.
import { applyFont, cssColor, snappedBox } from './style.js';

/** @typedef {import('./core_types').Box} Box */
/** @typedef {import('./core_types').Control} Control */
/** @typedef {import('./core_types').WindowLayout} WindowLayout */
/**
 * A control's element. Every control is enabled or not, those whose element has no `disabled`
 * of its own (a label, a frame) too: the page keeps it on them alike.
 * @typedef {HTMLElement & { disabled?: boolean }} ControlElement
 */
/**
 * A window's elements, as buildWindow makes them.
 * @typedef {object} WindowView
 * @property {WindowLayout} layout
 * @property {HTMLElement} root placed and scaled by the desktop
 * @property {HTMLElement} body
 * @property {HTMLElement} menuBar
 * @property {HTMLElement} client
 * @property {HTMLCanvasElement | null} canvas the chart's, beneath the controls
 * @property {Map<string, ControlElement>} controls by name
 * @property {number} width the client area's, in pixels
 * @property {number} height
 * @property {() => ControlElement[]} focusable
 * @property {() => number} chromeHeight
 * @property {(scale: number) => void} scaleMenuBar
 */

export const TITLE_BAR_HEIGHT = 22;
// 24 px targets for a finger or a shaky hand, and the bar's bottom line.
export const MENU_BAR_HEIGHT = 25;

const FOCUSABLE_KINDS = new Set(['TextBox', 'Button', 'CheckBox', 'Table', 'SpinBox']);

/** @param {HTMLElement} element @param {Box} box */
function place(element, box) {
  const b = snappedBox(box);
  Object.assign(element.style, { left: `${b.left}px`, top: `${b.top}px`, width: `${b.width}px`, height: `${b.height}px` });
}

/** @param {Control} c @param {string} containerBackground */
function label(c, containerBackground) {
  const element = document.createElement('div');
  element.className = 'label';
  element.textContent = c.displayed ?? c.caption;
  if (c.toolTip) element.title = c.toolTip;
  element.style.color = cssColor(c.foreground ?? { system: 'WindowText' });
  // An opaque label hides what lies beneath it (the chart), in its container's colour.
  element.style.background = c.background ? cssColor(c.background) : c.transparent ? 'transparent' : containerBackground;
  element.style.textAlign = c.alignment.toLowerCase();
  if (c.middle) element.classList.add('middle');
  if (c.wordWrap) element.classList.add('wrap');
  if (c.border) element.classList.add('value-box');
  if (c.autoSize) {
    // Exactly the size of its caption, as the browser sets it.
    const b = snappedBox(c.box);
    Object.assign(element.style, { left: `${b.left}px`, top: `${b.top}px` });
    element.classList.add('auto-size');
  } else {
    place(element, c.box);
  }
  return element;
}

/** @param {Control} c */
function frame(c) {
  const element = document.createElement('div');
  element.className = 'frame';
  element.style.background = cssColor(c.background ?? { system: 'ButtonFace' });
  const border = document.createElement('div');
  border.className = c.caption ? 'frame-border titled' : 'frame-border';
  element.append(border);
  if (c.caption) {
    const title = document.createElement('span');
    title.className = 'frame-title';
    title.textContent = c.displayed ?? c.caption;
    title.style.background = element.style.background;
    element.append(title);
  }
  place(element, c.box);
  return element;
}

/** @param {Control} c */
function table(c) {
  const element = document.createElement('div');
  element.className = 'table';
  const t = document.createElement('table');
  const heading = t.createTHead().insertRow();
  for (const text of c.caption.split('\t')) {
    const cell = document.createElement('th');
    cell.scope = 'col';
    cell.textContent = text;
    heading.append(cell);
  }
  t.createTBody();
  element.append(t);
  place(element, c.box);
  return element;
}

/** @param {Control} c @param {string} containerBackground @returns {ControlElement} */
function control(c, containerBackground) {
  /** @type {ControlElement} */
  let element;
  switch (c.kind) {
    case 'Label':
      return label(c, containerBackground);
    case 'Frame':
      return frame(c);
    case 'Table':
      return table(c);
    case 'TextBox':
      element = Object.assign(document.createElement('input'), { type: 'text', value: c.caption, spellcheck: false, autocomplete: 'off' });
      break;
    case 'Button':
      element = Object.assign(document.createElement('button'), { type: 'button', textContent: c.displayed ?? c.caption });
      break;
    case 'CheckBox': {
      element = document.createElement('label');
      const box = document.createElement('input');
      box.type = 'checkbox';
      element.append(box, c.displayed ?? c.caption);
      break;
    }
    case 'Canvas':
      element = document.createElement('canvas');
      break;
    case 'SpinBox':
      element = Object.assign(document.createElement('input'),
        { type: 'number', min: String(c.minimum), max: String(c.maximum), step: '1', value: c.caption, title: c.toolTip });
      element.style.textAlign = c.alignment.toLowerCase();
      break;
    case 'ProgressBar':
      element = Object.assign(document.createElement('progress'), { max: 1, value: 0 });
      break;
    default: // a line or a rectangle of the window's own, drawn as a bordered box
      element = document.createElement('div');
      element.style.border = `${c.lineWidth}px solid ${cssColor(c.foreground ?? { system: 'WindowText' })}`;
  }
  element.classList.add(c.kind.toLowerCase());
  place(element, c.box);
  return element;
}

// Captions that sit beside a box name it: a label of the same container whose rows cover the
// box's middle, the nearest one ending before the box's left edge, or else the nearest one
// starting after its right edge (a unit after its box: "médias por segundo").
const NAMED_BY_CAPTION = new Set(['TextBox', 'SpinBox']);
const SLACK = 60; // twips a caption may reach into its box

/** @param {Control} c */
const isValueBox = (c) => c.kind === 'Label' && c.border;
/** @param {Control} c */
const isCaption = (c) => c.kind === 'Label' && !c.border && !c.drawnByChart && (c.displayed ?? c.caption).trim() !== '';

/** @param {Control} box @param {Control[]} controls @returns {Control | undefined} */
export function captionOf(box, controls) {
  const middle = box.box.top + box.box.height / 2;
  const beside = controls.filter((c) => isCaption(c) && c.container === box.container
    && c.box.top <= middle && middle <= c.box.top + c.box.height);
  /** @param {(c: Control) => number} gap */
  const nearest = (gap) => beside.filter((c) => gap(c) >= -SLACK).sort((a, b) => gap(a) - gap(b))[0];
  return nearest((c) => box.box.left - (c.box.left + c.box.width)) ?? nearest((c) => c.box.left - (box.box.left + box.box.width));
}

// How a screen reader reads each control: a box by its caption; a value of the statistics panel
// as its caption's definition ("Mínimo: 1,865"); a label the layout leaves empty, which the
// window's logic writes as it runs (the counter, the strip's lines), as a polite status that
// is told when its text changes; a titled frame as a group of that title; a chart as a picture.
/** @param {WindowLayout} layout @param {Map<string, ControlElement>} controls @param {string} prefix */
function nameControls(layout, controls, prefix) {
  /** @param {string} name */
  const idOf = (name) => {
    const element = /** @type {ControlElement} */ (controls.get(name));
    element.id ||= `${prefix}${name}`;
    return element.id;
  };
  for (const c of layout.controls) {
    const element = controls.get(c.name);
    if (!element) continue;
    if (NAMED_BY_CAPTION.has(c.kind) || isValueBox(c)) {
      const caption = captionOf(c, layout.controls);
      if (caption && controls.has(caption.name)) {
        element.setAttribute('aria-labelledby', idOf(caption.name));
        if (isValueBox(c)) {
          element.setAttribute('role', 'definition');
          /** @type {ControlElement} */ (controls.get(caption.name)).setAttribute('role', 'term');
        }
      }
    } else if (c.kind === 'Label' && !isCaption(c)) {
      element.setAttribute('role', 'status');
    } else if (c.kind === 'Frame' && c.caption) {
      element.setAttribute('role', 'group');
      const title = /** @type {HTMLElement} */ (element.querySelector('.frame-title'));
      title.id = `${prefix}${c.name}-title`;
      element.setAttribute('aria-labelledby', title.id);
    } else if (c.kind === 'Canvas') {
      element.setAttribute('role', 'img');
    }
  }
}

// Every window's ids begin with its own prefix: two windows of one name may be open at once.
let windowsBuilt = 0;

// The window's elements: `root` (placed and scaled by the desktop), its title bar, its client
// area, the chart's canvas beneath the controls when `chart`, and every control by name.
/** @param {WindowLayout} layout @returns {WindowView} */
export function buildWindow(layout, { chart = false } = {}) {
  const root = document.createElement('section');
  root.className = 'window';
  root.dataset.window = layout.name;
  root.setAttribute('role', 'dialog');
  root.setAttribute('aria-label', layout.caption);
  const body = document.createElement('div');
  body.className = 'window-body';
  const title = document.createElement('div');
  title.className = 'title-bar';
  title.textContent = layout.caption;
  // The window's menu bar, above the client area: the controls keep their places within it.
  const menuBar = document.createElement('div');
  menuBar.className = 'menu-bar';
  menuBar.setAttribute('role', 'menubar');
  menuBar.hidden = true;
  const client = document.createElement('div');
  client.className = 'client';
  client.tabIndex = -1;
  const background = cssColor(layout.background ?? { system: 'ButtonFace' });
  client.style.background = background;
  body.append(title, menuBar, client);
  root.append(body);

  let canvas = null;
  if (chart) {
    canvas = document.createElement('canvas');
    canvas.className = 'chart';
    canvas.setAttribute('role', 'img');
    client.append(canvas);
  }

  /** @type {Map<string, ControlElement>} */
  const controls = new Map();
  const byName = new Map(layout.controls.map((c) => [c.name, c]));
  for (const c of layout.controls) {
    if (c.drawnByChart) continue;
    const container = c.container ? controls.get(c.container) : null;
    const containerLayout = c.container ? byName.get(c.container) : null;
    const element = control(c, containerLayout ? cssColor(containerLayout.background ?? { system: 'ButtonFace' }) : background);
    element.dataset.control = c.name;
    if (c.font) applyFont(element, c.font);
    if (!c.visible) element.hidden = true;
    if (!c.enabled) setEnabled(element, false);
    if (c.kind === 'Table') element.tabIndex = 0;
    (container ?? client).append(element);
    controls.set(c.name, element);
  }

  nameControls(layout, controls, `w${++windowsBuilt}-`);
  let barHeight = MENU_BAR_HEIGHT;

  const focusOrder = layout.controls
    .filter((c) => !c.drawnByChart && FOCUSABLE_KINDS.has(c.kind) && c.tabIndex >= 0)
    .sort((a, b) => a.tabIndex - b.tabIndex)
    .map((c) => /** @type {ControlElement} */ (controls.get(c.name)));

  return {
    layout,
    root,
    body,
    menuBar,
    client,
    canvas,
    controls,
    width: Math.round(layout.clientWidth / 15),
    height: Math.round(layout.clientHeight / 15),
    // The controls that take the keyboard now, in the window's tab order.
    focusable: () => focusOrder.filter(canTakeFocus),
    // The title bar and, when the window has menus, the menu bar: what the window adds above
    // its client area.
    chromeHeight: () => TITLE_BAR_HEIGHT + (menuBar.hidden ? 0 : barHeight),
    // A window scaled down keeps its menu titles 24 px high on the screen: the bar is as much
    // taller in the window as the window is smaller, and the client area stays as laid out.
    scaleMenuBar: (scale) => {
      barHeight = MENU_BAR_HEIGHT / Math.min(1, scale);
      menuBar.style.height = `${barHeight}px`;
    },
  };
}

// A check box takes the focus, and is enabled, in its box; every other control in itself.
/** @param {ControlElement} element @returns {ControlElement} */
export function focusTarget(element) {
  return element.matches('label.checkbox') ? /** @type {HTMLInputElement} */ (element.querySelector('input')) : element;
}

/** @param {ControlElement} element @param {boolean} enabled */
export function setEnabled(element, enabled) {
  focusTarget(element).disabled = !enabled;
  element.classList.toggle('disabled', !enabled);
}

/** @param {ControlElement} element */
function canTakeFocus(element) {
  if (element.hidden || element.closest('[hidden]')) return false;
  return !focusTarget(element).disabled;
}
