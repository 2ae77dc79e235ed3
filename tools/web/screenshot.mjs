// SPDX-License-Identifier: MIT
// The README's picture of the page (docs/web-entry-window.png): the entry
// window in Chromium, 800 x 600.
//   node tools/web/screenshot.mjs <site folder> <picture.png>
import fs from 'node:fs';
import { freshProfile, launch, serve, waitForScreen } from '../../tests/web/lib.mjs';

const [site, picture] = process.argv.slice(2);
const server = await serve(site);
const profile = freshProfile();
const browser = await launch(profile);
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 800, height: 600, deviceScaleFactor: 1 });
  await page.goto(server.address_);
  await waitForScreen(page, (text) => text.includes('Date Of Birth'), 'the entry window', 60000);
  await page.screenshot({ path: picture });
} finally {
  await browser.close();
  server.close();
  fs.rmSync(profile, { recursive: true, force: true });
}
