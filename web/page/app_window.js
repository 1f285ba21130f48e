// What every window of the page has: its elements built from the core's description, its
// clicks forwarded, its menu and keys, and its charts painted at the window's scale.
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
