// A dialog that asks for one line of text, as the core's menu entry words it: the title, the
// prompt, the text to start from, OK and Cancelar. Resolves to the text, or null when cancelled
// (Cancelar, Escape).
import { dialogTexts } from './dialog_texts.js';
import { showModal, titledDialog } from './message_box.js';

/** @param {{ title: string, prompt: string }} input @returns {Promise<string | null>} */
export function askText({ title, prompt }, initial = '') {
  const dialog = titledDialog('input-box', title);
  const label = document.createElement('label');
  const question = document.createElement('p');
  question.textContent = prompt;
  const field = document.createElement('input');
  field.type = 'text';
  field.value = initial;
  field.spellcheck = false;
  field.autocomplete = 'off';
  field.inputMode = 'numeric';
  label.append(question, field);
  const ok = Object.assign(document.createElement('button'), { type: 'button', textContent: dialogTexts().ok });
  const cancel = Object.assign(document.createElement('button'), { type: 'button', textContent: dialogTexts().cancel });
  /** @type {string | null} */
  let answer = null;
  ok.addEventListener('click', () => {
    answer = field.value;
    dialog.close();
  });
  cancel.addEventListener('click', () => dialog.close());
  field.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') ok.click();
  });
  dialog.append(label, ok, cancel);
  const shown = showModal(dialog, null, () => answer);
  field.select();
  return shown;
}
