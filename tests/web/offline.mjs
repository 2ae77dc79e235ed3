// SPDX-License-Identifier: MIT
// The site as tools/web/serve.py serves it, and kept by its service worker:
// what the server sends for each Accept-Encoding; a cold visit in Debian's
// chromium and the bytes it costs; installability; a newer version taking
// over whole, never mixed with the older one, the reminder date kept; and a
// reload and a reading with the server stopped.
//   node tests/web/offline.mjs <site folder>
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import crypto from 'node:crypto';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import zlib from 'node:zlib';
import { allNodes, freshProfile, launch, stepper, waitForScreen, waitForTree } from './lib.mjs';
import { get, startServer } from './serve.mjs';

const site = process.argv[2];
assert.ok(site && fs.existsSync(`${site}/sw.js`), 'usage: node offline.mjs <site folder>');
const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');

// What a cold first visit may cost, every answer's body included.
const ColdBudget = 3.5e6;
// Where the program keeps its reminder date (Qt's local-storage key).
const ReminderKey = 'qt-v0-Starquill-StarquillFree-Settings/LastReminderDate';
const entryShown = (text) => text.includes('Date Of Birth');
// The windows as a screen reader meets them, from the page's tree: read in
// a moment, where reading the picture takes seconds on a busy machine. The
// picture is read where only it can tell: that the windows are drawn.
const windowsIn = (tree) => tree.children.filter((node) => ['dialog', 'alertdialog'].includes(node.role));
const entryIn = (tree) => windowsIn(tree).find((window) => window.role === 'dialog' && !window.modal &&
  allNodes(window).some((node) => node.role === 'textbox' && node.name === 'Name'));

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'starquill-offline-'));
const served = path.join(scratch, 'served');
// Times kept: the server tells a compressed copy's age by them.
fs.cpSync(site, served, { recursive: true, preserveTimestamps: true });
const failures = [];

const step = stepper(failures);

function decoded(body, encoding) {
  if (encoding === 'br')
    return zlib.brotliDecompressSync(body);
  if (encoding === 'gzip')
    return zlib.gunzipSync(body);
  return body;
}

const sha256 = (bytes) => crypto.createHash('sha256').update(bytes).digest('hex');

// The files the build's service worker keeps, with their digests.
function workerFiles(folder) {
  const source = fs.readFileSync(path.join(folder, 'sw.js'), 'utf8');
  return JSON.parse(/const files = (\{[\s\S]*?\});/.exec(source)[1]);
}

// What a version's cache must hold: every file of the site as laid out,
// with its SHA-256; the worker itself and the compressed copies aside.
function siteFiles(folder) {
  const held = {};
  for (const name of fs.readdirSync(folder))
    if (name !== 'sw.js' && !/\.(br|gz)$/.test(name))
      held[name] = sha256(fs.readFileSync(path.join(folder, name)));
  return held;
}

// An unsigned LEB128 number, as WebAssembly writes sizes.
function leb(n) {
  const bytes = [];
  do {
    bytes.push((n & 0x7f) | (n > 0x7f ? 0x80 : 0));
    n >>>= 7;
  } while (n);
  return Buffer.from(bytes);
}

// A newer version of the site in `to`: the page, the program's .js and its
// .wasm (a custom section more, which the engine ignores) all changed, and
// the service worker written by the build's own script for version `next`.
function nextVersion(from, to) {
  fs.cpSync(from, to, { recursive: true, preserveTimestamps: true });
  const change = (name, edit) => {
    const file = path.join(to, name);
    fs.writeFileSync(file, edit(fs.readFileSync(file)));
    for (const suffix of ['.br', '.gz'])
      fs.rmSync(file + suffix, { force: true });
  };
  change('index.html', (text) => String(text).replace('<title>', '<meta name="starquill-test" content="next">\n<title>'));
  change('StarquillFree.js', (text) => `${text}\nglobalThis.starquillTestBuild = 'next';\n`);
  change('StarquillFree.wasm', (wasm) => {
    const name = Buffer.from('starquill-test');
    const content = Buffer.concat([leb(name.length), name, Buffer.from('next')]);
    return Buffer.concat([wasm, Buffer.from([0]), leb(content.length), content]);
  });
  change('sw.js', (text) => text);
  execFileSync('cmake', [`-DSITE=${to}`, `-DFILES=${Object.keys(workerFiles(from)).join(';')}`, '-DVERSION=next',
                         `-DTEMPLATE=${root}/resources/web/sw.js.in`, `-DOUTPUT=${to}/sw.js`,
                         '-P', `${root}/cmake/WebWorker.cmake`]);
}

