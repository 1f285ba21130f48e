// What the teacher sees, held to the bytes recorded before the windows shared one registry:
// every output of varnesk-sim and every answer the browser edition's calls give (through
// varnesk-json, which the wasm module matches byte for byte in native_vs_wasm), as a SHA-256 per
// output in recorded_outputs.sha256. A change that moves any of them fails here, naming the run
// or the call.
//
// node --test tests/golden/recorded_outputs.test.mjs, with VARNESK_SIM and VARNESK_JSON set;
// VARNESK_RECORD=1 writes the recording anew (only for a change a teacher is meant to see), and
// VARNESK_RAW=folder keeps every output as a file there, to look at.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { files, folder, missing, sessions } from './sessions.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const recordingFile = path.join(here, 'recorded_outputs.sha256');
const { VARNESK_SIM: sim, VARNESK_JSON: json, VARNESK_RECORD: record, VARNESK_RAW: raw } = process.env;
// varnesk-sim: each run's exit status, standard output and standard error.
const simRuns = [
  [], ['--help'], ['--version'], ['-n', '5', '-r', '5', '--nada'], ['-r', '5'],
  ['-n', '0', '-r', '0'], ['-n', '10', '-r', '0'], ['-n', '10', '-r', '5001'], ['-n', '50001', '-r', '10'],
  ['-n', '10', '-r', '100', '-s', '5'], ['-n', '10', '-r', '100', '-s', '5', '--medias'],
  ['-n', '10', '-r', '100', '-s', '5', '--histograma'], ['-n', '1000', '-r', '1000', '-s', '42', '--histograma'],
  ['-n', '1000', '-r', '5000', '-s', '1234567890123456789'], ['-n', '50000', '-r', '200', '-s', '7', '--medias'],
  ['-n', '1', '-r', '50', '-s', '3', '--medias'], ['-n', '10.7', '-r', '12.5', '-s', '9', '--medias'],
  ['-n', '12abc', '-r', ' 30', '-s', '9'], ['-n', '10', '-r', '3', '-s', '42', '--simulacao', '3', '--medias'],
  ['-n', '10', '-r', '3', '-s', '18446744073709551615', '--medias'], ['-n', '10', '-r', '3', '-s', '-1'],
  ['-n', '10', '-r', '3', '--simulacao', '2'], ['--comparar', '10,100,1000', '-r', '500', '-s', '42'],
  ['--comparar', '1,5', '-r', '30', '-s', '1', '-p', files.cinco], ['--comparar', '2,6', '-r', '3', '-p', files.cinco],
  ['--comparar', '2,x', '-r', '3'], ['--comparar', '20, 100', '-r', '300', '-s', '8', '-p', files.duzentos],
  ['-n', '3', '-r', '200', '-s', '11', '-p', files.turma, '--medias'], ['-n', '3', '-r', '200', '-s', '11', '-p', files.turma],
  ['--descrever'], ['--descrever', '-p', files.turma], ['--descrever', '-p', files.notas], ['--descrever', '-p', files.notas, '--coluna', '2'],
  ['--descrever', '-p', files.notas, '--coluna', 'perda'], ['--descrever', '-p', files.taxas], ['--descrever', '-p', files.recusado],
  ['--descrever', '-p', missing], ['--descrever', '-p', files.vazio], ['-n', '6', '-r', '10', '-p', files.cinco],
  ['-n', '5', '-r', '10', '-s', '2', '-p', files.cinco, '--histograma'],
  ['-n', '30', '-r', '100', '-s', '4', '-p', files.duzentos, '--medias'],
  ['-n', '10', '-r', '100', '-s', '5', '--intervalos'], ['-n', '30', '-r', '300', '-s', '5', '--intervalos=resumo', '--nivel', '90', '--z'],
  ['--comparar', '2,20,100', '-r', '500', '-s', '6', '-p', files.duzentos, '--intervalos'],
  ['-n', '200', '-r', '20', '-s', '6', '-p', files.duzentos, '--intervalos=resumo', '--sem-correcao'],
  ['-n', '1', '-r', '10', '--intervalos'], ['-n', '5', '-r', '10', '--intervalos', '--nivel', '79'],
  ['--planejar', '0,1'], ['--planejar', '0.5', '-p', files.duzentos, '-r', '400', '-s', '2', '--nivel', '99'],
  ['--planejar', '0'],
];

// recorded.
const programFolder = sim ? path.dirname(sim) : '';
const checkout = path.resolve(here, '../..');
const plain = (text) =>
  text.replaceAll(folder, '<pasta>').replaceAll(programFolder, '<programa>').replaceAll(checkout, '<fonte>');

function simOutputs() {
  return simRuns.map((args) => {
    const run = spawnSync(sim, args, { encoding: 'utf8', maxBuffer: 1 << 28 });
    return [`varnesk-sim ${args.map((a) => plain(a)).join(' ')}`, `${run.status}\n${plain(run.stdout)}\n${plain(run.stderr)}`];
  });
}

function jsonOutputs({ name, calls }) {
  const work = fs.mkdtempSync(path.join(folder, 'modulo-'));
  const input = calls.map((c) => c.map(String).join('\t')).join('\n') + '\n';
  const run = spawnSync(json, [work], { input, maxBuffer: 1 << 30, encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
  const lines = run.stdout.trimEnd().split('\n');
  assert.equal(lines.length, calls.length, name);
  return calls.map((call, i) => [`${name} #${i + 1} ${call.map((a) => plain(String(a))).join(' ')}`,
    plain(lines[i].replaceAll(work, '<modulo>'))]);
}

const digest = (text) => createHash('sha256').update(text).digest('hex');

test('every output is the one recorded', { skip: !sim || !json ? 'VARNESK_SIM and VARNESK_JSON not given' : false }, () => {
  const outputs = [...simOutputs(), ...sessions.flatMap(jsonOutputs)];
  if (raw) {
    fs.mkdirSync(raw, { recursive: true });
    outputs.forEach(([what, text], i) => fs.writeFileSync(path.join(raw, `${String(i).padStart(4, '0')}.txt`), `${what}\n${text}`));
  }
  const lines = outputs.map(([what, text]) => `${digest(text)}  ${what}`);
  if (record) {
    fs.writeFileSync(recordingFile, `${lines.join('\n')}\n`);
    return;
  }
  const recorded = fs.readFileSync(recordingFile, 'utf8').trimEnd().split('\n');
  assert.equal(lines.length, recorded.length, 'the number of recorded outputs');
  const moved = lines.filter((line, i) => line !== recorded[i]).map((line) => line.slice(66));
  assert.deepEqual(moved, [], `outputs that changed:\n${moved.join('\n')}`);
});
