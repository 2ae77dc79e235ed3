// SPDX-License-Identifier: MIT
// Starquill's page in a real browser (Debian's chromium, driven through
// puppeteer-core): the road from a name and a date picked with the keyboard
// to the sign, a refused date, Back with the entries kept, a link in a new
// tab, a second tab refused, the end, and the reminder date kept across a
// reload and a browser restart. What the windows show is read from the
// picture (Tesseract); the page's own notices from its text.
//   node tests/web/walk.mjs <site folder>
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { click, freshProfile, launch, readScreen, serve, stepper, waitForScreen } from './lib.mjs';

const site = process.argv[2];
assert.ok(site && fs.existsSync(`${site}/index.html`), 'usage: node walk.mjs <site folder>');

// Where the program keeps its one setting: Qt's local-storage key for
// organisation "Starquill", application "StarquillFree", key Settings/LastReminderDate.
const ReminderKey = 'qt-v0-Starquill-StarquillFree-Settings/LastReminderDate';
// The maker's redirect for "Visit Us Online", from the program's list of addresses.
const HomeAddress = 'https://www.lanternsoftwares.com/starquill-free/ssd.php?page=home-page';
// 15 February 1960: Psyche entered Pisces on 6 January 1960 and Aries on 2 March.
const Birth = { day: 15, month: 2, year: 1960, sign: 'Pisces' };
const FirstYear = 1940;

const server = await serve(site);
const profile = freshProfile();
const profiles = [profile]; // removed once the last browser has closed
let browser = await launch(profile);
const failures = [];

async function key(page, name, times = 1) {
  for (let i = 0; i < times; ++i)
    await page.keyboard.press(name);
}

async function alt(page, letter) {
  await page.keyboard.down('Alt');
  await page.keyboard.press(letter);
  await page.keyboard.up('Alt');
}

async function waitForNotice(page, text, timeout = 15000) {
  await page.waitForFunction((wanted) => document.getElementById('message').textContent === wanted,
                             { timeout }, text);
}

// Runs `action`, which must open the maker's home page in a new tab; closes
// the tab again.
async function opensHomeInNewTab(page, action) {
  const opened = browser.waitForTarget((target) => target.url() === HomeAddress, { timeout: 15000 });
  opened.catch(() => {}); // a timeout while `action` still runs is reported below, by its step
  await action();
  const tab = await (await opened).page();
  if (tab)
    await tab.close();
  await page.bringToFront();
}

async function stored(page) {
  return page.evaluate((k) => localStorage.getItem(k), ReminderKey);
}

