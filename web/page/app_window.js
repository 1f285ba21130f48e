// What every window of the page has: its elements built from the core's description, its
// clicks forwarded, its menu and keys, and its charts painted at the window's scale.
import { showMenu } from './menu.js';
import { paintDrawing, drawingText } from './painter.js';
import { projectorColor, projectorOn } from './projector.js';
import { playTones } from './tone_player.js';
import { buildWindow, focusTarget, setEnabled } from './window_builder.js';

/** @typedef {import('./main.js').App} App */
/** @typedef {import('./core_types').ControlState} ControlState */
/** @typedef {import('./core_types').Drawing} Drawing */
/** @typedef {import('./core_types').Menu} Menu */
/** @typedef {import('./core_types').MenuEntry} MenuEntry */
/** @typedef {import('./core_types').WindowLayout} WindowLayout */
/** @typedef {import('./window_builder.js').ControlElement} ControlElement */

export class AppWindow {
  /** @param {App} app @param {WindowLayout} layout @param {{ chart?: boolean }} [options] */
  constructor(app, layout, options) {
    this.app = app;
    this.view = buildWindow(layout, options);
    this.zoom = 1;
    this.scale = 1;
    // Whether the zoom has a larger step, and a smaller one, on this page; the desktop tells.
    this.canZoomIn = true;
    this.canZoomOut = true;
    /** @type {MenuEntry[]} */
    this.menuEntries = [];
    // What the desktop keeps of the window: maximized, it fills the page; in full screen, where.
    this.maximized = false;
    /** @type {{ scale: number, left: number, top: number } | null} */
    this.placement = null;
    /** @type {HTMLElement | null} the focus to give back when the window closes */
    this.returnFocus = null;
    /** @type {{ close(): unknown } | undefined} the window's object in the core, if it has one */
    this.session = undefined;
    /** @type {(() => Promise<void>) | undefined} what the window shows once it is open */
    this.afterOpen = undefined;
    /** @type {string | undefined} */
    this.chartText = undefined;
    /** @type {Map<string, string>} the text alternatives of the charts on canvases of their own, by name */
    this.chartTexts = new Map();
    /** @type {HTMLElement | null} where the focus was when F10 took it to the menu bar */
    this.barLeftFrom = null;
    // The chart's sentence, read out by a screen reader once each time it changes; unseen.
    this.chartAnnouncer = document.createElement('div');
    this.chartAnnouncer.className = 'live-region';
    this.chartAnnouncer.setAttribute('aria-live', 'polite');
    this.chartAnnouncer.setAttribute('aria-atomic', 'true');
    this.view.root.append(this.chartAnnouncer);
  }

  // The window's control of that name: one its layout has, or the window's module would not ask.
  /** @param {string} name @returns {ControlElement} */
  control(name) {
    return /** @type {ControlElement} */ (this.view.controls.get(name));
  }

  // A text box's text.
  /** @param {string} name */
  text(name) {
    return /** @type {HTMLInputElement} */ (this.control(name)).value;
  }

  // What the window's logic says of its controls, each set on the element of the same name: a
  // box's value, a label's or a button's caption, a table's rows, a check box's tick; a control
  // the chart draws, or a chart's own canvas, gives that chart its text alternative, and
  // ChartDescription its sentence.
  /** @param {ControlState[]} states */
  applyControls(states) {
    for (const state of states) {
      const element = this.view.controls.get(state.name);
      if (state.name === 'ChartDescription') {
        if (this.chartAnnouncer.textContent !== state.text) this.chartAnnouncer.textContent = state.text;
        continue;
      }
      if (!element) {
        if (this.view.layout.controls.some((c) => c.name === state.name && c.drawnByChart)) this.chartText = state.text;
        continue;
      }
      const target = focusTarget(element);
      if (element instanceof HTMLProgressElement) {
        element.max = 100;
        element.value = Number(state.text) || 0;
      } else if (element instanceof HTMLInputElement) {
        if (element.value !== state.text) element.value = state.text;
      } else if (element.classList.contains('table')) {
        this.showRows(element, state);
      } else if (element instanceof HTMLCanvasElement) {
        this.chartTexts.set(state.name, state.text);
        if (state.text) element.setAttribute('aria-label', state.text);
      } else if (target instanceof HTMLInputElement && target.type === 'checkbox') {
        target.checked = state.checked;
      } else if (element.textContent !== state.text) {
        element.textContent = state.text;
      }
      // Disabled with the focus, a control would leave the next key to the one after it (Space on
      // a finished Simular closing the chart): the window itself keeps the focus instead.
      if (!state.enabled && document.activeElement === target) this.view.client.focus();
      setEnabled(element, state.enabled);
      element.hidden = !state.visible;
    }
  }

  // A table's rows: one a line, cells separated by tabs, aligned as the table is laid out.
  /** @param {ControlElement} element @param {ControlState} state */
  showRows(element, state) {
    const laidOut = this.view.layout.controls.find((c) => c.name === state.name);
    const align = /** @type {import('./core_types').Control} */ (laidOut).alignment.toLowerCase();
    const rows = state.text.split('\n').filter((row) => row !== '');
    /** @type {HTMLTableSectionElement} */ (element.querySelector('tbody')).replaceChildren(
      ...rows.map((text) => {
        const row = document.createElement('tr');
        for (const cellText of text.split('\t')) {
          const cell = row.insertCell();
          cell.textContent = cellText;
          cell.style.textAlign = align;
        }
        return row;
      }),
    );
  }

  /** @param {string} name @param {() => unknown} handler */
  onClick(name, handler) {
    this.control(name).addEventListener('click', () => this.app.run(() => handler.call(this)));
  }

