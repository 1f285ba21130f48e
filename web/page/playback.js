// A window's playback: while its logic says the window plays, the page's clock asks for one more
// step every 1/speed s. Each tick waits for the one before to be answered, and the time that
// answer took counts in the interval, so that the speed set is the speed shown. The speed box
// keeps what was set for the next opening.

/** @typedef {import('./main.js').App} App */

export class Playback {
  /**
   * @param {App} app
   * @param {HTMLInputElement} speedBox steps a second, a spin box with its range
   * @param {string} storageKey where the speed is kept between openings
   * @param {() => Promise<unknown>} step one step, exactly what the window's own button does
   */
  constructor(app, speedBox, storageKey, step) {
    this.app = app;
    this.box = speedBox;
    this.step = step;
    this.playing = false;
    /** @type {number | null} the next tick's, while one waits */
    this.clock = null;
    /** @type {number | undefined} */
    this.tickStarted = undefined;
    speedBox.value = kept(storageKey) ?? speedBox.value;
    speedBox.addEventListener('change', () => {
      speedBox.value = String(this.speed());
      keep(storageKey, speedBox.value);
    });
  }

  // Steps a second, a whole number inside the box's range whatever was typed.
  speed() {
    const { value, min, max } = this.box;
    const rounded = Math.round(Number(value));
    return Number.isFinite(rounded) ? Math.min(Number(max), Math.max(Number(min), rounded)) : Number(min);
  }

  // Whether a press of Reproduzir takes one step instead: a reader who asks the browser for less
  // motion gets one step a press, not a chart that keeps moving by itself.
  stillPress() {
    return !this.playing && matchMedia('(prefers-reduced-motion: reduce)').matches;
  }

  // The clock runs while `playing`, as the window's logic last said. The window's status lines
  // change at every tick meanwhile: a screen reader is told once it stops, not at every step.
  /** @param {boolean} playing @param {HTMLElement} window */
  follow(playing, window) {
    this.playing = playing;
    for (const line of window.querySelectorAll('[role="status"]')) line.setAttribute('aria-busy', String(playing));
    const clock = this.app.clock;
    if (!playing) {
      if (this.clock !== null) clock.cancel(this.clock);
      this.clock = null;
      this.tickStarted = undefined;
    } else if (this.clock === null) {
      const waited = this.tickStarted === undefined ? 0 : performance.now() - this.tickStarted;
      this.clock = clock.after(Math.max(0, 1000 / this.speed() - waited), () => this.app.run(() => this.tick()));
    }
  }

  async tick() {
    this.clock = null;
    this.tickStarted = performance.now();
    if (this.playing) await this.step();
  }
}

// The page's own storage; nothing kept in a page that may not keep any (a sandboxed frame).
/** @param {string} key */
function kept(key) {
  try {
    return globalThis.localStorage?.getItem(key) ?? null;
  } catch {
    return null;
  }
}

/** @param {string} key @param {string} value */
function keep(key, value) {
  try {
    globalThis.localStorage?.setItem(key, value);
  } catch {
    // the speed lasts for this opening only
  }
}
