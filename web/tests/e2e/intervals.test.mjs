// The confidence intervals and the sample size windows as a teacher walks them from the
// configuration screen's menu: the intervals shown one at a time, by the clock and all at once,
// with the running coverage; the level, the law and the correction; the refusals; the plan and
// its check by simulation; the intervals downloaded for a spreadsheet.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { answerMessage, choose, click, control, downloaded, focused, handClock, keys, open, topWindow, type, sharedBrowser } from './harness.mjs';

const shared = sharedBrowser();
const INTERVALS = 'IntervalForm';
const PLANNER = 'PlannerForm';

// What the window shows in each of those controls: a box's value, a check box's tick, or the
// caption; `disabled` lists the ones that take no input.
const read = (page, win, names) => page.evaluate((w, all) => {
  const shown = { disabled: [] };
  for (const name of all) {
    const element = document.querySelector(`[data-window="${w}"] [data-control="${name}"]`);
    const input = element.matches('input') ? element : element.querySelector('input');
    shown[name] = input?.type === 'checkbox' ? input.checked : input ? input.value : element.textContent;
    if ((input ?? element).disabled) shown.disabled.push(name);
  }
  return shown;
}, win, names);

const chartText = (page, win, name) => page.$eval(control(win, name), (canvas) => canvas.getAttribute('aria-label'));

// The configuration screen with n and R typed, the window of `command` opened from its menu.
async function openFromConfiguration(page, n, r, command) {
  if (!(await page.$('[data-window="Form3"]'))) await click(page, 'Form2', 'Command1');
  await type(page, 'Form3', 'TamanhodaAmostraTXT', n);
  await type(page, 'Form3', 'NumeroRepeticoesTXT', r);
  await choose(page, '[data-window="Form3"] .title-bar', command);
}

// The running coverage as the two lines tell it: the intervals that contain μ, those that miss
// below and above, of the samples shown.
function coverage({ CoverageLBL, MissesLBL }, level) {
  const [, contain, shown, percent] = CoverageLBL.match(new RegExp(`^(\\d+) de (\\d+) intervalos contêm μ \\((\\d+,\\d) %\\) · nível ${level} %$`)) ?? [];
  const [, below, above] = MissesLBL.match(/^Erram (\d+) abaixo de μ e (\d+) acima de μ$/) ?? [];
  assert.ok(contain && below, `${CoverageLBL} / ${MissesLBL}`);
  assert.equal(percent, ((100 * contain) / shown).toFixed(1).replace('.', ','));
  assert.equal(Number(contain) + Number(below) + Number(above), Number(shown), 'every interval contains μ or misses it on one side');
  return { contain: Number(contain), shown: Number(shown), missed: Number(below) + Number(above) };
}

const RUNNING = ['CoverageLBL', 'MissesLBL', 'ProgressLBL', 'NextButton', 'AllButton', 'PlayButton'];

