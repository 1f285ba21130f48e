// The teacher's own population in the page: a two-column file opened with Ctrl+O, its column
// chosen in the chooser, the simulation drawing from that column, and the choice kept for the
// next visit; an ambiguous file asks about its commas first.
import assert from 'node:assert/strict';
import { mkdtemp, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { answerMessage, click, control, idle, open, type, sharedBrowser } from './harness.mjs';

const shared = sharedBrowser();

async function fileOf(name, text) {
  const file = join(await mkdtemp(join(tmpdir(), 'varnesk-population-')), name);
  await writeFile(file, text);
  return file;
}

// Ctrl+O on the configuration screen, and the file given to the picker it opens.
async function openFile(page, file) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.keyboard.down('Control').then(() => page.keyboard.press('o'))]);
  await page.keyboard.up('Control');
  await chooser.accept([file]);
}

// The mean of samples of every value, drawn twice by the instant window.
async function meanOfAll(page, n) {
  await type(page, 'Form3', 'TamanhodaAmostraTXT', String(n));
  await type(page, 'Form3', 'NumeroRepeticoesTXT', '2');
  await click(page, 'Form3', 'Command1');
  await click(page, 'form1', 'Command1');
  const mean = await page.$eval(control('form1', 'MediaLBL'), (label) => label.textContent);
  await click(page, 'form1', 'Command3');
  return mean;
}

test('a column chosen from a two-column file is the population the windows draw from, also at the next visit', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await page.evaluate(() => localStorage.clear());
  await click(page, 'Form2', 'Command1');
  await openFile(page, await fileOf('notas.csv', 'turma;perda\r\nA;10\r\nB;20\r\nC;30\r\n'));
  const chooser = await page.waitForSelector('dialog[data-dialog="column"][open]');
  assert.deepEqual(await chooser.$$eval('th', (cells) => cells.map((c) => c.textContent)), ['turma', 'perda']);
  assert.deepEqual(await chooser.$$eval('tbody tr:first-child td', (cells) => cells.map((c) => c.textContent)), ['A', '10']);
  await (await chooser.$$('th'))[1].click();
  await (await chooser.$('.buttons button')).click();
  assert.equal((await answerMessage(page)).text,
    'População escolhida: "notas.csv", com 3 valores. As janelas de simulação abertas a partir de agora usam esta população; as que já estão abertas seguem com a de antes.');
  assert.equal(await meanOfAll(page, 3), '20,000');

  await page.reload();
  await page.waitForSelector('[data-window="Form2"]');
  await idle(page);
  await click(page, 'Form2', 'Command1');
  assert.equal(await meanOfAll(page, 3), '20,000', 'remembered for the next visit');
});

test('ambiguous commas are asked; a refused file leaves the choice; pasted lines are a population; the bundled one comes back', async () => {
  const { page } = await open(shared.browser, shared.server.url);
  await page.evaluate(() => localStorage.clear());
  await click(page, 'Form2', 'Command1');
  await openFile(page, await fileOf('taxas.csv', 'taxa,perda\n1,5\n2,5\n'));
  const question = await page.waitForSelector('dialog[data-dialog="commas"][open]');
  assert.match(await question.$eval('p', (p) => p.textContent), /^No arquivo "taxas.csv", as vírgulas podem separar colunas/);
  await (await question.$('.buttons button')).click(); // decimal commas
  assert.match((await answerMessage(page)).text, /"taxas.csv", com 2 valores/);
  await openFile(page, await fileOf('ruim.txt', '1\nnão\n'));
  assert.match((await answerMessage(page)).text, /ruim.txt" tem um valor inválido na linha 2: "não"/);
  assert.equal(await meanOfAll(page, 2), '2,000', 'still 1,5 and 2,5');

  // Lines pasted into a text box of the configuration screen: a column copied from a spreadsheet.
  // It is described first; "Cancelar" keeps the population of now, "Usar" takes it.
  const paste = async (text, use) => {
    await page.focus(control('Form3', 'TamanhodaAmostraTXT'));
    await page.evaluate((lines) => {
      const data = new DataTransfer();
      data.setData('text/plain', lines);
      document.activeElement.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
    }, text);
    const asked = await page.waitForSelector('dialog[data-dialog="paste"][open]');
    const said = await asked.$eval('p', (p) => p.textContent);
    await (await asked.$$('.buttons button'))[use ? 0 : 1].click();
    return said;
  };
  assert.match(await paste('7\r\n9\r\n', false), /^O texto colado tem 2 valores \(média 8,000\): 7; 9\./);
  assert.equal(await meanOfAll(page, 2), '2,000', 'a cancelled paste changes nothing');
  assert.match(await paste('0,5\r\n1\r\n', true), /^O texto colado tem 2 valores \(média 0,750\): 0,5; 1\./);
  assert.match((await answerMessage(page)).text, /^População escolhida: o texto colado, com 2 valores/);
  assert.equal(await meanOfAll(page, 2), '0,750');
  // "Desfazer troca de população" brings back the file chosen before, then the paste again.
  for (const [said, mean] of [[/"taxas.csv", com 2 valores/, '2,000'], [/o texto colado, com 2 valores/, '0,750']]) {
    await page.click(control('Form3', 'Frame2'), { button: 'right' });
    await page.click('.context-menu [data-command="UndoPopulation"]');
    assert.match((await answerMessage(page)).text, said);
    assert.equal(await meanOfAll(page, 2), mean);
  }

  await page.click(control('Form3', 'Frame2'), { button: 'right' });
  await page.click('.context-menu [data-command="ProgramPopulation"]');
  assert.match((await answerMessage(page)).text, /população padrão do programa/);
  assert.notEqual(await meanOfAll(page, 2), '2,000');
  assert.equal(await page.evaluate(() => localStorage.getItem('varnesk.populacao')), null);
});
