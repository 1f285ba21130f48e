// The teacher's population in the page: a file picked, dropped or pasted becomes, once the core
// has read it whole, the population of every window opened afterwards; it is kept in the
// browser's local storage for the next visit; "Usar população padrão" goes back to the bundled one.
import { showMessage } from './message_box.js';
import { askCommas, chooseColumn, usePasted } from './population_dialogs.js';

/** @typedef {import('./main.js').App} App */
/** @typedef {import('./core_types').Commas} Commas */
/**
 * The teacher's choice as the page keeps it: the file's bytes (in base64 when stored), its name
 * ('' for pasted text), the column from 1 ('' for none) and how its commas read.
 * @template [Bytes=Uint8Array<ArrayBuffer>]
 * @typedef {{ name: string, column: string, commas: Commas, bytes: Bytes }} Choice
 */

const STORAGE_KEY = 'varnesk.populacao';

/** @param {Uint8Array} bytes */
function base64(bytes) {
  let binary = '';
  for (let i = 0; i < bytes.length; i += 0x8000) binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(binary);
}

/** @param {string} text */
function fromBase64(text) {
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

/** @param {Choice | null} record */
function remember(record) {
  try {
    if (record) localStorage.setItem(STORAGE_KEY, JSON.stringify({ ...record, bytes: base64(record.bytes) }));
    else localStorage.removeItem(STORAGE_KEY);
  } catch (error) {
    console.error(error); // storage full or refused: the choice holds for this visit
  }
}

/** @returns {Choice | null} */
function remembered() {
  try {
    /** @type {Choice<string> | null} */
    const record = JSON.parse(localStorage.getItem(STORAGE_KEY) ?? 'null');
    return record ? { ...record, bytes: fromBase64(record.bytes) } : null;
  } catch {
    return null;
  }
}

// What the choice replaced, to come back to with "Desfazer troca de população": the record kept
// before it (null: the bundled population).
/** @type {{ record: Choice | null } | null} */
let before = null;

// The questions, then the choice; `name` '' for pasted text, which is described and confirmed
// first. True once the population is the teacher's.
/** @param {App} app @param {Uint8Array<ArrayBuffer>} bytes @param {string} name */
export async function choosePopulation(app, bytes, name) {
  const core = app.core;
  /** @type {Commas} */
  let commas = '';
  let preview = await core.call('previewPopulation', bytes, name, commas);
  if (preview.ambiguousCommas) {
    commas = await askCommas(preview);
    if (!commas) return false;
    preview = await core.call('previewPopulation', bytes, name, commas);
  }
  let column = '';
  if (preview.columns.length > 1) {
    const chosen = await chooseColumn(preview);
    if (chosen === null) return false;
    column = String(chosen + 1);
  }
  if (!name) {
    const asking = await core.call('pasteQuestion', bytes, column, commas, app.separator);
    if (asking.question !== null && !(await usePasted({ ...asking, question: asking.question }))) return false;
  }
  const result = await core.call('choosePopulation', bytes, name, column, commas);
  if (result.ok) {
    before = { record: remembered() };
    remember(result.unremembered ? null : { name, column, commas, bytes });
  }
  await showMessage(result.message);
  if (result.unremembered) await showMessage(result.unremembered);
  return result.ok;
}

/** @param {App} app */
export async function useProgramPopulation(app) {
  before = { record: remembered() };
  remember(null);
  const result = await app.core.call('useProgramPopulation');
  await showMessage(result.message);
}

// "Desfazer troca de população": the core brings the earlier choice back; the record kept for
// the next visit follows it.
/** @param {App} app */
export async function undoPopulationChoice(app) {
  const result = await app.core.call('undoPopulation');
  if (result.ok && before) {
    const now = remembered();
    remember(before.record);
    before = { record: now };
  }
  await showMessage(result.message);
}

// At the page's start, after the bundled population: the one of the last visit. When it no
// longer reads, the bundled one stays and the reader's message is returned, to be shown.
/** @param {App} app */
export async function restorePopulation(app) {
  const record = remembered();
  if (!record) return null;
  const result = await app.core.call('choosePopulation', record.bytes, record.name, record.column, record.commas);
  if (result.ok) return null;
  remember(null);
  return result.message;
}

/** @param {App} app @param {File | undefined} file */
async function chooseFile(app, file) {
  if (!file) return;
  await choosePopulation(app, new Uint8Array(await file.arrayBuffer()), file.name);
}

// The file picker of "Abrir população…", one for the page.
/** @param {App} app */
export function pickPopulationFile(app) {
  let input = /** @type {HTMLInputElement | null} */ (document.getElementById('population-file'));
  if (!input) {
    input = Object.assign(document.createElement('input'), { type: 'file', id: 'population-file', hidden: true,
      accept: '.txt,.csv,.tsv,.tab,text/plain,text/csv' });
    const picker = input;
    input.addEventListener('change', () => {
      const [file] = picker.files ?? [];
      picker.value = '';
      app.run(() => chooseFile(app, file));
    });
    document.body.append(input);
  }
  input.click();
}

/** @param {App} app @param {string} text */
export async function pastePopulation(app, text) {
  if (text) await choosePopulation(app, new TextEncoder().encode(text), '');
}

// A file dropped anywhere on the page; lines pasted on the configuration screen (a number pasted
// into one of its text boxes stays a number).
/** @param {App} app @param {() => unknown} canTake */
export function acceptPopulationDrops(app, canTake) {
  document.addEventListener('dragover', (event) => {
    if (event.dataTransfer?.types.includes('Files')) event.preventDefault();
  });
  document.addEventListener('drop', (event) => {
    const [file] = event.dataTransfer?.files ?? [];
    if (!file) return;
    event.preventDefault();
    if (canTake()) app.run(() => chooseFile(app, file));
  });
}

/** @param {App} app @param {() => unknown} onConfiguration */
export function acceptPastedPopulation(app, onConfiguration) {
  document.addEventListener('paste', (event) => {
    const text = event.clipboardData?.getData('text/plain') ?? '';
    const inBox = event.target instanceof HTMLInputElement;
    if (!onConfiguration() || (inBox && !text.trim().includes('\n'))) return;
    event.preventDefault();
    app.run(() => pastePopulation(app, text));
  });
}
