// The teacher's menu of a window: the entries the core lists, each also answering to its keys
// without the menu, and the window's seed line last, shown but not chosen.

/** @typedef {import('./core_types').MenuEntry} MenuEntry */

// "Ctrl++" is Ctrl with "+", "F11" a key alone, "N" a letter without Ctrl.
/** @param {string} text */
export function parseKey(text) {
  const ctrl = text.startsWith('Ctrl+') && text.length > 5;
  return { ctrl, key: ctrl ? text.slice(5) : text };
}

/** @param {KeyboardEvent} event @param {string} keyText */
export function matchesKey(event, keyText) {
  const { ctrl, key } = parseKey(keyText);
  if (event.altKey || ctrl !== (event.ctrlKey || event.metaKey)) return false;
  return event.key.toLowerCase() === key.toLowerCase();
}

/** @param {MenuEntry[]} entries @param {KeyboardEvent} event */
export function entryForKey(entries, event) {
  return entries.find((entry) => entry.keys.some((key) => matchesKey(event, key)));
}

/** @type {{ close: () => void } | null} */
let openMenu = null;

export function menuIsOpen() {
  return openMenu !== null;
}

export function closeMenu() {
  openMenu?.close();
}

// Opens the menu at (x, y) of the page; `choose(entry)` runs the entry picked. `isChecked(entry)`
// ticks the checkable ones; an entry `isEnabled(entry)` refuses is shown greyed and not chosen;
// `lastLine` is shown last, disabled.
/**
 * @param {object} menu
 * @param {MenuEntry[]} menu.entries
 * @param {(entry: MenuEntry) => boolean} [menu.isChecked]
 * @param {(entry: MenuEntry) => boolean} [menu.isEnabled]
 * @param {string} [menu.lastLine]
 * @param {number} menu.x
 * @param {number} menu.y
 * @param {(entry: MenuEntry) => void} menu.choose
 */
export function showMenu({ entries, isChecked = () => false, isEnabled = () => true, lastLine, x, y, choose }) {
  closeMenu();
  const returnFocus = /** @type {HTMLElement | null} */ (document.activeElement);
  const menu = document.createElement('div');
  menu.className = 'context-menu';
  menu.setAttribute('role', 'menu');
  /** @type {HTMLElement[]} */
  const items = [];
  for (const entry of entries) {
    const item = document.createElement('div');
    item.tabIndex = -1;
    item.dataset.command = entry.command;
    if (entry.checkable) {
      item.setAttribute('role', 'menuitemcheckbox');
      item.setAttribute('aria-checked', String(isChecked(entry)));
    } else {
      item.setAttribute('role', 'menuitem');
    }
    const caption = document.createElement('span');
    caption.className = 'caption';
    caption.textContent = entry.caption;
    const keys = document.createElement('span');
    keys.className = 'keys';
    keys.textContent = entry.keys[0] ?? '';
    if (entry.keys.length) item.setAttribute('aria-keyshortcuts', entry.keys.map((k) => k.replace('Ctrl++', 'Control+Plus').replace('Ctrl+', 'Control+')).join(' '));
    item.append(caption, keys);
    const enabled = isEnabled(entry);
    if (!enabled) item.setAttribute('aria-disabled', 'true');
    item.addEventListener('click', () => {
      if (!enabled) return;
      close();
      choose(entry);
    });
    item.addEventListener('pointermove', () => item.focus());
    menu.append(item);
    items.push(item);
  }
  if (lastLine) {
    const separator = document.createElement('div');
    separator.setAttribute('role', 'separator');
    const line = document.createElement('div');
    line.setAttribute('role', 'menuitem');
    line.setAttribute('aria-disabled', 'true');
    line.className = 'seed-line';
    line.textContent = lastLine;
    menu.append(separator, line);
  }

  /** @param {KeyboardEvent} event */
  const onKey = (event) => {
    const at = items.indexOf(/** @type {HTMLElement} */ (document.activeElement));
    /** @type {Record<string, number | undefined>} */
    const moves = { ArrowDown: 1, ArrowUp: -1, Home: -at, End: items.length - 1 - at };
    const move = moves[event.key];
    if (move !== undefined) items[(at + move + items.length) % items.length].focus();
    else if (event.key === 'Escape' || event.key === 'Tab') close();
    else if ((event.key === 'Enter' || event.key === ' ') && at >= 0) items[at].click();
    else return;
    event.preventDefault();
    event.stopPropagation();
  };
  /** @param {PointerEvent} event */
  const onOutside = (event) => {
    if (!menu.contains(/** @type {Node | null} */ (event.target))) close();
  };
  function close() {
    if (openMenu !== handle) return;
    openMenu = null;
    menu.remove();
    document.removeEventListener('keydown', onKey, true);
    document.removeEventListener('pointerdown', onOutside, true);
    if (returnFocus?.isConnected) returnFocus.focus();
  }
  const handle = { close };
  openMenu = handle;

  // Within the page's main region, as everything a reader should find there.
  (document.querySelector('main') ?? document.body).append(menu);
  // Kept on the page, however near its edge it was asked for.
  const { width, height } = menu.getBoundingClientRect();
  menu.style.left = `${Math.max(0, Math.min(x, innerWidth - width))}px`;
  menu.style.top = `${Math.max(0, Math.min(y, innerHeight - height))}px`;
  document.addEventListener('keydown', onKey, true);
  document.addEventListener('pointerdown', onOutside, true);
  items[0]?.focus();
}
