// SPDX-License-Identifier: MIT
// How long the page takes to show Starquill's first window, and how many
// bytes it costs, from a local server in headless chromium with a cold cache
// (a fresh profile each round). The first window counts as shown when the
// page's centre takes one of the entry window's colours. The server sends
// the files plain or gzipped, as most static hosts do.
//   node bench/web_load.mjs <site folder> [rounds]
import { freshProfile, launch, serve } from '../tests/web/lib.mjs';
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

async function round(gzip) {
  const server = await serve(site, { gzip });
  const profile = freshProfile();
  const browser = await launch(profile);
  try {
    const page = await browser.newPage();
    const { width, height } = page.viewport();
    const started = Date.now();
    await page.goto(server.address_);
    for (;;) {
      const colour = await pixel(page, Math.floor(width / 2), Math.floor(height / 2));
      if (windowColours.some((c) => near(c, colour)))
        break;
      if (Date.now() - started > 60000)
        throw new Error(`no window after 60 s (centre ${colour})`);
      await new Promise((resolve) => setTimeout(resolve, 20));
    }
    return { ms: Date.now() - started, bytes: server.sent };
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

console.log(`First window, cold cache, median of ${rounds} rounds`);
console.log('served      first window ms   bytes sent');
for (const gzip of [false, true]) {
  const results = [];
  for (let i = 0; i < rounds; ++i)
    results.push(await round(gzip));
  const ms = median(results.map((r) => r.ms));
  const bytes = median(results.map((r) => r.bytes));
  console.log(`${gzip ? 'gzipped' : 'plain  '}     ${String(ms).padStart(15)}   ${String(bytes).padStart(10)}` +
              `   (each: ${results.map((r) => r.ms).join(' ')})`);
}
