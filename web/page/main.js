// The page: starts the core in its worker, hands it the default population and opens the start
// screen; routes the keyboard, the right-click (or long press) and the menu to the top window.
import { REAL_CLOCK } from './clock.js';
import { CoreClient } from './core_client.js';
import { Desktop } from './desktop.js';
import { dialogTexts, failureTexts, keepDialogTexts } from './dialog_texts.js';
import { closeMenu, entryForKey, menuIsOpen, showMenu } from './menu.js';
import { showGuide } from './guide.js';
import { showMessage } from './message_box.js';
import { projectorOn, setProjector, startProjector } from './projector.js';
import { defaultPopulation } from './population.js';
import { acceptPastedPopulation, acceptPopulationDrops, restorePopulation } from './population_choice.js';
import { focusTarget } from './window_builder.js';
import { windowModules } from './window_registry.js';

/** @typedef {import('./app_window.js').AppWindow} AppWindow */
/** @typedef {import('./clock.js').Clock} Clock */
/** @typedef {import('./core_types').MenuEntry} MenuEntry */
/** @typedef {import('./core_types').Separator} Separator */
/** @typedef {import('./core_types').WindowName} WindowName */
/** @template {WindowName} N @typedef {import('./window_registry.js').OpenArgs<N>} OpenArgs */
/**
 * The page as its windows reach it (and the browser tests, as globalThis.varnesk).
 * @typedef {object} App
 * @property {Desktop} desktop
 * @property {CoreClient} core
 * @property {string} seed every window's, from the address
 * @property {Separator} separator the reader's decimal separator
 * @property {Clock} clock
 * @property {(work: () => unknown) => Promise<unknown>} run a click's work
 * @property {<N extends WindowName>(name: N, ...args: OpenArgs<N>) => Promise<AppWindow | null>} openWindow
 * @property {() => void} end
 */

// `?semente=42` seeds every window's generator, as `varnesk --semente 42` does.
function seedFromAddress() {
  return new URLSearchParams(location.search).get('semente') ?? '';
}

// The decimal separator of the reader's region; the core's formats write one ASCII byte.
/** @param {string} language @returns {Separator} */
export function regionalSeparator(language) {
  try {
    const part = new Intl.NumberFormat(language).formatToParts(1.5).find((p) => p.type === 'decimal');
    return part?.value === ',' ? ',' : '.';
  } catch {
    return '.';
  }
}

// The one-file page carries the worker's source, bundled into a classic script: a page from
// file:// may start a worker from a Blob URL, but not a module worker. A served page loads the
// worker module beside itself.
function startWorker() {
  const source = globalThis.VARNESK_EMBEDDED?.worker;
  if (source) return new Worker(URL.createObjectURL(new Blob([source], { type: 'text/javascript' })));
  return new Worker(new URL('./worker.js', import.meta.url), { type: 'module' });
}

// A call the core could not answer, or its worker lost: the teacher is told once that the page
// cannot go on (in the core's words when it has given them), the developer each time.
let failureShown = false;
/** @param {Error} error */
function coreFailed(error) {
  console.error(error);
  if (failureShown) return;
  failureShown = true;
  const words = failureTexts();
  showMessage(words.coreFailed, words.messageTitle, words.ok);
}

const desktop = new Desktop(/** @type {HTMLElement} */ (document.getElementById('desktop')));
/** @type {App} */
const app = {
  desktop,
  core: new CoreClient(startWorker(), (on) => desktop.setBusy(on), coreFailed),
  seed: seedFromAddress(),
  separator: regionalSeparator(navigator.language),
  clock: REAL_CLOCK,

  // A click's work; a failure of the core has been told (coreFailed): here it ends the work.
  run(work) {
    return Promise.resolve()
      .then(work)
      .catch((error) => console.error(error));
  },

  // The window of that name, as the core describes it (its layout, its entries with their keys
  // and right-click menu, its bar, the object to open) and its module makes it; busy until it is
  // open, so that no key reaches the window beneath meanwhile.
  async openWindow(name, ...args) {
    // The registry describes each of its windows with the object that window opens.
    const described = /** @type {import('./core_types').WindowDescription<typeof name> | null} */ (
      await desktop.whileBusy(() => app.core.call('window', name)));
    if (!described) throw new Error(`the core has no window ${name}`);
    const win = await windowModules[name].create(app, described, ...args);
    if (!win) return null;
    await desktop.whileBusy(async () => {
      win.menuEntries = described.menu ?? [];
      win.setMenuBar(described.menuBar, (entry) => app.run(() => runEntry(win, entry)));
      await desktop.open(win);
    });
    desktop.focusFirst(win); // once it takes input
    await win.afterOpen?.();
    return win;
  },

  // Sair do Programa: every window closes; a browser tab opened by a script closes too.
  end() {
    closeMenu();
    for (const win of [...desktop.stack].reverse()) win.session?.close();
    desktop.closeAll();
    document.body.dataset.state = 'closed';
    window.close();
  },
};
desktop.core = app.core;
Object.assign(globalThis, { varnesk: app });

// What every window does alike (zoom, full screen, help); the rest is the window's own.
/** @param {AppWindow} win @param {MenuEntry} entry */
async function runEntry(win, entry) {
  if (!win.isEnabled(entry)) return undefined; // its keys too, as a greyed entry's
  switch (entry.command) {
    case 'ZoomIn':
    case 'ZoomOut':
    case 'ActualSize':
      return desktop.rezoom(win, entry.command);
    case 'FullScreen':
      return document.fullscreenElement ? document.exitFullscreen() : document.documentElement.requestFullscreen();
    case 'TeacherGuide':
      return showGuide();
    case 'About':
      return showMessage(await app.core.ask('aboutText'), dialogTexts().aboutTitle);
    case 'Exit':
      return win.close();
    case 'HighContrast':
      setProjector(!projectorOn());
      for (const open of desktop.stack) open.repaint();
      return undefined;
    case 'PlayHistogram':
      return win.playHistogram();
    default:
      return win.runCommand(entry);
  }
}

