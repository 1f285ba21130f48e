// The words of the page's own dialogs (their buttons and titles, the guide missing from a copy, a
// call the core could not answer) are the core's, asked once when the page starts and kept here.
/** @typedef {import('./core_types').DialogTexts} DialogTexts */

/** @type {DialogTexts | null} */
let kept = null;

/** @param {DialogTexts} texts */
export function keepDialogTexts(texts) {
  kept = texts;
}

// The page asks for them before it opens any window, and so before any dialog.
/** @returns {DialogTexts} */
export function dialogTexts() {
  if (!kept) throw new Error('the dialogs are shown before the core has given their words');
  return kept;
}
