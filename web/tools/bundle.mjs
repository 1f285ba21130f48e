// Makes the one-file page, varnesk.html: the page's modules and style, the worker with the core's
// module (its one-file build, the wasm inside) as inlined source for a Blob-URL worker, and the
// default population gzipped. Beside it, for a served copy: a web manifest, the icons and a
// service worker, so that the page installs and then works offline. Needs no network.
//
//   node tools/bundle.mjs --core path/to/varnesk_core.mjs [--out dist] [--population file]
//
// --core defaults to $VARNESK_CORE; --out to web/dist; --population to data/populacao.txt.
import { createHash } from 'node:crypto';
import { copyFile, mkdir, readFile, writeFile } from 'node:fs/promises';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';
import { gzipSync } from 'node:zlib';
import * as esbuild from 'esbuild';

const web = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const { values: options } = parseArgs({
  options: {
    core: { type: 'string', default: process.env.VARNESK_CORE },
    out: { type: 'string', default: join(web, 'dist') },
    population: { type: 'string', default: join(web, '../data/populacao.txt') },
  },
});
if (!options.core) {
  console.error('bundle: name the core module with --core FILE or VARNESK_CORE');
  process.exit(2);
}
const core = resolve(options.core);
const out = resolve(options.out);

// The worker imports the core as ./varnesk_core.mjs; here that is the module given.
const coreModule = {
  name: 'core-module',
  setup(build) {
    build.onResolve({ filter: /\/varnesk_core\.mjs$/ }, () => ({ path: core }));
  },
};

async function bundled(entry, { format = 'esm', plugins = [], define = {} } = {}) {
  const result = await esbuild.build({
    entryPoints: [join(web, 'page', entry)],
    bundle: true,
    format,
    define,
    platform: 'browser',
    target: 'es2022',
    write: false,
    logLevel: 'warning',
    // A module built for the web and for workers does not reach them, but may still name them.
    external: ['fs', 'path', 'url', 'module', 'crypto', 'worker_threads', 'node:*'],
    plugins,
  });
  return result.outputFiles[0].text;
}

// Text that is safe inside an inline <script>: no closing tag, no comment opener.
const inlineScript = (source) => source.replace(/<\/script/gi, '<\\/script').replace(/<!--/g, '<\\!--');
const jsString = (text) => JSON.stringify(text).replace(/</g, '\\u003c');

const [main, worker, style, population, guide, servedPage] = await Promise.all([
  bundled('main.js'),
  // A classic script for a Blob-URL worker; the module finds itself where the worker is.
  bundled('worker.js', { format: 'iife', plugins: [coreModule], define: { 'import.meta.url': 'self.location.href' } }),
  readFile(join(web, 'page/page.css'), 'utf8'),
  readFile(options.population),
  readFile(join(web, '../docs/guia.md'), 'utf8'),
  readFile(join(web, 'page/index.html'), 'utf8'),
]);

// The served page's own head (language, viewport, title, licence), written once in index.html;
// its stylesheet and script are what this file puts inline.
const pageHead = servedPage.slice(servedPage.indexOf('<head>\n') + 7, servedPage.indexOf('<link rel="stylesheet"'));

const icons = [
  { from: '256x256/apps/varnesk.png', to: 'icons/varnesk-256.png', sizes: '256x256', type: 'image/png' },
  { from: '128x128/apps/varnesk.png', to: 'icons/varnesk-128.png', sizes: '128x128', type: 'image/png' },
  { from: 'scalable/apps/varnesk.svg', to: 'icons/varnesk.svg', sizes: 'any', type: 'image/svg+xml' },
];

const html = `<!doctype html>
<html lang="pt-BR">
<head>
${pageHead}<link rel="icon" href="icons/varnesk.svg" type="image/svg+xml">
<style>
${style}</style>
<script>
globalThis.VARNESK_EMBEDDED = {
  population: ${jsString(gzipSync(population, { level: 9 }).toString('base64'))},
  worker: ${jsString(worker)},
  guide: ${jsString(guide)},
};
</script>
<script type="module">
${inlineScript(main)}</script>
</head>
<body>
<main id="desktop"></main>
</body>
</html>
`;

const manifest = {
  name: 'Varnesk',
  short_name: 'Varnesk',
  description: 'Estimativa Amostral da Taxa Média de Perda',
  lang: 'pt-BR',
  license: 'GPL-3.0-or-later',
  start_url: 'varnesk.html',
  scope: './',
  display: 'standalone',
  background_color: '#000040',
  theme_color: '#000080',
  icons: icons.map(({ to, sizes, type }) => ({ src: to, sizes, type })),
};

// A new page is a new cache: the old one goes when the new service worker takes over.
const files = ['varnesk.html', 'manifest.webmanifest', ...icons.map((i) => i.to)];
const serviceWorker = `// Keeps the installed page working offline: everything it needs is in one cache.
const CACHE = 'varnesk-${createHash('sha256').update(html).digest('hex').slice(0, 16)}';
const FILES = ${JSON.stringify(files.map((f) => `./${f}`))};
self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((key) => key !== CACHE).map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});
// ?semente=42 is the same page: the cache answers it without its query.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((hit) => hit ?? fetch(event.request)));
});
`;

await mkdir(join(out, 'icons'), { recursive: true });
await Promise.all([
  writeFile(join(out, 'varnesk.html'), html),
  writeFile(join(out, 'manifest.webmanifest'), `${JSON.stringify(manifest, null, 2)}\n`),
  writeFile(join(out, 'sw.js'), serviceWorker),
  ...icons.map(({ from, to }) => copyFile(join(web, '../packaging/icons/hicolor', from), join(out, to))),
]);
console.log(`${join(out, 'varnesk.html')}: ${(Buffer.byteLength(html) / 1e6).toFixed(1)} MB`);
