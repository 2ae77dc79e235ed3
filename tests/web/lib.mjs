// SPDX-License-Identifier: MIT
// What the web tests and the load benchmark share: a static server for the
// site that counts what it sends, Debian's chromium started with a fresh
// profile, reading the page's picture, reading the page's accessibility
// tree, and the places of the controls in the program's copy of it.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import puppeteer from 'puppeteer-core';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
};

// Serves `site` on 127.0.0.1 at a free port, gzipped to clients that accept
// it when `gzip` is set (as most static hosts do). `sent` counts the bytes
// of every answer's body as sent.
export async function serve(site, { gzip = false } = {}) {
  const files = new Map();
  for (const name of fs.readdirSync(site)) {
    const body = fs.readFileSync(path.join(site, name));
    files.set('/' + name, { body, zipped: gzip ? zlib.gzipSync(body, { level: 9 }) : null,
                            type: types[path.extname(name)] || 'application/octet-stream' });
  }
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    const file = files.get(url.pathname === '/' ? '/index.html' : url.pathname);
    if (!file) {
      response.writeHead(404).end();
      return;
    }
    const zipped = file.zipped && /\bgzip\b/.test(request.headers['accept-encoding'] || '');
    const body = zipped ? file.zipped : file.body;
    const headers = { 'Content-Type': file.type, 'Content-Length': body.length, 'Cache-Control': 'no-cache' };
    if (zipped)
      headers['Content-Encoding'] = 'gzip';
    response.writeHead(200, headers);
    response.end(body);
    server.sent += body.length;
  });
  server.sent = 0;
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  server.address_ = `http://127.0.0.1:${server.address().port}/`;
  return server;
}

export function freshProfile() {
  return fs.mkdtempSync(path.join(os.tmpdir(), 'starquill-chromium-'));
}

// Debian's chromium, headless, drawing WebGL in software. Popups are blocked
// as in an ordinary browser, so a link opens only from the user's own click
// or key.
export async function launch(profile, { languages, extraArgs = [] } = {}) {
  const args = ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
                '--disable-background-networking', '--disable-component-update', '--disable-sync',
                '--no-first-run', '--disable-gpu-sandbox'];
  if (languages)
    args.push(`--lang=${languages[0]}`, `--accept-lang=${languages.join(',')}`);
  args.push(...extraArgs);
  return puppeteer.launch({
    executablePath: process.env.STARQUILL_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    ignoreDefaultArgs: ['--disable-popup-blocking'],
    args,
    defaultViewport: { width: 1024, height: 768, deviceScaleFactor: 2 },
  });
}

// What Tesseract reads in one picture of the page, once per list of
// arguments: Qt draws the windows' contents into a canvas, of which the
// page's text holds nothing.
async function ocr(page, ...runs) {
  const picture = path.join(os.tmpdir(), `starquill-screen-${process.pid}.png`);
  await page.screenshot({ path: picture });
  try {
    return runs.map((args) => execFileSync('tesseract', [picture, 'stdout', ...args],
                                           { stdio: ['ignore', 'pipe', 'ignore'] }).toString());
  } finally {
    fs.rmSync(picture, { force: true });
  }
}

// Asks `probe` every 250 ms until it answers something truthy, which is
// returned, or `timeout` ms have passed (null).
async function poll(probe, timeout) {
  for (const end = Date.now() + timeout; Date.now() < end;) {
    const answer = await probe();
    if (answer)
      return answer;
    await new Promise((resolve) => setTimeout(resolve, 250));
  }
  return null;
}

// The page's text, read twice, as a page of text and as scattered text: each
// finds words the other misses (the first the light text of the name box, the
// second the labels). Blanks and line ends fold into one blank.
export async function readScreen(page) {
  return (await ocr(page, ['--psm', '3'], ['--psm', '11'])).join(' ').replace(/\s+/g, ' ');
}

