// What the browser tests share: a small static server for the page (with the core's module
// from VARNESK_CORE, by default the web build's), Debian's chromium driven by puppeteer-core,
// and the steps a teacher takes.
import { watch } from 'node:fs';
import { mkdtemp, readFile, readdir, rm } from 'node:fs/promises';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { dirname, extname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before } from 'node:test';
import puppeteer from 'puppeteer-core';

const here = dirname(fileURLToPath(import.meta.url));
export const WEB = resolve(here, '../..');
export const CORE = resolve(process.env.VARNESK_CORE ?? join(WEB, '../build/web/web/varnesk_core.mjs'));
export const POPULATION = join(WEB, '../data/populacao.txt');
const GUIDE = join(WEB, '../docs/guia.md');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
  '.json': 'application/json', '.wasm': 'application/wasm', '.txt': 'text/plain', '.png': 'image/png',
  '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json',
};

// Serves `root`; the core's module (`core`) and whatever lies beside it
// answer from the module's own folder, and `population` stands for populacao.txt.
export async function serve({ root = join(WEB, 'page'), population = POPULATION, core = CORE } = {}) {
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const name = path === '/' ? '/index.html' : path;
    const candidates = name === '/populacao.txt' ? [population] : name === '/guia.md' ? [GUIDE]
      : name === '/varnesk_core.mjs' ? [core] : [join(root, name), join(dirname(core), name)];
    for (const file of candidates) {
      if (!file.startsWith(root) && !file.startsWith(dirname(core)) && file !== population && file !== GUIDE) continue;
      try {
        const body = await readFile(file);
        response.writeHead(200, { 'content-type': TYPES[extname(file)] ?? 'application/octet-stream' });
        return response.end(body);
      } catch {
        // the next place
      }
    }
    response.writeHead(404).end();
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => new Promise((done) => server.close(done)) };
}

export async function launch() {
  const profile = await mkdtemp(join(tmpdir(), 'varnesk-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      // A reader in Brazil: the page takes its decimal separator from the browser's language.
      '--accept-lang=pt-BR'],
  });
  browser.on('disconnected', () => rm(profile, { recursive: true, force: true, maxRetries: 5 }).catch(() => {}));
  return browser;
}

// A page at `url` with downloads kept in a fresh folder, once the start screen (or `shown`) is up.
export async function open(browser, url, viewport = { width: 1024, height: 768 }, shown = '[data-window="Form2"]') {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const downloads = await mkdtemp(join(tmpdir(), 'varnesk-downloads-'));
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  page.on('pageerror', (error) => console.error('page error:', error));
  await page.goto(url);
  await page.waitForSelector(shown);
  return { page, downloads };
}

export const control = (win, name) => `[data-window="${win}"] [data-control="${name}"]`;

export const idle = (page) => until(page, () => !document.documentElement.classList.contains('busy'));

// A click on a control of the top window, and the core's work that follows it.
export async function click(page, win, name) {
  await page.waitForSelector(`[data-window="${win}"]:not([inert]) [data-control="${name}"]:not(:disabled)`);
  await page.click(control(win, name));
  await idle(page);
}

export const type = (page, win, name, text) => page.$eval(control(win, name), (box, value) => { box.value = value; }, text);

export const until = (page, condition, ...args) => page.waitForFunction(condition, { timeout: 15000 }, ...args);

// The keys pressed one after the other, with `held` down throughout.
export async function keys(page, held, ...pressed) {
  if (held) await page.keyboard.down(held);
  for (const key of pressed) {
    await page.keyboard.press(key);
    await idle(page); // a key pressed while the core works is not taken
  }
  if (held) await page.keyboard.up(held);
}

// The entry of that command in the right-click menu of `target` (the one open, if one is).
export async function choose(page, target, command) {
  if (!(await page.$('.context-menu'))) await page.click(target, { button: 'right' });
  await (await page.waitForSelector(`.context-menu [data-command="${command}"]`)).click();
  await idle(page);
}

// A clock turned by hand in place of the page's (app.clock): `pending()` is the interval its next
// run waits for (null: none waits), `tick()` runs that now, once it waits, and its work after.
export async function handClock(page) {
  await page.evaluate(() => {
    const clock = { pending: null, after: (ms, run) => ((clock.pending = { ms, run }), 1), cancel: () => { clock.pending = null; } };
    globalThis.varnesk.clock = clock;
  });
  const pending = () => page.evaluate(() => globalThis.varnesk.clock.pending?.ms ?? null);
  const tick = () => until(page, () => globalThis.varnesk.clock.pending).then(() => page.evaluate(() => {
    const { run } = globalThis.varnesk.clock.pending;
    globalThis.varnesk.clock.pending = null;
    return run();
  }));
  return { pending, tick };
}

// The top window, once no call runs.
export async function topWindow(page) {
  await idle(page);
  return page.evaluate(() => document.querySelector('.window:not([inert])')?.dataset.window ?? null);
}

// The open message box's title and text, closed with its OK button.
export async function answerMessage(page) {
  const dialog = await page.waitForSelector('dialog.message-box[open]');
  const shown = await dialog.evaluate((d) => ({ title: d.querySelector('.title-bar').textContent, text: d.querySelector('p').textContent }));
  await page.keyboard.press('Enter');
  // Gone from the page, not only closed: the close event, which moves the focus on, comes after.
  await page.waitForFunction(() => !document.querySelector('dialog.message-box'));
  return shown;
}

export const focused = (page) => page.evaluate(() => document.activeElement?.dataset.control ?? null);

// The file once the browser has it whole: it downloads under another name, then renames it.
export function downloaded(folder, name) {
  return new Promise((resolve, reject) => {
    const watcher = watch(folder, { signal: AbortSignal.timeout(15000) }, () => look());
    watcher.on('close', () => reject(new Error(`${name} was not downloaded`)));
    const look = () => readdir(folder).then((names) => names.includes(name) && (watcher.close(), resolve(readFile(join(folder, name)))));
    look();
  });
}

// One browser and one server of the page for a test file: started before its tests, closed after.
export function sharedBrowser() {
  const shared = {};
  before(async () => {
    [shared.browser, shared.server] = await Promise.all([launch(), serve()]);
  });
  after(async () => {
    await shared.browser.close();
    await shared.server.close();
  });
  return shared;
}
