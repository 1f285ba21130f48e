// The browser edition in headless Chromium, for bench/README.md (never a test): the largest run
// of the instant window (the default population, n 50000, R 5000) timed inside the page, and
// the time from opening the one-file page to its start screen.
//   node bench/web_browser.mjs MODULE ONE_FILE_PAGE [RUNS]
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { dirname, join } from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const require = createRequire(join(here, '../web/package.json'));
const puppeteer = require('puppeteer-core');
const [modulePath, pagePath, runs = '5'] = process.argv.slice(2);
const population = await readFile(join(here, '../data/populacao.txt'));
const core = await readFile(modulePath);
const server = createServer((request, response) => {
  const text = request.url.startsWith('/varnesk_core.mjs');
  response.writeHead(200, { 'content-type': text ? 'text/javascript' : 'text/html' });
  response.end(text ? core : '<!doctype html><title>bench</title>');
}).listen(0, '127.0.0.1');
await new Promise((resolve) => server.once('listening', resolve));
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync'],
});
const page = await browser.newPage();
await page.goto(`http://127.0.0.1:${server.address().port}/`);
const times = await page.evaluate(async (bytes, count) => {
  const { default: createVarnesk } = await import('/varnesk_core.mjs');
  const m = await createVarnesk();
  m.setPopulation(new Uint8Array(bytes), 'populacao.txt');
  const window = new m.Simulation('form1', '1', '.');
  window.load('50000', '5000');
  const out = [];
  for (let i = 0; i < count; ++i) {
    const start = performance.now();
    window.simulate();
    out.push(performance.now() - start);
  }
  return out;
}, [...population], Number(runs));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
console.log(`simulate n 50000 R 5000 in Chromium: median ${median(times).toFixed(0)} ms of ${times.map((t) => t.toFixed(0)).join(', ')}`);
const opened = [];
for (let i = 0; i < Number(runs); ++i) {
  const start = Date.now();
  await page.goto(pathToFileURL(pagePath).href);
  await page.waitForSelector('[data-window="Form2"] [data-control="Command1"]', { visible: true });
  opened.push(Date.now() - start);
}
console.log(`one-file page to start screen: median ${median(opened)} ms of ${opened.join(', ')}`);
await browser.close();
server.close();