function today() {
  const now = new Date();
  const two = (n) => String(n).padStart(2, '0');
  return `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
}

// After a failure, a picture of every page still open, to see what went wrong.
const step = stepper(failures, async () => {
  if (!process.env.STARQUILL_SHOTS)
    return;
  let n = 0;
  for (const open of await browser.pages())
    await open.screenshot({ path: `${process.env.STARQUILL_SHOTS}/failed-${failures.length}-${++n}.png` })
      .catch(() => {});
});

const entryShown = (text) => text.includes('Date Of Birth');

try {
  const page = await browser.newPage();

  await step('first start: the entry window, no question, the date stored', async () => {
    await page.goto(server.address_);
    const text = await waitForScreen(page, entryShown, 'the entry window', 60000);
    assert.ok(!text.includes('update'), `no reminder on the first start: ${text}`);
    assert.match(await stored(page), new RegExp(`^"?${today()}T`));
  });

  await step('a refused date and its message, answered with the mouse', async () => {
    // The name box has the focus; the lists follow in tab order.
    await page.keyboard.type('Lucia');
    await key(page, 'Tab');
    await key(page, 'End'); // 31
    await key(page, 'Tab');
    await key(page, 'Home');
    await key(page, 'ArrowDown', Birth.month - 1); // February
    await key(page, 'Tab');
    await key(page, 'Home');
    await key(page, 'ArrowDown', Birth.year - FirstYear);
    await alt(page, 'p'); // Find My Zodiac &Psyche Sign
    await waitForScreen(page, (text) => text.includes('Correct Date'), 'the refused date');
    await click(page, 'OK');
    const text = await waitForScreen(page, (t) => !t.includes('Correct Date'), 'the message answered');
    assert.ok(entryShown(text) && !text.includes(Birth.sign), `still the entry window: ${text}`);
  });

  await step('the road: a date picked with the keyboard, Find, the sign', async () => {
    // The focus is back on the year list, two before the day list.
    await page.keyboard.down('Shift');
    await key(page, 'Tab', 2);
    await page.keyboard.up('Shift');
    await key(page, 'Home');
    await key(page, 'ArrowDown', Birth.day - 1);
    await alt(page, 'p');
    await waitForScreen(page, (text) => text.includes(Birth.sign), 'the sign');
  });

  await step('a link opens its redirect address in a new tab', async () => {
    await opensHomeInNewTab(page, async () => {
      await alt(page, 'h'); // &Help
      await key(page, 'v'); // &Visit Us Online
    });
  });

  await step('Back returns to the entry window with the entries kept', async () => {
    await alt(page, 'b');
    const text = await waitForScreen(page, entryShown, 'the entry window again');
    // The name box shows names in capitals. Tesseract does not read the
    // lists reliably: the same sign again says the date was kept (on 1
    // January 1940, what the lists hold at first, Psyche was in Aquarius).
    assert.ok(text.includes('LUCIA'), `the name kept: ${text}`);
    await alt(page, 'p');
    await waitForScreen(page, (t) => t.includes(Birth.sign), 'the same sign from the kept entries');
  });

  await step('a label clicked with the mouse opens its address in a new tab', async () => {
    await opensHomeInNewTab(page, () => click(page, 'forum')); // "Join our forum at ..." along the top
  });

  await step('the About box: modal, opened from the keyboard, closed with Escape', async () => {
    await alt(page, 'b'); // back to the entry window
    await waitForScreen(page, entryShown, 'the entry window');
    await alt(page, 'h');
    await key(page, 'a'); // &About Software
    await waitForScreen(page, (text) => text.includes('Goddess of the Soul'), 'the About box');
    await alt(page, 'p'); // the window behind takes no keys while the box is up
    await key(page, 'Escape');
    const text = await waitForScreen(page, (t) => !t.includes('Goddess of the Soul'), 'the About box closed');
    assert.ok(entryShown(text) && !text.includes(Birth.sign), `the entry window, no reading: ${text}`);
    await alt(page, 'p');
    await waitForScreen(page, (t) => t.includes(Birth.sign), 'the sign again');
  });

  await step('a second tab is refused and ends; the first is untouched', async () => {
    const second = await browser.newPage();
    await second.goto(server.address_);
    await waitForScreen(second, (text) => text.includes('already running'), 'the refusal', 60000);
    await key(second, 'Enter');
    await waitForNotice(second, 'Starquill has ended.');
    await second.close();
    await page.bringToFront();
    const text = await readScreen(page);
    assert.ok(text.includes(Birth.sign), `the first tab still shows the sign: ${text}`);
  });

  await step('End on the exit screen ends the program; the page offers to start again', async () => {
    await alt(page, 'e'); // &Exit: the exit screen
    await waitForScreen(page, (text) => !text.includes(Birth.sign) && !entryShown(text), 'the exit screen');
    await key(page, 'Enter'); // its Exit button has the focus
    await waitForNotice(page, 'Starquill has ended.');
    assert.equal(await page.$eval('#again', (b) => b.hidden), false);
  });

  await step('the reminder: asked when due, answered with Escape, stored across a reload', async () => {
    const monthAgo = new Date(Date.now() - 30 * 86400000).toISOString().slice(0, 19);
    await page.evaluate((k, v) => localStorage.setItem(k, v), ReminderKey, monthAgo);
    // Starts again: a reload. A picture asked for while the page is being
    // replaced can wait for good in headless Chromium: the new page first.
    await Promise.all([page.waitForNavigation({ waitUntil: 'load' }), page.click('#again')]);
    await waitForScreen(page, (text) => text.includes('check for an update'), 'the question', 60000);
    await key(page, 'Escape'); // No
    await waitForScreen(page, entryShown, 'the entry window after the question');
    assert.match(await stored(page), new RegExp(`^"?${today()}T`));
    await page.reload();
    const text = await waitForScreen(page, entryShown, 'the entry window after a reload', 60000);
    assert.ok(!text.includes('update'), `no question after a reload: ${text}`);
  });

  await step('the reminder date survives a browser restart', async () => {
    const before = await stored(page);
    await browser.close();
    browser = await launch(profile);
    const page2 = (await browser.pages())[0] || (await browser.newPage());
    await page2.goto(server.address_);
    const text = await waitForScreen(page2, entryShown, 'the entry window after a restart', 60000);
    assert.ok(!text.includes('update'), `no question after a restart: ${text}`);
    assert.equal(await stored(page2), before);
  });
  await step("the browser's languages choose the program's", async () => {
    await browser.close();
    profiles.push(freshProfile());
    browser = await launch(profiles.at(-1), { languages: ['es-ES', 'es', 'en'] });
    const page3 = await browser.newPage();
    await page3.goto(server.address_);
    const text = await waitForScreen(page3, (t) => t.includes('Nacimiento'), 'the entry window in Spanish', 60000);
    assert.ok(text.includes('Nombre'), `Spanish: ${text}`);
    // The page's own texts follow the same choice.
    assert.equal(await page3.evaluate(() => document.documentElement.lang), 'es');
    assert.equal(await page3.$eval('#again', (b) => b.textContent), 'Volver a iniciar Starquill');
  });
} catch {
  // Reported by its step.
} finally {
  await browser.close();
  server.close();
  for (const folder of profiles)
    fs.rmSync(folder, { recursive: true, force: true });
}
console.log(failures.length ? `${failures.length} step(s) failed` : 'All steps passed');
process.exit(failures.length ? 1 : 0);
