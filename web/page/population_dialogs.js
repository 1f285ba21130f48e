// The two questions of a population's choice, as modal dialogs in the message boxes' look: what
// the commas of an ambiguous file are, and which column holds the population. Every text comes
// from the core's preview.

import { dialogTexts } from './dialog_texts.js';
import { showModal, titledDialog } from './message_box.js';

/** @typedef {import('./core_types').Commas} Commas */
/** @typedef {import('./core_types').PopulationPreview} PopulationPreview */

// A question in a dialog: `answer(value)` settles it, and Escape answers `cancelled`; `show(focus)`
// shows it until then.
/** @template T @param {string} title @param {string} text @param {T} cancelled */
function question(title, text, cancelled) {
  const dialog = titledDialog('message-box population-dialog', title);
  const message = document.createElement('p');
  message.textContent = text;
  dialog.append(message);
  let answer = cancelled;
  return {
    dialog,
    /** @param {T} value */
    answer: (value) => {
      answer = value;
      dialog.close();
    },
    /** @param {HTMLElement} focus */
    show: (focus) => showModal(dialog, focus, () => answer),
  };
}

/** @param {string} caption @param {() => void} onClick */
function button(caption, onClick) {
  const b = document.createElement('button');
  b.type = 'button';
  b.textContent = caption;
  b.addEventListener('click', onClick);
  return b;
}

// "decimal", "separator", or '' when the teacher cancels.
/** @param {PopulationPreview} preview */
export function askCommas(preview) {
  const { captions } = preview;
  const asked = question(dialogTexts().messageTitle, preview.question, /** @type {Commas} */ (''));
  asked.dialog.dataset.dialog = 'commas';
  const buttons = document.createElement('div');
  buttons.className = 'buttons';
  const decimal = button(captions.decimal, () => asked.answer('decimal'));
  buttons.append(decimal, button(captions.separator, () => asked.answer('separator')),
    button(captions.cancel, () => asked.answer('')));
  asked.dialog.append(buttons);
  return asked.show(decimal);
}

// Whether pasted text, as the core describes it, becomes the population: "Usar" or "Cancelar".
/** @param {{ question: string, use: string, cancel: string }} asking @returns {Promise<boolean>} */
export function usePasted(asking) {
  const asked = question(dialogTexts().messageTitle, asking.question, false);
  asked.dialog.dataset.dialog = 'paste';
  const buttons = document.createElement('div');
  buttons.className = 'buttons';
  const use = button(asking.use, () => asked.answer(true));
  buttons.append(use, button(asking.cancel, () => asked.answer(false)));
  asked.dialog.append(buttons);
  return asked.show(use);
}

// The index of the chosen column from 0, or null when the teacher cancels.
/** @param {PopulationPreview} preview */
export function chooseColumn(preview) {
  const { captions } = preview;
  const asked = question(captions.title, preview.prompt, /** @type {number | null} */ (null));
  const { dialog } = asked;
  dialog.dataset.dialog = 'column';
  let chosen = 0;
  const table = document.createElement('table');
  table.className = 'column-table';
  const head = table.createTHead().insertRow();
  /** @type {HTMLTableCellElement[][]} */
  const cells = preview.columns.map(() => []);
  preview.columns.forEach((name, k) => {
    const th = document.createElement('th');
    th.textContent = name;
    th.tabIndex = 0;
    th.setAttribute('role', 'radio');
    head.append(th);
    cells[k].push(th);
  });
  const body = table.createTBody();
  for (const row of preview.rows) {
    const tr = body.insertRow();
    row.forEach((field, k) => {
      const td = tr.insertCell();
      td.textContent = field;
      cells[k].push(td);
    });
  }
  /** @param {number} k */
  const select = (k) => {
    chosen = k;
    cells.forEach((column, c) => column.forEach((cell) => cell.classList.toggle('chosen', c === k)));
    cells.forEach((column, c) => column[0].setAttribute('aria-checked', String(c === k)));
  };
  cells.forEach((column, k) => column.forEach((cell) => {
    cell.addEventListener('click', () => select(k));
    cell.addEventListener('dblclick', () => asked.answer(k));
  }));
  head.addEventListener('keydown', (event) => {
    if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
      select(Math.max(0, Math.min(cells.length - 1, chosen + (event.key === 'ArrowRight' ? 1 : -1))));
      cells[chosen][0].focus();
      event.preventDefault();
    }
  });
  select(preview.suggested ?? 0);
  const frame = document.createElement('div');
  frame.className = 'column-frame';
  frame.append(table);
  const buttons = document.createElement('div');
  buttons.className = 'buttons';
  const use = button(captions.use, () => asked.answer(chosen));
  buttons.append(use, button(captions.cancel, () => asked.answer(null)));
  dialog.append(frame, buttons);
  return asked.show(use);
}
