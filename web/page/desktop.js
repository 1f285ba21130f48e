// The windows on the page, one above the other as the desktop program opens them modally: only
// the top one takes input, and none while the core is running a call.
import { showMessage } from './message_box.js';
import { TITLE_BAR_HEIGHT, focusTarget } from './window_builder.js';

// The room left around a window that is not maximized.
const MARGIN = 8;

export class Desktop {
  constructor(element) {
    this.element = element;
    this.stack = [];
    this.busyCount = 0;
    this.focusBeforeBusy = null;
    addEventListener('resize', () => this.fitAll());
  }

  top() {
    return this.stack.at(-1);
  }

  // `win` has a built `view`, and may have `maximized`, `zoom`, `fitted(size)` and `repaint()`.
  open(win) {
    win.returnFocus = document.activeElement;
    this.stack.push(win);
    this.element.append(win.view.root);
    this.updateInert();
    this.fit(win);
    this.focusFirst(win);
  }

  close(win) {
    const index = this.stack.indexOf(win);
    if (index < 0) return;
    this.stack.splice(index, 1);
    win.view.root.remove();
    this.updateInert();
    const back = win.returnFocus;
    if (back?.isConnected && this.top()?.view.root.contains(back)) back.focus();
    else if (this.top()) this.focusFirst(this.top());
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
  setBusy(on) {
    this.busyCount += on ? 1 : -1;
    const busy = this.busyCount > 0;
    if (busy && !document.documentElement.classList.contains('busy')) this.focusBeforeBusy = document.activeElement;
    document.documentElement.classList.toggle('busy', busy);
    this.updateInert();
    if (busy) return;
    const top = this.top();
    if (!top || top.view.root.contains(document.activeElement)) return;
    const saved = this.focusBeforeBusy;
    if (saved?.isConnected && top.view.root.contains(saved) && !saved.disabled) saved.focus();
    else top.view.client.focus();
  }

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

  fitAll() {
    for (const win of this.stack) this.fit(win);
  }

  // Smaller screens get the whole window scaled down to fit; the teacher's zoom scales it on
  // from there. A maximized window fills the page instead, its client area growing with it.
  fit(win) {
    const { width: vw, height: vh } = this.viewport();
    const view = win.view;
    const zoom = win.zoom ?? 1;
    let scale;
    let width = view.width;
    let height = view.height;
    if (win.maximized) {
      scale = Math.min(1, vw / width, vh / (height + TITLE_BAR_HEIGHT)) * zoom;
      width = Math.max(width, vw / scale);
      height = Math.max(height, vh / scale - TITLE_BAR_HEIGHT);
    } else {
      scale = Math.min(1, (vw - 2 * MARGIN) / width, (vh - 2 * MARGIN) / (height + TITLE_BAR_HEIGHT)) * zoom;
    }
    const outerWidth = width * scale;
    const outerHeight = (height + TITLE_BAR_HEIGHT) * scale;
    Object.assign(view.client.style, { width: `${width}px`, height: `${height}px` });
    Object.assign(view.body.style, { width: `${width}px`, transform: `scale(${scale})` });
    Object.assign(view.root.style, {
      width: `${outerWidth}px`,
      height: `${outerHeight}px`,
      left: `${Math.max(0, (vw - outerWidth) / 2)}px`,
      top: `${win.maximized ? 0 : Math.max(0, (vh - outerHeight) / 2)}px`,
    });
    win.scale = scale;
    win.fitted?.({ width, height });
    win.repaint?.();
  }

  // The first control in the window's tab order that can take the focus, or the window itself.
  focusFirst(win) {
    const first = win.view.focusable()[0];
    (first ? focusTarget(first) : win.view.client).focus();
  }

  // Tab and Shift+Tab go round the top window's controls in its tab order.
  cycleFocus(win, backwards) {
    const order = win.view.focusable().map(focusTarget);
    if (order.length === 0) return;
    const at = order.indexOf(document.activeElement);
    const next = at < 0 ? (backwards ? order.length - 1 : 0) : (at + (backwards ? -1 : 1) + order.length) % order.length;
    order[next].focus();
  }

  // What the core asked of the window after a call: its messages one after the other, then the
  // focus where the last focus move puts it.
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
