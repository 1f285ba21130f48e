// The windows on the page, one above the other as the desktop program opens them modally: only
// the top one takes input, and none while the core is running a call.
import { showMessage } from './message_box.js';
import { focusTarget } from './window_builder.js';

/** @typedef {import('./app_window.js').AppWindow} AppWindow */
/** @typedef {import('./core_client.js').CoreClient} CoreClient */
/** @typedef {import('./core_types').CoreEvent} CoreEvent */
/** @typedef {import('./core_types').ZoomCommand} ZoomCommand */

// The room left around a window that is not maximized.
const MARGIN = 8;

// Where each window's zoom is kept between openings and visits.
const zoomKey = (/** @type {AppWindow} */ win) => `varnesk.zoom.${win.view.layout.name}`;

export class Desktop {
  // `core` answers the zoom's rules (its steps, what fits, full screen), shared with the desktop
  // program.
  /** @param {HTMLElement} element @param {CoreClient | null} core */
  constructor(element, core = null) {
    this.element = element;
    this.core = core;
    /** @type {AppWindow[]} */
    this.stack = [];
    this.busyCount = 0;
    /** @type {HTMLElement | null} */
    this.focusBeforeBusy = null;
    addEventListener('resize', () => this.rezoomAll().catch((error) => console.error(error)));
  }

  top() {
    return this.stack.at(-1);
  }

  // `win` has a built `view`, and may have `maximized`, `zoom`, `fitted(size)` and `repaint()`.
  // It opens at the zoom it was left at, as far as the page holds it.
  /** @param {AppWindow} win */
  async open(win) {
    win.returnFocus = /** @type {HTMLElement | null} */ (document.activeElement);
    win.zoom = Number(storage()?.getItem(zoomKey(win))) || 1;
    this.stack.push(win);
    this.element.append(win.view.root);
    this.updateInert();
    await this.rezoom(win);
    this.focusFirst(win);
  }

  // "ZoomIn", "ZoomOut", "ActualSize", or "Fit" to keep the zoom on a step that fits the page;
  // then the window is placed again. Full screen keeps its zoom for when it ends. Busy meanwhile,
  // so that a key pressed again steps on from the new zoom, not from the old one.
  /** @param {AppWindow} win @param {ZoomCommand} command */
  async rezoom(win, command = 'Fit') {
    const { width: vw, height: vh } = this.viewport();
    const width = win.view.width;
    const height = win.view.height + win.view.chromeHeight();
    const core = this.core;
    if (core) {
      await this.whileBusy(async () => {
        const step = (/** @type {ZoomCommand} */ to, /** @type {number} */ zoom) => core.ask('zoomStep', to, zoom, width + 2 * MARGIN, height + 2 * MARGIN, vw, vh);
        win.zoom = await step(command, win.zoom ?? 1);
        win.canZoomIn = (await step('ZoomIn', win.zoom)) > win.zoom;
        win.canZoomOut = (await step('ZoomOut', win.zoom)) < win.zoom;
        win.placement = document.fullscreenElement ? await core.ask('fullScreen', width, height, vw, vh) : null;
      });
    }
    if (command !== 'Fit') storage()?.setItem(zoomKey(win), String(win.zoom));
    if (this.stack.includes(win)) this.fit(win);
  }

  async rezoomAll() {
    for (const win of this.stack) await this.rezoom(win);
  }

  /** @param {AppWindow} win */
  close(win) {
    const index = this.stack.indexOf(win);
    if (index < 0) return;
    this.stack.splice(index, 1);
    win.view.root.remove();
    this.updateInert();
    const back = win.returnFocus;
    const top = this.top();
    if (back?.isConnected && top?.view.root.contains(back)) back.focus();
    else if (top) this.focusFirst(top);
  }

  closeAll() {
    for (const win of [...this.stack].reverse()) this.close(win);
  }

  updateInert() {
    this.stack.forEach((win, i) => {
      win.view.root.inert = i < this.stack.length - 1 || (this.busyCount > 0 && i === this.stack.length - 1);
      win.view.root.style.zIndex = String(i + 1);
    });
  }