  // The bar's menus as the core describes them; `choose(entry)` runs what is picked. The bar's
  // entries take no Tab: the window's tab order stays its controls'. F10 reaches the bar
  // (focusMenuBar), the arrows go along it, Down opens a menu, Escape goes back.
  /** @param {Menu[]} menus @param {(entry: MenuEntry) => void} choose */
  setMenuBar(menus, choose) {
    const bar = this.view.menuBar;
    bar.replaceChildren();
    // A title clicked: the focus, which it takes, is to go back where it was.
    bar.onpointerdown = () => {
      if (!bar.contains(document.activeElement)) this.barLeftFrom = /** @type {HTMLElement | null} */ (document.activeElement);
    };
    bar.onkeydown = (event) => {
      const titles = /** @type {HTMLElement[]} */ ([...bar.children]);
      const at = titles.indexOf(/** @type {HTMLElement} */ (document.activeElement));
      /** @type {Record<string, number | undefined>} */
      const moves = { ArrowRight: 1, ArrowLeft: -1, Home: -at, End: titles.length - 1 - at };
      const move = moves[event.key];
      if (at < 0) return;
      if (move !== undefined) titles[(at + move + titles.length) % titles.length].focus();
      else if (event.key === 'ArrowDown') titles[at].click();
      else if (event.key === 'Escape') this.leaveMenuBar();
      else return;
      event.preventDefault();
      event.stopPropagation();
    };
    for (const menu of menus) {
      const title = document.createElement('button');
      title.type = 'button';
      title.tabIndex = -1;
      title.className = 'menu-title';
      title.setAttribute('role', 'menuitem');
      title.setAttribute('aria-haspopup', 'menu');
      title.textContent = menu.caption;
      title.addEventListener('click', () => {
        const at = title.getBoundingClientRect();
        // An entry chosen gives the focus back to the window first, where its dialogs return it.
        const chosen = (/** @type {MenuEntry} */ entry) => {
          this.leaveMenuBar();
          choose(entry);
        };
        showMenu({ entries: menu.entries, isChecked: (entry) => this.ticked(entry), isEnabled: (entry) => this.isEnabled(entry), x: at.left, y: at.bottom, choose: chosen });
      });
      bar.append(title);
    }
    bar.hidden = menus.length === 0;
  }

  focusMenuBar() {
    const first = /** @type {HTMLElement | null} */ (this.view.menuBar.firstElementChild);
    if (!first || this.view.menuBar.hidden) return;
    this.barLeftFrom = /** @type {HTMLElement | null} */ (document.activeElement);
    first.focus();
  }

  // Back from the bar to the control the focus came from, or to the window's first.
  leaveMenuBar() {
    const back = this.barLeftFrom;
    if (back?.isConnected && this.view.root.contains(back) && back !== document.body) back.focus();
    else this.app.desktop.focusFirst(this);
  }

  // The menu's last line, if the window has one.
  /** @returns {Promise<string | undefined>} */
  async menuLastLine() {
    return undefined;
  }

  /** @param {MenuEntry} entry */
  isChecked(entry) {
    return false;
  }

  // Ampliar and Reduzir only where the zoom has a step to go to.
  /** @param {MenuEntry} entry */
  isEnabled(entry) {
    if (entry.command === 'ZoomIn') return this.canZoomIn;
    if (entry.command === 'ZoomOut') return this.canZoomOut;
    return true;
  }

  // The tick of an entry: the projector's theme is every window's, the rest the window's own.
  /** @param {MenuEntry} entry */
  ticked(entry) {
    return entry.command === 'HighContrast' ? projectorOn() : this.isChecked(entry);
  }

  // The histogram the window shows, as the core's tones; undefined for a window without one.
  /** @returns {Promise<import('./core_types').Tones | undefined>} */
  async histogramTones() {
    return undefined;
  }

  // "Ouvir o histograma": the core's tones, or its message that there is nothing to hear yet.
  async playHistogram() {
    const answer = await this.histogramTones();
    if (!answer) return;
    if (answer.tones.length === 0) return this.app.desktop.showEvents(answer.events, this);
    playTones(answer.tones);
  }

  /** @param {MenuEntry} entry @returns {Promise<unknown>} */
  async runCommand(entry) {
    return undefined;
  }

  // Closes the window and its object in the core, as its own close button does.
  close() {
    this.session?.close();
    this.app.desktop.close(this);
  }

  // Told the size of its client area once the desktop has placed it, in pixels.
  /** @param {{ width: number, height: number }} size */
  fitted(size) {}

  // Paints its charts again at the window's scale.
  repaint() {}

  // A drawing list on one of the window's canvases, `width` x `height` layout pixels, sharp on
  // the screen whatever the window's scale.
  /** @param {HTMLCanvasElement} canvas @param {Drawing} drawing @param {number} width @param {number} height */
  paint(canvas, drawing, width, height) {
    const scale = this.scale * (globalThis.devicePixelRatio || 1);
    canvas.style.width = `${width}px`;
    canvas.style.height = `${height}px`;
    canvas.width = Math.max(1, Math.round(width * scale));
    canvas.height = Math.max(1, Math.round(height * scale));
    paintDrawing(/** @type {CanvasRenderingContext2D} */ (canvas.getContext('2d')), drawing, { scale, recolor: projectorColor });
    // The chart's text alternative: the one its window's logic gives, or what the drawing writes.
    const given = canvas === this.view.canvas ? this.chartText : this.chartTexts.get(canvas.dataset.control ?? '');
    canvas.setAttribute('aria-label', given || drawingText(drawing));
  }
}