test('intervals one at a time, by the clock and all at once: the running coverage, then the CSV', async () => {
  const { page, downloads } = await open(shared.browser, `${shared.server.url}?semente=42`);
  const clock = await handClock(page);
  await openFromConfiguration(page, '30', '70', 'ShowIntervals');
  assert.equal(await topWindow(page), INTERVALS);
  assert.equal(await focused(page), 'LevelSpin', 'the first control of the tab order');
  // The configuration screen's n and R, read only; the texts are the core's, as recorded.
  assert.deepEqual((await read(page, INTERVALS, ['SampleSizeTXT', 'RepetitionsTXT'])), { SampleSizeTXT: '30', RepetitionsTXT: '70', disabled: ['SampleSizeTXT', 'RepetitionsTXT'] });
  await keys(page, 'Control', 's');
  assert.equal((await answerMessage(page)).text, 'Nada para salvar: faça uma simulação primeiro.');

  // Each step, then the samples shown: a click, and D from the level's box (its letters are the
  // window's keys).
  const steps = [
    ['Próxima amostra', () => click(page, INTERVALS, 'NextButton'), 1],
    ['Próxima amostra again', () => click(page, INTERVALS, 'NextButton'), 2],
    ['D', async () => { await page.focus(control(INTERVALS, 'LevelSpin')); await keys(page, null, 'd'); }, 12],
  ];
  let before = { contain: 0, missed: 0 };
  for (const [step, run, shown] of steps) {
    await run();
    const now = await read(page, INTERVALS, RUNNING);
    assert.equal(now.ProgressLBL, `Amostras mostradas: ${shown} de 70`, step);
    const counted = coverage(now, 95);
    assert.equal(counted.shown, shown, step);
    assert.ok(counted.contain >= before.contain && counted.missed >= before.missed, `${step}: the samples shown stay as they were`);
    const described = await chartText(page, INTERVALS, 'IntervalChart');
    assert.ok(described.startsWith(`${now.CoverageLBL}\nAmostra ${shown}: de `), `${step}: the chart's text alternative, the latest first`);
    before = counted;
  }

  await click(page, INTERVALS, 'PlayButton');
  assert.equal(await clock.pending(), 200, 'five samples a second');
  for (let i = 0; i < 3; i++) await clock.tick();
  await keys(page, null, 'p');
  assert.deepEqual([(await read(page, INTERVALS, ['ProgressLBL', 'PlayButton'])), await clock.pending()],
    [{ ProgressLBL: 'Amostras mostradas: 15 de 70', PlayButton: 'Reproduzir', disabled: [] }, null]);

  await click(page, INTERVALS, 'AllButton');
  const all = await read(page, INTERVALS, RUNNING);
  assert.equal(all.ProgressLBL, 'Amostras mostradas: 70 de 70');
  assert.deepEqual(all.disabled, ['NextButton', 'AllButton', 'PlayButton'], 'nothing more to show');
  const { contain } = coverage(all, 95);
  // What `varnesk-sim -n 30 -r 70 -s 42 --intervalos=resumo` counts for the same run.
  assert.deepEqual([all.CoverageLBL, all.MissesLBL], ['65 de 70 intervalos contêm μ (92,9 %) · nível 95 %', 'Erram 5 abaixo de μ e 0 acima de μ']);

  await keys(page, 'Control', 's');
  const csv = await downloaded(downloads, 'intervalos.csv');
  assert.deepEqual([...csv.subarray(0, 3)], [0xef, 0xbb, 0xbf]);
  const lines = csv.subarray(3).toString('utf8').split('\r\n');
  assert.equal(lines[0], 'Arquivo da população;/populacao.txt');
  assert.ok(lines.includes('Nível de confiança (%);95'));
  const header = lines.indexOf('Amostra;Média;Desvio padrão;Limite inferior;Limite superior;Contém μ');
  const rows = lines.slice(header + 1).filter((line) => line !== '');
  assert.equal(rows.length, 70, 'one row an interval shown');
  assert.equal(rows.filter((row) => row.endsWith(';sim')).length, contain, 'the rows that contain μ are the coverage line\'s');
});

test('the level typed or stepped, z for t and the correction change every interval; a level refused', async () => {
  const { page } = await open(shared.browser, `${shared.server.url}?semente=42`);
  await openFromConfiguration(page, '30', '70', 'ShowIntervals');
  await keys(page, null, 'c'); // a hundred more: all 70
  const level = control(INTERVALS, 'LevelSpin');
  const typeLevel = async (text) => {
    await page.click(level, { clickCount: 3 });
    await page.keyboard.type(text);
    await keys(page, null, 'Enter');
  };
  // What is changed, then the quantile's line and the coverage line's level.
  const changes = [
    ['the level typed', () => typeLevel('90'), 't = 1,699 (29 g.l.) · correção = 1,000', 90],
    ['z for t, without the correction', async () => { await click(page, INTERVALS, 'NormalCheck'); await click(page, INTERVALS, 'CorrectionCheck'); }, 'z = 1,645 · sem correção', 90],
    ['t again, at 99 %', async () => { await click(page, INTERVALS, 'NormalCheck'); await typeLevel('99'); }, 't = 2,756 (29 g.l.) · sem correção', 99],
  ];
  for (const [change, run, formula, percent] of changes) {
    await run();
    const shown = await read(page, INTERVALS, ['FormulaLBL', 'CoverageLBL', 'MissesLBL', 'LevelSpin']);
    assert.equal(shown.FormulaLBL, formula, change);
    assert.equal(shown.LevelSpin, String(percent), change);
    assert.equal(coverage(shown, percent).shown, 70, change);
  }
  assert.deepEqual(await read(page, INTERVALS, ['NormalCheck', 'CorrectionCheck', 'CoverageLBL', 'MissesLBL']), {
    NormalCheck: false, CorrectionCheck: false, disabled: [],
    // varnesk-sim -n 30 -r 70 -s 42 --intervalos=resumo --nivel 99 --sem-correcao
    CoverageLBL: '68 de 70 intervalos contêm μ (97,1 %) · nível 99 %', MissesLBL: 'Erram 2 abaixo de μ e 0 acima de μ',
  });

  await typeLevel('120');
  assert.equal((await answerMessage(page)).text, 'O nível de confiança é um número inteiro de 80 a 99 (por cento), como 95.');
  assert.equal(await focused(page), 'LevelSpin');
  assert.equal((await read(page, INTERVALS, ['LevelSpin'])).LevelSpin, '99', 'the box shows the level in effect');

  await click(page, INTERVALS, 'CompareButton');
  const table = await page.$$eval(`${control(INTERVALS, 'CoverageTable')} tbody tr`, (trs) => trs.map((tr) => [...tr.cells].map((td) => td.textContent)));
  assert.deepEqual(table.map((row) => row[0]), ['5.780', '57.800', '289.000'], 'n = N/100, N/10 and N/2');
  for (const row of table) for (const cell of row.slice(1)) assert.match(cell, /^\d{1,3},\d %$/);
  await click(page, INTERVALS, 'CloseButton');
  assert.equal(await topWindow(page), 'Form3');
});

