// The core runs here, off the page's thread: a run of 5000 samples of 50000 values keeps the
// module busy for a while, and the page must still paint its busy pointer meanwhile.
// Messages in: {id, call, args, session?}; out: {id, result} or {id, error}.
import createVarnesk from './varnesk_core.mjs';

// The auto-sized axis labels take the size of their caption in the default font's stand-in,
// the face the page draws them in, so that a label's box fits its text on screen.
const measureContext = new OffscreenCanvas(1, 1).getContext('2d');
measureContext.font = "11px 'DejaVu Sans Condensed', 'DejaVu Sans', sans-serif";
measureContext.fontStretch = 'condensed';
const TWIPS_PER_PIXEL = 15;

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
const sessions = new Map();
let nextSession = 1;

function perform(module, { call, args = [], session }) {
  if (call === 'open') {
    const [className, ...constructorArgs] = args;
    const id = nextSession++;
    sessions.set(id, new module[className](...constructorArgs));
    return id;
  }
  if (call === 'close') {
    sessions.get(session)?.delete?.();
    sessions.delete(session);
    return null;
  }
  const target = session === undefined ? module : sessions.get(session);
  if (!target || typeof target[call] !== 'function') throw new Error(`no call ${call}`);
  return target[call](...args);
}

self.onmessage = async ({ data }) => {
  try {
    let result = perform(await ready, data);
    // A view into the module's memory would carry the whole memory along: only its bytes go.
    if (ArrayBuffer.isView(result)) result = result.slice();
    self.postMessage({ id: data.id, result });
  } catch (error) {
    self.postMessage({ id: data.id, error: String(error?.stack ?? error) });
  }
};