// The middle of the element of a window's copy (the program's copy of its
// accessibility tree, each element laid over its control) with this role
// and name, the last one of a window shown, as the mouse and a touch take
// it (by the visual viewport, which may lie scrolled over the layout); null
// while there is none.
export function spotOf(page, role, name) {
  return page.evaluate((role, name) => {
    const fold = (text) => text.replace(/\s+/g, ' ').trim();
    const matches = [];
    const visit = (root) => {
      for (const element of root.querySelectorAll('*')) {
        const isRole = role === 'combobox' ? element.localName === 'select' : element.getAttribute('role') === role;
        const said = element.getAttribute('aria-label') ?? element.textContent;
        if (isRole && fold(said) === name && element.closest('.starquill-a11y') &&
            !element.closest('[hidden]') && getComputedStyle(element.closest('.qt-window')).display !== 'none')
          matches.push(element);
        if (element.shadowRoot)
          visit(element.shadowRoot);
      }
    };
    visit(document);
    const element = matches.at(-1);
    const box = element?.getBoundingClientRect();
    // An element laid out nowhere gives no place.
    if (!box || !box.width || !box.height)
      return null;
    const seen = window.visualViewport;
    return { x: box.left + box.width / 2 - seen.offsetLeft, y: box.top + box.height / 2 - seen.offsetTop };
  }, role, name);
}

// Waits for the control of this role and name in a window's copy and
// clicks its place with the mouse. The copy takes no clicks itself: the
// click lands on Qt's canvas, where the control is drawn.
export async function clickOn(page, role, name, timeout = 15000) {
  const spot = await poll(() => spotOf(page, role, name), timeout);
  if (!spot)
    throw new Error(`${role} "${name}" to click: not in a window's copy within ${timeout} ms`);
  await page.mouse.click(spot.x, spot.y);
}

// Waits until what the page shows satisfies `test`; returns the text read.
// A picture asked for while the page is being replaced (a reload the page
// makes itself) fails or never comes: that is a picture not seen yet.
const replacing = /Not attached to an active page|captureScreenshot timed out|Execution context was destroyed|Target closed/;

export async function waitForScreen(page, test, what, timeout = 30000) {
  let text = '';
  let read = '';
  let missed = 0;
  let lastMiss = '';
  const look = async () => {
    try {
      return (read = await readScreen(page));
    } catch (error) {
      if (!replacing.test(error.message))
        throw error;
      ++missed;
      lastMiss = error.message;
      return '';
    }
  };
  if (!(await poll(async () => test(text = await look()), timeout))) {
    const pictures = missed ? `; ${missed} picture(s) not taken, the last: ${lastMiss}` : '';
    throw new Error(`${what}: not seen within ${timeout} ms; the page last read: ${read}${pictures}; ` +
                    `the page: ${await pageState(page)}`);
  }
  return text;
}

// Where the page stands, for a failure's message: its address, the loading
// line, the program's instance state and the service worker in control, or
// why that could not be asked.
async function pageState(page) {
  const asked = page.evaluate(() => JSON.stringify({
    address: location.href, ready: document.readyState,
    notice: getComputedStyle(document.getElementById('notice')).display !== 'none' &&
            document.getElementById('message').textContent,
    instance: window.starquillInstance, build: globalThis.starquillTestBuild,
    controller: navigator.serviceWorker && navigator.serviceWorker.controller?.state,
  }));
  const late = new Promise((resolve) => setTimeout(() => resolve('no answer within 5 s'), 5000));
  return Promise.race([asked, late]).catch((error) => `not asked: ${error.message}`);
}

