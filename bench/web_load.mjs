// SPDX-License-Identifier: MIT
// How long the page takes to show Starquill's first window, and how many
// bytes it costs, from tools/web/serve.py in headless chromium: cold (a fresh
// profile each round), sent plain and sent compressed as serve.py does, then,
// in the same profile after a browser restart, from the service worker's
// cache. The first window counts as shown when the page's centre takes one
// of the entry window's colours.
//   node bench/web_load.mjs <site folder> [rounds]
import { freshProfile, launch } from '../tests/web/lib.mjs';
import { startServer } from '../tests/web/serve.mjs';
import fs from 'node:fs';

const site = process.argv[2];
const rounds = Number(process.argv[3] || 5);
// The entry window's colours (Look: PaleLavender, DarkPlum, Charcoal).
const windowColours = [[235, 227, 255], [51, 28, 48], [34, 37, 38]];
const near = (a, b) => a.every((v, i) => Math.abs(v - b[i]) <= 3);

// The colour of one pixel of the page as shown (CSS pixels).
async function pixel(page, x, y) {
  const png = await page.screenshot({ clip: { x, y, width: 1, height: 1 }, encoding: 'base64' });
  return page.evaluate(async (data) => {
    const bytes = Uint8Array.from(atob(data), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    const canvas = new OffscreenCanvas(1, 1);
    const context = canvas.getContext('2d');
    context.drawImage(bitmap, 0, 0, 1, 1);
    return Array.from(context.getImageData(0, 0, 1, 1).data.slice(0, 3));
  }, png);
}

// Milliseconds from asking for the page to its first window.
async function firstWindow(page, address) {
  const { width, height } = page.viewport();
  const started = Date.now();
  await page.goto(address);
  // The middle, and a spot of the entry window's plain paper left of it: which
  // control lies in the very middle moves by a pixel or two with Qt's version.
  const spots = [[0, 0], [-149, -25]].map(([dx, dy]) => [Math.floor(width / 2) + dx, Math.floor(height / 2) + dy]);
  for (;;) {
    const colours = [];
    for (const [x, y] of spots)
      colours.push(await pixel(page, x, y));
    if (colours.some((colour) => windowColours.some((c) => near(c, colour))))
      return Date.now() - started;
    if (Date.now() - started > 60000)
      throw new Error(`no window after 60 s (seen ${colours.join(' ')})`);
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
}

const sentSince = async (server, before) =>
  (await server.settled()).slice(before).reduce((sum, answer) => sum + answer.bytes, 0);

// One round: the cold visit and, when `cached`, the visit after a restart.
async function round(plain, cached) {
  const server = await startServer(site, plain ? ['--plain'] : []);
  const profile = freshProfile();
  let browser = await launch(profile);
  try {
    const cold = { ms: await firstWindow(await browser.newPage(), server.address), bytes: await sentSince(server, 0) };
    if (!cached)
      return [cold];
    // The service worker has kept the site once it is ready.
    await (await browser.pages()).at(-1).evaluate(() => navigator.serviceWorker.ready);
    await browser.close();
    browser = await launch(profile);
    const before = (await server.settled()).length;
    const page = (await browser.pages())[0] || (await browser.newPage());
    const ms = await firstWindow(page, server.address);
    return [cold, { ms, bytes: await sentSince(server, before) }];
  } finally {
    await browser.close();
    await server.stop();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

function report(what, results) {
  const ms = median(results.map((r) => r.ms));
  const bytes = median(results.map((r) => r.bytes));
  console.log(`${what.padEnd(26)} ${String(ms).padStart(15)}   ${String(bytes).padStart(10)}` +
              `   (each: ${results.map((r) => r.ms).join(' ')})`);
}

console.log(`First window, median of ${rounds} rounds`);
console.log('served                     first window ms   bytes sent');
const plain = [];
const cold = [];
const cached = [];
for (let i = 0; i < rounds; ++i) {
  plain.push((await round(true, false))[0]);
  const [first, second] = await round(false, true);
  cold.push(first);
  cached.push(second);
}
report('plain, cold', plain);
report('compressed, cold', cold);
report('from the worker\'s cache', cached);
