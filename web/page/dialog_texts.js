// The words of the page's own dialogs (their buttons and titles, the guide missing from a copy, a
// call the core could not answer) are the core's, asked once when the page starts and kept here.
/** @typedef {import('./core_types').DialogTexts} DialogTexts */

/** @type {DialogTexts | null} */
let kept = null;

// A worker that could not even start leaves no core to ask for the words of the box that says
// so: for that box alone the page keeps the core's words as its own.
const WITHOUT_CORE = {
  messageTitle: 'Varnesk',
  ok: 'OK',
  coreFailed: 'O Varnesk encontrou um erro e não pode continuar nesta página. Recarregue a página (F5); se o erro voltar, abra o Varnesk em outro navegador.',
};

/** @param {DialogTexts} texts */
export function keepDialogTexts(texts) {
  kept = texts;
}

// The page asks for them before it opens any window, and so before any dialog but the failure's.
/** @returns {DialogTexts} */
export function dialogTexts() {
  if (!kept) throw new Error('the dialogs are shown before the core has given their words');
  return kept;
}

/** @returns {Pick<DialogTexts, 'messageTitle' | 'ok' | 'coreFailed'>} */
export function failureTexts() {
  return kept ?? WITHOUT_CORE;
}
