// The instant window's run in the WebAssembly module under node, for hyperfine beside
// varnesk-sim: node bench/web_run.mjs MODULE N R SEED [POPULATION]. Prints the panel as the
// module's model gives it and, on standard error, the milliseconds of the run alone.
import fs from 'node:fs';
import { performance } from 'node:perf_hooks';
import { pathToFileURL } from 'node:url';

const [modulePath, n, r, seed, population = new URL('../data/populacao.txt', import.meta.url)] =
  process.argv.slice(2);
const { default: createVarnesk } = await import(pathToFileURL(modulePath).href);
const m = await createVarnesk();
m.setPopulation(fs.readFileSync(population), 'populacao.txt');
const window = new m.Simulation('form1', seed, '.');
window.load(n, r);
const start = performance.now();
const { model } = JSON.parse(window.simulate());
const ms = performance.now() - start;
for (const [box, caption] of Object.entries(model.panel)) console.log(`${box}: ${caption}`);
console.error(`simulate: ${ms.toFixed(1)} ms`);
window.delete();
