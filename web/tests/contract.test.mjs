// Every call of the module (varnesk-json --calls lists the table both editions expand) is told
// in web/CONTRACT.md: a module call as `name(`, a window's object as `Name`, each of its calls
// as `call(` in a paragraph that names the object.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import { test } from 'node:test';

const program = process.env.VARNESK_JSON;
const contract = fs.readFileSync(new URL('../CONTRACT.md', import.meta.url), 'utf8');
// The contract's paragraphs: a bullet with the lines that continue it.
const paragraphs = contract.split(/\n(?=\s*- )/);

test('every call of the module is in CONTRACT.md', { skip: program ? false : 'VARNESK_JSON not given' }, () => {
  const calls = spawnSync(program, ['--calls'], { encoding: 'utf8' }).stdout.trim().split('\n');
  assert.ok(calls.length > 40, 'the list of calls');
  const missing = calls.filter((call) => {
    const [object, method] = call.includes('.') ? call.split('.') : [null, call];
    if (!object) return !contract.includes(/^[A-Z]/.test(method) ? `\`${method}` : `\`${method}(`);
    return !paragraphs.some((p) => p.includes(`\`${object}`) && (p.includes(`\`${method}(`) || p.includes(`${object}.${method}(`)));
  });
  assert.deepEqual(missing, []);
});
