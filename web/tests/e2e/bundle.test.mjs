// The one-file page: from file:// with its worker and population inside it; served, installed
// by its service worker and then working offline.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtemp } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';
import { CORE, WEB, click, launch, open, serve, until } from './harness.mjs';

let browser;
let dist;
before(async () => {
  dist = await mkdtemp(join(tmpdir(), 'varnesk-dist-'));
  execFileSync(process.execPath, [join(WEB, 'tools/bundle.mjs'), '--core', CORE, '--out', dist]);
  browser = await launch();
});
after(() => browser.close());

test('from file://, the one-file page runs a seeded simulation on the population it carries', async () => {
  const { page } = await open(browser, `${pathToFileURL(join(dist, 'varnesk.html'))}?semente=42`);
  await click(page, 'Form2', 'Command1');
  await click(page, 'Form3', 'Command1');
  await click(page, 'form1', 'Command1');
  const csv = await page.evaluate(() => globalThis.varnesk.desktop.top().session.call('meansCsv'));
  assert.match(csv, /Tamanho da população \(N\);578000\r\n/);
  assert.match(csv, /Semente;42\r\n/);
});

test('served, the page installs and then opens offline', async () => {
  const server = await serve({ root: dist });
  try {
    const { page } = await open(browser, `${server.url}varnesk.html`);
    assert.equal(await page.evaluate(() => navigator.serviceWorker.ready.then(() => fetch('manifest.webmanifest')).then((r) => r.json()).then((m) => m.name)), 'Varnesk');
    await until(page, () => navigator.serviceWorker.controller !== null);
    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForSelector('[data-window="Form2"]');
  } finally {
    await server.close();
  }
});