  // The busy pointer over the whole page while calls run; the top window takes no input then,
  // and gets its focus back afterwards.
  /** @param {boolean} on */
  setBusy(on) {
    this.busyCount += on ? 1 : -1;
    const busy = this.busyCount > 0;
    if (busy && !document.documentElement.classList.contains('busy')) this.focusBeforeBusy = /** @type {HTMLElement | null} */ (document.activeElement);
    document.documentElement.classList.toggle('busy', busy);
    this.updateInert();
    if (busy) return;
    const top = this.top();
    if (!top || top.view.root.contains(document.activeElement)) return;
    const saved = /** @type {import('./window_builder.js').ControlElement | null} */ (this.focusBeforeBusy);
    if (saved?.isConnected && top.view.root.contains(saved) && !saved.disabled) saved.focus();
    else top.view.client.focus();
  }

  /** @template T @param {() => T | PromiseLike<T>} work @returns {Promise<T>} */
  async whileBusy(work) {
    this.setBusy(true);
    try {
      return await work();
    } finally {
      this.setBusy(false);
    }
  }

  viewport() {
    return { width: document.documentElement.clientWidth, height: document.documentElement.clientHeight };
  }

  // Smaller screens get the whole window scaled down to fit; the teacher's zoom, kept by the core
  // to the steps that fit, scales it from there. A maximized window fills the page instead, its
  // client area growing with it. In full screen the whole window fills the screen, centred.
  /** @param {AppWindow} win */
  fit(win) {
    const { width: vw, height: vh } = this.viewport();
    const view = win.view;
    const zoom = win.zoom ?? 1;
    let chrome = 0;
    let scale = 1;
    let width = view.width;
    let height = view.height;
    let placed = null;
    // The menu bar grows as the window shrinks (scaleMenuBar): a few rounds settle both.
    for (let round = 0; round < 3; round++) {
      chrome = view.chromeHeight();
      width = view.width;
      height = view.height;
      if (win.maximized) {
        scale = Math.min(1, vw / width, vh / (height + chrome)) * zoom;
        width = Math.max(width, vw / scale);
        height = Math.max(height, vh / scale - chrome);
      } else if (win.placement && document.fullscreenElement) {
        ({ scale } = win.placement);
        placed = win.placement;
      } else {
        const fits = Math.min((vw - 2 * MARGIN) / width, (vh - 2 * MARGIN) / (height + chrome));
        scale = zoom > 1 ? Math.min(zoom, fits) : Math.min(1, fits) * zoom;
      }
      view.scaleMenuBar(scale);
    }
    chrome = view.chromeHeight();
    const outerWidth = width * scale;
    const outerHeight = (height + chrome) * scale;
    Object.assign(view.client.style, { width: `${width}px`, height: `${height}px` });
    Object.assign(view.body.style, { width: `${width}px`, transform: `scale(${scale})` });
    Object.assign(view.root.style, {
      width: `${outerWidth}px`,
      height: `${outerHeight}px`,
      left: `${placed ? placed.left : Math.max(0, (vw - outerWidth) / 2)}px`,
      top: `${placed ? placed.top : win.maximized ? 0 : Math.max(0, (vh - outerHeight) / 2)}px`,
    });
    win.scale = scale;
    win.fitted?.({ width, height });
    win.repaint?.();
  }

  // The first control in the window's tab order that can take the focus, or the window itself.
  /** @param {AppWindow} win */
  focusFirst(win) {
    const first = win.view.focusable()[0];
    (first ? focusTarget(first) : win.view.client).focus();
  }

  // Tab and Shift+Tab go round the top window's controls in its tab order.
  /** @param {AppWindow} win @param {boolean} backwards */
  cycleFocus(win, backwards) {
    const order = win.view.focusable().map(focusTarget);
    if (order.length === 0) return;
    const at = order.indexOf(/** @type {HTMLElement} */ (document.activeElement));
    const next = at < 0 ? (backwards ? order.length - 1 : 0) : (at + (backwards ? -1 : 1) + order.length) % order.length;
    order[next].focus();
  }

  // What the core asked of the window after a call: its messages one after the other, then the
  // focus where the last focus move puts it.
  /** @param {CoreEvent[]} [events] @param {AppWindow} [win] */
  async showEvents(events = [], win = this.top()) {
    let focus = null;
    for (const event of events) {
      if (event.type === 'message') await showMessage(event.text);
      else if (event.type === 'focus') focus = event.control;
    }
    const element = focus && win?.view.controls.get(focus);
    if (element) focusTarget(element).focus();
  }
}

// The page's own storage; none in a page that may not keep any (a sandboxed frame).
function storage() {
  try {
    return globalThis.localStorage ?? null;
  } catch {
    return null;
  }
}