test('the sample size for a margin, then checked by simulation; the inputs it refuses', async () => {
  const { page } = await open(shared.browser, `${shared.server.url}?semente=42`);
  await openFromConfiguration(page, '1000', '100', 'PlanSampleSize');
  assert.equal(await topWindow(page), PLANNER);
  assert.equal(await focused(page), 'MarginTXT');
  assert.deepEqual(await read(page, PLANNER, ['MarginTXT', 'LevelSpin', 'RepetitionsTXT', 'PopulationLBL', 'SizeLBL']), {
    MarginTXT: '0,1', LevelSpin: '95', RepetitionsTXT: '1000', SizeLBL: '', disabled: [],
    PopulationLBL: 'População: populacao.txt (N = 578.000) · μ = 2,000 · σ = 1,415 (divisor N)',
  });
  // Enter in the margin is Calcular; in the repetitions, Verificar por simulação.
  await type(page, PLANNER, 'MarginTXT', '0,1');
  await type(page, PLANNER, 'LevelSpin', '95');
  await page.focus(control(PLANNER, 'MarginTXT'));
  await keys(page, null, 'Enter');
  assert.equal((await read(page, PLANNER, ['SizeLBL'])).SizeLBL, 'n = 769  (margem ± 0,1 a 95 %)');
  await page.focus(control(PLANNER, 'RepetitionsTXT'));
  await keys(page, null, 'Enter');
  const checked = await read(page, PLANNER, ['MarginsLBL', 'WithinLBL', 'CoverageLBL']);
  // The margins, the share within E and the coverage `varnesk-sim --planejar 0,1 -r 1000 -s 42`
  // prints for the same seed.
  assert.deepEqual(checked, {
    MarginsLBL: 'Margem alcançada (metade da largura de cada intervalo, t e correção): mínima 0,090 · mediana 0,100 · máxima 0,112',
    WithinLBL: '506 de 1.000 amostras (50,6 %) com margem até E = 0,1 (a linha azul do gráfico)',
    CoverageLBL: 'Cobertura: 957 de 1.000 intervalos contêm μ (95,7 %) · nível 95 %',
    disabled: [],
  });
  assert.equal(await chartText(page, PLANNER, 'MarginsChart'), `${checked.MarginsLBL}. ${checked.WithinLBL}. ${checked.CoverageLBL}`);
  assert.equal(await page.evaluate(() => globalThis.varnesk.desktop.top().menuLastLine()), 'Semente 42');

  // What is typed, the button, then the message and the box it sends the focus to.
  const refusals = [
    ['abc', '95', '1000', 'PlanButton', 'A margem de erro é um número maior que zero, na unidade da população, como 0,1 ou 0.1.', 'MarginTXT'],
    ['0,001', '95', '1000', 'VerifyButton', 'Não há como verificar este tamanho por simulação: veja a nota abaixo do cálculo.', null],
  ];
  for (const [margin, level, repetitions, button, message, box] of refusals) {
    await type(page, PLANNER, 'MarginTXT', margin);
    await type(page, PLANNER, 'LevelSpin', level);
    await type(page, PLANNER, 'RepetitionsTXT', repetitions);
    await click(page, PLANNER, button);
    assert.deepEqual(await answerMessage(page), { title: 'Varnesk', text: message });
    if (box) assert.equal(await focused(page), box, message);
  }
  assert.match((await read(page, PLANNER, ['NoteLBL'])).NoteLBL, /^n passa de 50\.000, o maior tamanho de amostra que o Varnesk sorteia/);
  await click(page, PLANNER, 'CloseButton');
  assert.equal(await topWindow(page), 'Form3');
});
