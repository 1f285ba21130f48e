// What every window of the page has: its elements built from the core's description, its
// clicks forwarded, its menu and keys, and its charts painted at the window's scale.
import { showMenu } from './menu.js';
import { paintDrawing, drawingText } from './painter.js';
import { buildWindow } from './window_builder.js';

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
    canvas.setAttribute('aria-label', drawingText(drawing));
  }
}
