// What every window of the page has: its elements built from the core's description, its
// clicks forwarded, its menu and keys, and its charts painted at the window's scale.
import { showMenu } from './menu.js';
import { paintDrawing, drawingText } from './painter.js';
import { buildWindow, focusTarget, setEnabled } from './window_builder.js';

export class AppWindow {
  constructor(app, layout, options) {
    this.app = app;
    this.view = buildWindow(layout, options);
    this.zoom = 1;
    this.scale = 1;
    this.menuEntries = [];
  }

  control(name) {
    return this.view.controls.get(name);
  }

  text(name) {
    return this.control(name).value;
  }

  // What the window's logic says of its controls, each set on the element of the same name: a
  // box's value, a label's or a button's caption, a table's rows, a check box's tick; a control
  // the chart draws gives the chart its text alternative.
  applyControls(states) {
    for (const state of states) {
      const element = this.control(state.name);
      if (!element) {
        if (this.view.layout.controls.some((c) => c.name === state.name && c.drawnByChart)) this.chartText = state.text;
        continue;
      }
      const target = focusTarget(element);
      if (element instanceof HTMLInputElement) {
        if (element.value !== state.text) element.value = state.text;
      } else if (element.classList.contains('table')) {
        this.showRows(element, state);
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
  showRows(element, state) {
    const laidOut = this.view.layout.controls.find((c) => c.name === state.name);
    const align = laidOut.alignment.toLowerCase();
    const rows = state.text.split('\n').filter((row) => row !== '');
    element.querySelector('tbody').replaceChildren(
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

  onClick(name, handler) {
    this.control(name).addEventListener('click', () => this.app.run(() => handler.call(this)));
  }

  // The bar's menus as the core describes them; `choose(entry)` runs what is picked. The bar's
  // entries take no Tab: the window's tab order stays its controls'.
  setMenuBar(menus, choose) {
    const bar = this.view.menuBar;
    bar.replaceChildren();
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
        showMenu({ entries: menu.entries, isChecked: (entry) => this.isChecked(entry), x: at.left, y: at.bottom, choose });
      });
      bar.append(title);
    }
    bar.hidden = menus.length === 0;
  }

  // The menu's last line, if the window has one.
  async menuLastLine() {
    return undefined;
  }

  isChecked() {
    return false;
  }

  async runCommand() {}

  // A drawing list on one of the window's canvases, `width` x `height` layout pixels, sharp on
  // the screen whatever the window's scale.
  paint(canvas, drawing, width, height) {
    const scale = this.scale * (globalThis.devicePixelRatio || 1);
    canvas.style.width = `${width}px`;
    canvas.style.height = `${height}px`;
    canvas.width = Math.max(1, Math.round(width * scale));
    canvas.height = Math.max(1, Math.round(height * scale));
    paintDrawing(canvas.getContext('2d'), drawing, { scale });
    // The chart's text alternative: the one its window's logic gives, or what the drawing writes.
    canvas.setAttribute('aria-label', (canvas === this.view.canvas && this.chartText) || drawingText(drawing));
  }
}
