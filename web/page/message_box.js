// The core's message boxes: a modal dialog titled "Varnesk" (or `caption`) with the text and one
// OK button, in the core's words. Escape closes it like OK, as a message box's close box does.
import { dialogTexts } from './dialog_texts.js';

/** @param {string} text @returns {Promise<void>} */
export function showMessage(text, caption = dialogTexts().messageTitle, okCaption = dialogTexts().ok) {
  const dialog = titledDialog('message-box', caption);
  dialog.setAttribute('aria-describedby', 'message-box-text');
  const message = document.createElement('p');
  message.id = 'message-box-text';
  message.textContent = text;
  const ok = Object.assign(document.createElement('button'), { type: 'button', textContent: okCaption });
  ok.addEventListener('click', () => dialog.close());
  dialog.append(message, ok);
  return showModal(dialog, ok);
}

// Every modal dialog of the page in one look: a title bar with `caption`, then what the caller
// adds. `className`'s first word names the title's id, which labels the dialog.
/** @param {string} className @param {string} caption */
export function titledDialog(className, caption) {
  const dialog = document.createElement('dialog');
  dialog.className = className;
  const id = `${className.split(' ')[0]}-title`;
  dialog.setAttribute('aria-labelledby', id);
  const title = Object.assign(document.createElement('div'), { className: 'title-bar', id, textContent: caption });
  dialog.append(title);
  return dialog;
}

// Shows `dialog` with the focus on `focus` until it closes; resolves to `answer()` then, once
// the dialog has gone.
/**
 * @template [T=void]
 * @param {HTMLDialogElement} dialog
 * @param {HTMLElement | null} focus
 * @param {() => T} [answer]
 * @returns {Promise<T>}
 */
export function showModal(dialog, focus, answer = () => /** @type {T} */ (undefined)) {
  document.body.append(dialog);
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => {
      dialog.remove();
      resolve(answer());
    });
    dialog.showModal();
    focus?.focus();
  });
}
