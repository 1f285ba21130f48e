// "Guia do professor": the teachers' guide shipped with the page, in a dialog over the windows.
// The one-file page carries its text; a served page finds guia.md beside itself.
import { dialogTexts } from './dialog_texts.js';
import { showModal, titledDialog } from './message_box.js';

async function guideText(embedded = globalThis.VARNESK_EMBEDDED) {
  if (embedded?.guide) return embedded.guide;
  try {
    const response = await fetch(new URL('guia.md', location.href));
    return response.ok ? await response.text() : '';
  } catch {
    return '';
  }
}

export async function showGuide() {
  const words = dialogTexts();
  const dialog = titledDialog('guide', words.guideTitle);
  const text = document.createElement('pre');
  text.textContent = (await guideText()) || words.guideMissing;
  // Scrolled by the keyboard too: the arrows and Page Down once Tab has reached it.
  text.tabIndex = 0;
  const close = document.createElement('button');
  close.type = 'button';
  close.textContent = words.close;
  close.addEventListener('click', () => dialog.close());
  dialog.append(text, close);
  return showModal(dialog, close);
}