// In the page: asks the service worker for an update and answers what became
// of the new version ("installed", or "redundant" when its install failed).
function updateWorker(page) {
  return page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    const found = new Promise((resolve) => registration.addEventListener('updatefound', () => resolve(registration.installing), { once: true }));
    await registration.update();
    const worker = await found;
    return new Promise((resolve) => {
      const settled = () => ['installed', 'activated', 'redundant'].includes(worker.state) && resolve(worker.state);
      worker.addEventListener('statechange', settled);
      settled();
    });
  });
}

// In the page: each cache's name with the SHA-256 of every file it holds.
function cachesHeld(page) {
  return page.evaluate(async () => {
    const hex = (buffer) => Array.from(new Uint8Array(buffer), (b) => b.toString(16).padStart(2, '0')).join('');
    const held = {};
    for (const name of await caches.keys()) {
      const cache = await caches.open(name);
      held[name] = {};
      for (const request of await cache.keys()) {
        const body = await (await cache.match(request)).arrayBuffer();
        held[name][new URL(request.url).pathname.slice(1)] = hex(await crypto.subtle.digest('SHA-256', body));
      }
    }
    return held;
  });
}

let server = await startServer(served);
const profile = freshProfile();
let browser;
let printPageLog = () => {};

try {
  await step('the server: each file in the best encoding offered, decoded exactly; the .wasm as application/wasm', async () => {
    const types = { 'StarquillFree.wasm': 'application/wasm', 'StarquillFree.js': 'text/javascript; charset=utf-8',
                    'index.html': 'text/html; charset=utf-8', 'manifest.webmanifest': 'application/manifest+json' };
    // Accept-Encoding as sent, and the encoding that must come back.
    const offers = [
      ['gzip, deflate, br, zstd', 'br'], // Chromium's, also to 127.0.0.1
      ['gzip, deflate', 'gzip'],
      ['br;q=0.5, gzip', 'gzip'],
      ['gzip;q=0, *', 'br'],
      ['*;q=0.1, br;q=0', 'gzip'],
      ['identity', undefined],
      ['', undefined],
      ['br;q=0, gzip;q=0', undefined],
    ];
    for (const [name, type] of Object.entries(types)) {
      const original = fs.readFileSync(path.join(site, name));
      for (const [offer, encoding] of offers) {
        const { status, headers, body } = await get(server.address, '/' + name, { 'Accept-Encoding': offer });
        const what = `${name} for "${offer}"`;
        assert.equal(status, 200, what);
        assert.equal(headers['content-type'], type, what);
        assert.equal(headers['content-encoding'], encoding, what);
        assert.match(headers.vary || '', /\bAccept-Encoding\b/, what);
        assert.equal(Number(headers['content-length']), body.length, what);
        assert.ok(decoded(body, encoding).equals(original), `${what}: the body decoded is not the file`);
      }
    }
    // The plain file is smaller than its .br nowhere the build compresses.
    const wasm = await get(server.address, '/StarquillFree.wasm', { 'Accept-Encoding': 'br' });
    console.log(`  StarquillFree.wasm: ${fs.statSync(path.join(site, 'StarquillFree.wasm')).size} bytes, ` +
                `${fs.statSync(path.join(site, 'StarquillFree.wasm.gz')).size} gzip, ${wasm.body.length} brotli`);
    // A revalidation costs no body.
    const again = await get(server.address, '/StarquillFree.wasm', { 'Accept-Encoding': 'br', 'If-None-Match': wasm.headers.etag });
    assert.equal(again.status, 304);
    assert.equal(again.body.length, 0);
    // A compressed copy older than its file is an earlier build's: not sent.
    const page = path.join(served, 'index.html');
    const later = new Date(Date.now() + 5000);
    fs.utimesSync(page, later, later);
    const stale = await get(server.address, '/', { 'Accept-Encoding': 'br, gzip' });
    assert.equal(stale.headers['content-encoding'], undefined, 'a stale .br sent');
    assert.ok(stale.body.equals(fs.readFileSync(page)));
    for (const file of [page + '.br', page + '.gz'])
      fs.utimesSync(file, later, later);
    // Nothing outside the site.
    for (const outside of ['/../../../../etc/passwd', '/%2e%2e/%2e%2e/%2e%2e/%2e%2e/etc/passwd', '/.hidden', '/missing.js'])
      assert.equal((await get(server.address, outside)).status, 404, outside);
  });

  browser = await launch(profile);
  const page = await browser.newPage();
  // What the page says in its console, shown when a step fails.
  const pageLog = [];
  page.on('console', (message) => pageLog.push(`${message.type()}: ${message.text()}`));
  page.on('pageerror', (error) => pageLog.push(`uncaught: ${error.message}`));
  page.on('framenavigated', (frame) => frame === page.mainFrame() && pageLog.push(`navigated: ${frame.url()}`));
  printPageLog = () => failures.length && console.log(`The page's console, last lines:\n  ${pageLog.slice(-40).join('\n  ')}`);
  const wasmHeaders = [];
  page.on('response', (response) => {
    if (response.url().endsWith('.wasm'))
      wasmHeaders.push(response.headers());
  });

  await step('a cold visit: the window, the whole site kept, at most 3.5 MB sent; installable', async () => {
    // Every text of the loading line, as it comes.
    await page.evaluateOnNewDocument(() => {
      window.loadingLines = [];
      new MutationObserver((records) => {
        for (const record of records)
          if (record.target.id === 'message')
            window.loadingLines.push(...Array.from(record.addedNodes, (node) => node.textContent));
      }).observe(document, { subtree: true, childList: true });
    });
    const before = (await server.settled()).length;
    await page.goto(server.address);
    await waitForScreen(page, entryShown, 'the entry window', 60000);
    // The .wasm's bytes counted in percent up to the whole, though it came compressed.
    const lines = await page.evaluate(() => window.loadingLines);
    const percents = lines.map((line) => /(\d+) %$/.exec(line)).filter(Boolean).map((found) => Number(found[1]));
    assert.ok(percents.length > 2 && percents.at(-1) === 100, `the loading line: ${lines.join(' | ')}`);
    assert.ok(percents.every((p, i) => p <= 100 && (i === 0 || p >= percents[i - 1])), `${percents}`);
    assert.equal(wasmHeaders.length, 1, 'the .wasm fetched once');
    assert.equal(wasmHeaders[0]['content-type'], 'application/wasm');
    assert.equal(wasmHeaders[0]['content-encoding'], 'br');
    assert.match(wasmHeaders[0].vary, /\bAccept-Encoding\b/);
    const state = await page.evaluate(async () => (await navigator.serviceWorker.ready).active.state);
    assert.ok(['activating', 'activated'].includes(state), state);

    const cdp = await page.createCDPSession();
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
    const manifest = await cdp.send('Page.getAppManifest');
    assert.deepEqual(manifest.errors, []);
    // Each icon is as large as the manifest says (a PNG's IHDR).
    for (const icon of JSON.parse(manifest.data).icons) {
      const png = fs.readFileSync(path.join(site, icon.src));
      assert.equal(`${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`, icon.sizes, icon.src);
    }

    const held = await cachesHeld(page);
    assert.equal(Object.keys(held).length, 1, `one cache: ${Object.keys(held)}`);
    assert.deepEqual(Object.values(held)[0], siteFiles(site), 'the cache holds every file of the site');

    const answers = (await server.settled()).slice(before);
    const sent = answers.reduce((sum, answer) => sum + answer.bytes, 0);
    console.log(`  sent on the cold visit: ${sent} bytes in ${answers.length} answers: ` +
                answers.map((a) => `${a.path} ${a.status} ${a.encoding} ${a.bytes}`).join(', '));
    assert.ok(sent <= ColdBudget, `${sent} bytes sent, more than ${ColdBudget}`);
  });

  const storedDate = await page.evaluate((key) => localStorage.getItem(key), ReminderKey);
  const next = path.join(scratch, 'next');
  nextVersion(served, next);
  const oldCache = Object.keys(await cachesHeld(page))[0];

  await step('the second visit comes from the cache', async () => {
    const before = (await server.settled()).length;
    const notFromWorker = [];
    // The pictures of Qt's title bars are data: addresses, which no server answers.
    const fromWhere = (response) => response.fromServiceWorker() || response.url().startsWith('data:') ||
                                    notFromWorker.push(response.url());
    page.on('response', fromWhere);
    await page.reload();
    await waitForTree(page, entryIn, 'the entry window from the cache', 60000);
    page.off('response', fromWhere);
    assert.deepEqual(notFromWorker, [], 'answered by the server');
    // Chromium may ask the server beside a worker it is starting, but only
    // the worker's own update check may bring a body.
    const sent = (await server.settled()).slice(before).filter((answer) => answer.path !== '/sw.js' && answer.bytes);
    assert.deepEqual(sent, [], `sent by the server: ${JSON.stringify(sent)}`);
  });

  await step('a server halfway through an update: the new version refused, the old one kept', async () => {
    fs.copyFileSync(path.join(next, 'sw.js'), path.join(served, 'sw.js')); // the rest still the old version's
    assert.equal(await updateWorker(page), 'redundant');
    assert.deepEqual(Object.keys(await cachesHeld(page)), [oldCache]);
  });

  await step('a new version: stored whole, then taking over at the next start; the reminder date kept', async () => {
    fs.cpSync(next, served, { recursive: true, preserveTimestamps: true });
    for (const name of fs.readdirSync(served))
      if (!fs.existsSync(path.join(next, name)))
        fs.rmSync(path.join(served, name));
    assert.equal(await updateWorker(page), 'installed');
    const both = await cachesHeld(page);
    assert.deepEqual(both[oldCache], siteFiles(site), 'the running version\'s cache untouched');
    const newCache = Object.keys(both).find((name) => name !== oldCache);
    assert.deepEqual(both[newCache], siteFiles(next), 'the new version stored whole');
    // The running page is still wholly the old version.
    assert.equal(await page.evaluate(() => !!document.querySelector('meta[name=starquill-test]')), false);

    await page.reload(); // the old page hands over and starts again
    await waitForTree(page, entryIn, 'the entry window of the new version', 60000);
    const now = await page.evaluate(() => ({ page: !!document.querySelector('meta[name=starquill-test]'),
                                             program: globalThis.starquillTestBuild }));
    assert.deepEqual(now, { page: true, program: 'next' });
    assert.deepEqual(await cachesHeld(page), { [newCache]: siteFiles(next) }, 'only the new version kept');
    assert.ok(storedDate, 'a reminder date was stored');
    assert.equal(await page.evaluate((key) => localStorage.getItem(key), ReminderKey), storedDate);
    const windows = windowsIn(await waitForTree(page, (tree) => tree, 'the page\'s tree'));
    assert.deepEqual(windows.map((window) => window.role), ['dialog'], 'no reminder after the update, the entry window alone');
  });

  await step('with the server stopped: a reload shows the window, and a reading works', async () => {
    await server.stop();
    await assert.rejects(get(server.address), 'the server still answers');
    await page.reload();
    await waitForTree(page, entryIn, 'the entry window offline', 60000);
    await page.keyboard.type('Lucia');
    await page.keyboard.down('Alt');
    await page.keyboard.press('p'); // Find My Zodiac &Psyche Sign
    await page.keyboard.up('Alt');
    // On 1 January 1940, the date the lists show at first, Psyche was in Aquarius.
    await waitForScreen(page, (text) => text.includes('Aquarius'), 'the reading offline');
  });
} catch {
  // Reported by its step.
} finally {
  printPageLog();
  if (browser)
    await browser.close();
  await server.stop();
  fs.rmSync(profile, { recursive: true, force: true });
  fs.rmSync(scratch, { recursive: true, force: true });
}
console.log(failures.length ? `${failures.length} step(s) failed` : 'All steps passed');
process.exit(failures.length ? 1 : 0);
