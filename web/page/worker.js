// The core runs here, off the page's thread: a run of 5000 samples of 50000 values keeps the
// module busy for a while, and the page must still paint its busy pointer meanwhile.
// Messages in: {id, call, args, session?}; out: {id, result} or {id, error}.
import createVarnesk from './varnesk_core.mjs';

/** @typedef {import('./core_types').CoreRequest} CoreRequest */
/** @typedef {import('./core_types').CoreReply} CoreReply */
/** @typedef {import('./core_types').TextSize} TextSize */
/** @typedef {import('./varnesk_core.mjs').VarneskModule} VarneskModule */
/** @typedef {Record<string, unknown> & { delete(): void }} Session a session's object, deleted with its window */

// The auto-sized axis labels take the size of their caption in the default font's stand-in,
// the face the page draws them in, so that a label's box fits its text on screen.
const measureContext = /** @type {OffscreenCanvasRenderingContext2D} */ (new OffscreenCanvas(1, 1).getContext('2d'));
measureContext.font = "11px 'DejaVu Sans Condensed', 'DejaVu Sans', sans-serif";
measureContext.fontStretch = 'condensed';
const TWIPS_PER_PIXEL = 15;

/** @param {string} text @returns {TextSize} */
function measureText(text) {
  const m = measureContext.measureText(String(text));
  const height = (m.fontBoundingBoxAscent ?? 9) + (m.fontBoundingBoxDescent ?? 3);
  return { width: m.width * TWIPS_PER_PIXEL, height: height * TWIPS_PER_PIXEL };
}

const ready = createVarnesk().then((module) => {
  module.setMeasure(measureText);
  return module;
});

// One object per open window, created by its class name and deleted when the window closes.
/** @type {Map<number, Session>} */
const sessions = new Map();
let nextSession = 1;

/**
 * @param {VarneskModule} module
 * @param {CoreRequest} request
 * @returns {unknown}
 */
function perform(module, { call, args = [], session }) {
  if (call === 'open') {
    const [className, ...constructorArgs] = args;
    const id = nextSession++;
    // The classes take the page's arguments as the contract lists them, checked by the module.
    const Class = /** @type {new (...args: unknown[]) => Session} */ (module[String(className)]);
    sessions.set(id, new Class(...constructorArgs));
    return id;
  }
  if (call === 'close') {
    if (session === undefined) return null;
    sessions.get(session)?.delete?.();
    sessions.delete(session);
    return null;
  }
  const target = session === undefined ? module : sessions.get(session);
  const method = target?.[call];
  if (typeof method !== 'function') throw new Error(`no call ${call}`);
  return method.apply(target, args);
}

/** @param {CoreReply} reply */
const reply = (reply) => self.postMessage(reply);

/** @param {MessageEvent<CoreRequest>} event */
self.onmessage = async ({ data }) => {
  try {
    let result = perform(await ready, data);
    // A view into the module's memory would carry the whole memory along: only its bytes go.
    if (ArrayBuffer.isView(result)) result = /** @type {Uint8Array} */ (result).slice(); // the module's are bytes
    reply({ id: data.id, result });
  } catch (error) {
    reply({ id: data.id, error: String((error instanceof Error && error.stack) || error) });
  }
};
