// SPDX-License-Identifier: MIT
// How long the page takes to show Starquill's first window, and how many
// bytes it costs, from tools/web/serve.py in headless chromium: cold (a fresh
// profile each round), sent plain and sent compressed as serve.py does, then,
// in the same profile after a browser restart, from the service worker's
// cache. The first window counts as shown in the first frame the browser
// draws in which the page's centre takes one of the entry window's colours.
//   node bench/web_load.mjs <site folder> [rounds]
import { freshProfile, launch } from '../tests/web/lib.mjs';
import { startServer } from '../tests/web/serve.mjs';
import fs from 'node:fs';
import zlib from 'node:zlib';

const site = process.argv[2];
const rounds = Number(process.argv[3] || 5);
// The entry window's colours (Look: PaleLavender, DarkPlum, Charcoal).
const windowColours = [[235, 227, 255], [51, 28, 48], [34, 37, 38]];
const near = (a, b) => a.every((v, i) => Math.abs(v - b[i]) <= 3);

// A PNG's pixels (8-bit RGB or RGBA, not interlaced, as Chromium writes them).
function decodePng(png) {
  const width = png.readUInt32BE(16);
  const height = png.readUInt32BE(20);
  const [depth, type, , , interlace] = png.subarray(24, 29);
  if (depth !== 8 || (type !== 2 && type !== 6) || interlace)
    throw new Error(`a PNG of depth ${depth}, type ${type}, interlace ${interlace}`);
  const channels = type === 6 ? 4 : 3;
  const parts = [];
  for (let at = 8; at < png.length;) {
    const length = png.readUInt32BE(at);
    if (png.toString('latin1', at + 4, at + 8) === 'IDAT')
      parts.push(png.subarray(at + 8, at + 8 + length));
    at += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(parts));
  const stride = width * channels;
  const data = Buffer.alloc(stride * height);
  // Each row undone from its filter (none, sub, up, average, Paeth).
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const row = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const left = x >= channels ? data[y * stride + x - channels] : 0;
      const up = y ? data[(y - 1) * stride + x] : 0;
      const corner = y && x >= channels ? data[(y - 1) * stride + x - channels] : 0;
      let add = 0;
      if (filter === 1) add = left;
      else if (filter === 2) add = up;
      else if (filter === 3) add = (left + up) >> 1;
      else if (filter === 4) {
        const p = left + up - corner;
        const [pa, pb, pc] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - corner)];
        add = pa <= pb && pa <= pc ? left : pb <= pc ? up : corner;
      }
      data[y * stride + x] = (row[x] + add) & 0xff;
    }
  }
  return { width, height, pixel: (x, y) => Array.from(data.subarray(y * stride + x * channels, y * stride + x * channels + 3)) };
}

// Milliseconds from asking for the page to the first frame the browser drew
// with the window in it: every frame comes to the benchmark as the browser
// draws it (CDP's screencast), stamped with the time it was shown.
async function firstWindow(page, address) {
  const { width, height } = page.viewport();
  // The middle, and a spot of the entry window's plain paper left of it: which
  // control lies in the very middle moves by a pixel or two with Qt's version.
  const spots = [[0, 0], [-149, -25]].map(([dx, dy]) => [Math.floor(width / 2) + dx, Math.floor(height / 2) + dy]);
  const cdp = await page.createCDPSession();
  const started = Date.now();
  let seenColours = [];
  const shown = new Promise((resolve) => {
    cdp.on('Page.screencastFrame', (frame) => {
      cdp.send('Page.screencastFrameAck', { sessionId: frame.sessionId }).catch(() => {});
      const image = decodePng(Buffer.from(frame.data, 'base64'));
      const scale = image.width / frame.metadata.deviceWidth;
      seenColours = spots.map(([x, y]) => image.pixel(Math.floor(x * scale), Math.floor((y + frame.metadata.offsetTop) * scale)));
      if (seenColours.some((colour) => windowColours.some((c) => near(c, colour))))
        resolve(Math.round(frame.metadata.timestamp * 1000 - started));
    });
  });
  await cdp.send('Page.startScreencast', { format: 'png', maxWidth: width, maxHeight: height });
  await page.goto(address);
  let timer;
  const late = new Promise((resolve, reject) => {
    timer = setTimeout(() => reject(new Error(`no window after 60 s (seen ${seenColours.join(' ')})`)), 60000);
  });
  try {
    return await Promise.race([shown, late]);
  } finally {
    clearTimeout(timer);
    await cdp.send('Page.stopScreencast').catch(() => {});
    await cdp.detach().catch(() => {});
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