function blocked() {
  return desktop.busyCount > 0 || menuIsOpen() || document.querySelector('dialog[open]') !== null;
}

/** @param {AppWindow} win @param {number} x @param {number} y */
async function openMenuOf(win, x, y) {
  const entries = win.menuEntries.filter((entry) => entry.contextMenu);
  if (!entries.length) return;
  const lastLine = await win.menuLastLine();
  showMenu({
    entries,
    isChecked: (entry) => win.ticked(entry),
    isEnabled: (entry) => win.isEnabled(entry),
    lastLine,
    x,
    y,
    choose: (entry) => app.run(() => runEntry(win, entry)),
  });
}

/** @param {EventTarget | null} target */
function typingIn(target) {
  return target instanceof HTMLInputElement && target.type === 'text' && !target.disabled;
}

document.addEventListener('keydown', (event) => {
  const win = desktop.top();
  if (!win || blocked()) return;
  if (event.key === 'Tab') {
    event.preventDefault();
    desktop.cycleFocus(win, event.shiftKey);
    return;
  }
  if (event.key === 'F10' && !event.shiftKey && !event.ctrlKey && !event.altKey) {
    event.preventDefault();
    win.focusMenuBar();
    return;
  }
  if (event.key === 'Escape') {
    // The window's way out, where its layout has one: its button, as if clicked.
    const way = win.view.layout.controls.find((c) => c.cancel);
    const button = way && win.view.controls.get(way.name);
    if (button && !focusTarget(button).disabled) {
      event.preventDefault();
      button.click();
    }
    return;
  }
  if (event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey)) {
    event.preventDefault();
    const at = (document.activeElement && win.view.root.contains(document.activeElement) ? document.activeElement : win.view.client).getBoundingClientRect();
    app.run(() => openMenuOf(win, at.left, at.bottom));
    return;
  }
  const entry = entryForKey(win.menuEntries, event);
  // A letter typed in a box is text; a function key (F1, F11) is the entry's there too.
  if (!entry || (typingIn(event.target) && !event.ctrlKey && event.key.length === 1)) return;
  if (entry.command === 'PastePopulation') return; // the paste that follows brings the text
  event.preventDefault();
  app.run(() => runEntry(win, entry));
});

document.addEventListener('contextmenu', (event) => {
  const win = desktop.top();
  if (!win?.view.root.contains(/** @type {Node | null} */ (event.target))) return;
  if (typingIn(event.target)) return; // a text box keeps the browser's own menu
  event.preventDefault();
  if (!blocked()) app.run(() => openMenuOf(win, event.clientX, event.clientY));
});

// A long press on a touch screen opens the menu, as the right button does.
const LONG_PRESS_MS = 550;
/** @type {{ x: number, y: number, timer: number } | null} */
let press = null;
// The finger that opened the menu lifts over it: that lift is not a choice.
let swallowClick = false;
document.addEventListener('click', (event) => {
  if (!swallowClick) return;
  swallowClick = false;
  event.preventDefault();
  event.stopPropagation();
}, true);
document.addEventListener('pointerdown', (event) => {
  swallowClick = false;
  const win = desktop.top();
  if (event.pointerType !== 'touch' || !win?.view.root.contains(/** @type {Node | null} */ (event.target)) || typingIn(event.target)) return;
  const { clientX: x, clientY: y } = event;
  press = { x, y, timer: app.clock.after(LONG_PRESS_MS, () => {
    press = null;
    if (blocked()) return;
    swallowClick = true;
    app.run(() => openMenuOf(win, x, y));
  }) };
});
/** @param {PointerEvent} event */
const cancelPress = (event) => {
  if (!press) return;
  if (event.type === 'pointermove' && Math.hypot(event.clientX - press.x, event.clientY - press.y) < 10) return;
  app.clock.cancel(press.timer);
  press = null;
};
for (const type of /** @type {const} */ (['pointerup', 'pointercancel', 'pointermove'])) document.addEventListener(type, cancelPress);

// The one-file page, served, installs and then works offline; from file:// it has nothing to
// install, and no manifest a browser would read.
if (globalThis.VARNESK_EMBEDDED && location.protocol.startsWith('http')) {
  const manifest = Object.assign(document.createElement('link'), { rel: 'manifest', href: 'manifest.webmanifest' });
  document.head.append(manifest);
  navigator.serviceWorker?.register('sw.js').catch((error) => console.error(error));
}

// The teacher's population: a file dropped on any window, lines pasted on the configuration screen.
acceptPopulationDrops(app, () => desktop.top() && !blocked());
acceptPastedPopulation(app, () => !blocked() && desktop.top()?.menuEntries.some((e) => e.command === 'PastePopulation'));

app.run(async () => {
  /** @type {string | null} */
  let lost = null;
  await desktop.whileBusy(async () => {
    keepDialogTexts(await app.core.call('dialogTexts'));
    startProjector(await app.core.call('projectorTheme'));
    const population = await defaultPopulation();
    if (population) await app.core.setPopulation(population, 'populacao.txt');
    lost = await restorePopulation(app);
  });
  await app.openWindow('Form2');
  if (lost) await showMessage(lost);
  document.body.dataset.state = 'ready';
});
