// The page's clock: what runs after a while, as the playback's ticks and a long press do. A page
// scenario may put its own in app.clock, to tick by hand.

/**
 * @typedef {object} Clock
 * @property {(ms: number, run: () => void) => number} after runs `run` once, `ms` from now; a handle to cancel it
 * @property {(handle: number) => void} cancel
 */

/** @type {Clock} */
export const REAL_CLOCK = { after: (ms, run) => setTimeout(run, ms), cancel: (handle) => clearTimeout(handle) };
