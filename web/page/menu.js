// The teacher's menu of a window: the entries the core lists, each also answering to its keys
// without the menu, and the window's seed line last, shown but not chosen.

// "Ctrl++" is Ctrl with "+", "F11" a key alone, "N" a letter without Ctrl.
export function parseKey(text) {
  const ctrl = text.startsWith('Ctrl+') && text.length > 5;
  return { ctrl, key: ctrl ? text.slice(5) : text };
}

export function matchesKey(event, keyText) {
  const { ctrl, key } = parseKey(keyText);
  if (event.altKey || ctrl !== (event.ctrlKey || event.metaKey)) return false;
  return event.key.toLowerCase() === key.toLowerCase();
}

export function entryForKey(entries, event) {
  return entries.find((entry) => entry.keys.some((key) => matchesKey(event, key)));
}

let openMenu = null;

export function menuIsOpen() {
  return openMenu !== null;
}

export function closeMenu() {
  openMenu?.close();
}

// Opens the menu at (x, y) of the page; `choose(entry)` runs the entry picked. `isChecked(entry)`
// ticks the checkable ones; `lastLine` is shown last, disabled.
export function showMenu({ entries, isChecked = () => false, lastLine, x, y, choose }) {
  closeMenu();
  const returnFocus = document.activeElement;
  const menu = document.createElement('div');
  menu.className = 'context-menu';
  menu.setAttribute('role', 'menu');
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
    item.addEventListener('click', () => {
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

  const onKey = (event) => {
    const at = items.indexOf(document.activeElement);
    const move = { ArrowDown: 1, ArrowUp: -1, Home: -at, End: items.length - 1 - at }[event.key];
    if (move !== undefined) items[(at + move + items.length) % items.length].focus();
    else if (event.key === 'Escape' || event.key === 'Tab') close();
    else if ((event.key === 'Enter' || event.key === ' ') && at >= 0) items[at].click();
    else return;
    event.preventDefault();
    event.stopPropagation();
  };
  const onOutside = (event) => {
    if (!menu.contains(event.target)) close();
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

  document.body.append(menu);
  // Kept on the page, however near its edge it was asked for.
  const { width, height } = menu.getBoundingClientRect();
  menu.style.left = `${Math.max(0, Math.min(x, innerWidth - width))}px`;
  menu.style.top = `${Math.max(0, Math.min(y, innerHeight - height))}px`;
  document.addEventListener('keydown', onKey, true);
  document.addEventListener('pointerdown', onOutside, true);
  items[0]?.focus();
}