// The page as Chromium hands it to a screen reader: its accessibility tree
// (CDP's Accessibility.getFullAXTree), folded as a reader presents it. Nodes
// Chromium leaves out of it, and unnamed containers, give their children to
// their parent; a control keeps no text nodes of its own, as it is named by
// them; a list's options hang from the list. Each node: role, name, value,
// description, the states that are set (focused, disabled, modal, checked,
// multiline) and children.
const sessions = new WeakMap();
const passedThrough = new Set(['generic', 'none', 'presentation', 'MenuListPopup', 'LineBreak', 'Canvas']);
const namedByText = new Set(['button', 'link', 'menuitem', 'checkbox', 'option', 'textbox', 'combobox',
                             'MenuListOption', 'heading']);
const states = ['focused', 'disabled', 'modal', 'checked', 'multiline'];

export async function readTree(page) {
  if (!sessions.has(page))
    sessions.set(page, await page.createCDPSession());
  const { nodes } = await sessions.get(page).send('Accessibility.getFullAXTree');
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  const fold = (id) => {
    const node = byId.get(id);
    if (!node)
      return [];
    const role = node.role?.value || '';
    if (role === 'InlineTextBox')
      return [];
    let children = (node.childIds || []).flatMap(fold);
    const name = node.name?.value || '';
    if (node.ignored || (passedThrough.has(role) && !name))
      return children;
    if (namedByText.has(role))
      children = children.filter((child) => child.role !== 'text');
    const folded = { role: { StaticText: 'text', MenuListOption: 'option' }[role] || role, name,
                     value: String(node.value?.value ?? ''), description: node.description?.value || '',
                     children };
    for (const property of node.properties || [])
      if (states.includes(property.name) && property.value.value === true)
        folded[property.name] = true;
    return [folded];
  };
  return fold(nodes[0].nodeId)[0];
}

// Every node of a tree, in the order a reader meets them.
export function allNodes(node) {
  return [node, ...node.children.flatMap(allNodes)];
}

// One line a node, indented two blanks a level: role "name", = "value"
// where there is one, : "description", a list's options as [first .. last:
// count], then its states. Runs of blanks fold into one, as a reader says them.
export function describeTree(node, depth = 0) {
  const q = (text) => JSON.stringify(text.replace(/\s+/g, ' ').trim());
  const options = node.children.filter((child) => child.role === 'option');
  let line = `${'  '.repeat(depth)}${node.role} ${q(node.name)}`;
  if (node.value || ['textbox', 'combobox'].includes(node.role))
    line += ` = ${q(node.value)}`;
  if (node.description)
    line += ` : ${q(node.description)}`;
  if (options.length)
    line += ` [${options[0].name} .. ${options.at(-1).name}: ${options.length}]`;
  for (const state of states)
    if (node[state])
      line += ` ${state}`;
  return [line, ...node.children.filter((child) => child.role !== 'option')
    .flatMap((child) => describeTree(child, depth + 1))];
}

// Waits until the tree satisfies `test` (which answers something truthy,
// returned); the tree read last is in the error otherwise.
export async function waitForTree(page, test, what, timeout = 30000) {
  let tree = null;
  // A tree asked for while the page replaces itself is a tree not read yet.
  const look = async () => {
    try {
      return (tree = await readTree(page));
    } catch (error) {
      if (replacing.test(error.message))
        return null;
      throw error;
    }
  };
  const answer = await poll(async () => {
    const read = await look();
    return read && test(read);
  }, timeout);
  if (!answer)
    throw new Error(`${what}: not in the page's tree within ${timeout} ms; it read:\n` +
                    (tree ? describeTree(tree).join('\n') : '(nothing)'));
  return answer;
}

// A test's steps, each run in turn: PASS or FAIL with its time, a failed one's
// name kept in `failures`, and `onFailure` run before its error goes on.
export function stepper(failures, onFailure = async () => {}) {
  return async (name, body) => {
    const started = Date.now();
    try {
      await body();
      console.log(`PASS ${name} (${Date.now() - started} ms)`);
    } catch (error) {
      failures.push(name);
      console.log(`FAIL ${name}: ${error.message}`);
      await onFailure();
      throw error;
    }
  };
}
