// Same seed, same bytes in both editions: each case's calls go through the WebAssembly module
// and through varnesk-json (the same interface built natively), and every answer must be the
// same text; the means must also be those of varnesk-sim --medias for the same seed.
//
// node --test web/tests/native_vs_wasm.test.mjs, with the programs in VARNESK_JSON,
// VARNESK_MODULE (varnesk_core.mjs of the web build) and VARNESK_SIM, or as arguments when run
// directly: node web/tests/native_vs_wasm.test.mjs --json=… --module=… --sim=…
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { folder, sessions as cases } from '../../tests/golden/sessions.mjs';

const argument = (name) =>
  process.argv.find((a) => a.startsWith(`--${name}=`))?.slice(name.length + 3);
const programs = {
  json: argument('json') ?? process.env.VARNESK_JSON,
  module: argument('module') ?? process.env.VARNESK_MODULE,
  sim: argument('sim') ?? process.env.VARNESK_SIM,
};
// The recordings' own list of what a teacher does, so that every recorded answer is also one
// that both editions give alike.
const withBytes = ['previewPopulation', 'choosePopulation'];

const plainTexts = ['Simulation.meansCsv', 'Simulation.tabulatedStatistics', 'Simulation.seedLine', 'aboutText',
  'Simulation.svg', 'Comparison.resultsCsv', 'Intervals.intervalsCsv', 'Intervals.seedLine', 'Planner.seedLine'];

// One line per call from varnesk-json: the answer as JSON.
function native(calls) {
  const input = calls.map((c) => c.map(String).join('\t')).join('\n') + '\n';
  const run = spawnSync(programs.json, [folder], { input, maxBuffer: 1 << 30, encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
  const csvPath = path.join(folder, 'populacao.txt');
  // The CSV names the file its means came from: the module's own, or varnesk-json's.
  return run.stdout.trimEnd().split('\n').map((line) => {
    const answer = JSON.parse(line);
    return typeof answer === 'string' ? answer.replaceAll(csvPath, '/populacao.txt').replaceAll(`${folder}/`, '/') : answer;
  });
}

async function wasm(calls) {
  const { default: createVarnesk } = await import(pathToFileURL(programs.module).href);
  const m = await createVarnesk();
  const sessions = {};
  const answers = calls.map(([name, ...args]) => {
    if (name === 'setPopulation') return m.setPopulation(fs.readFileSync(args[0]), path.basename(args[0]));
    if (withBytes.includes(name)) return m[name](fs.readFileSync(args[0]), ...args.slice(1));
    const [type, method] = name.split('.');
    if (method) return sessions[type][method](...args);
    if (!/^[A-Z]/.test(name)) return m[name](...args);
    sessions[type]?.delete();
    sessions[type] = new m[type](...args);
    return null;
  });
  for (const session of Object.values(sessions)) session.delete();
  return answers;
}

function varneskSim(population, n, r, seed) {
  const args = ['-n', String(n), '-r', String(r), '-s', String(seed), '-p', population, '--medias'];
  const run = spawnSync(programs.sim, args, { encoding: 'utf8', maxBuffer: 1 << 26 });
  assert.equal(run.status, 0, run.stderr);
  return run.stdout.trimEnd().split('\n').map((line) => Math.fround(Number(line)));
}

for (const c of cases) {
  test(c.name, async () => {
    for (const [what, where] of Object.entries(programs)) assert.ok(where, `caminho de ${what} não dado`);
    const [expected, actual] = [native(c.calls), await wasm(c.calls)];
    assert.equal(actual.length, expected.length);
    c.calls.forEach((call, i) => assert.strictEqual(actual[i], expected[i], `${call.join(' ')}`));
    // Every answer but the plain texts (saved, copied or shown as they are) is JSON the page parses.
    c.calls.forEach(([name], i) => {
      if (typeof actual[i] === 'string' && !plainTexts.includes(name)) JSON.parse(actual[i]);
    });
    if (c.sim) {
      const i = c.calls.findIndex(([name]) => name === 'Simulation.means');
      assert.deepStrictEqual(JSON.parse(actual[i]), varneskSim(...c.sim));
    }
  });
}
