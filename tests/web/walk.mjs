// SPDX-License-Identifier: MIT
// Starquill's page in a real browser (Debian's chromium, driven through
// puppeteer-core): the road from a name and a date picked with the keyboard
// to the sign, a refused date, Back with the entries kept, a link in a new
// tab, a second tab refused, the end, and the reminder date kept across a
// reload and a browser restart. What the windows hold is read from the
// page's accessibility tree, which the program fills with a copy of each
// window (lib.mjs readTree); the mouse finds a control by its element in
// that copy. The picture (Tesseract) is read only to see the windows drawn.
//   node tests/web/walk.mjs <site folder>
// With STARQUILL_SHOTS set to a folder, a picture of every page open goes
// there after a failed step.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { allNodes, clickOn, freshProfile, launch, readTree, serve, stepper, waitForScreen,
         waitForTree } from './lib.mjs';

const site = process.argv[2];
assert.ok(site && fs.existsSync(`${site}/index.html`), 'usage: node walk.mjs <site folder>');

// Where the program keeps its one setting: Qt's local-storage key for
// organisation "Starquill", application "StarquillFree", key Settings/LastReminderDate.
const ReminderKey = 'qt-v0-Starquill-StarquillFree-Settings/LastReminderDate';
// The maker's redirect for "Visit Us Online", from the program's list of addresses.
const HomeAddress = 'https://www.lanternsoftwares.com/starquill-free/ssd.php?page=home-page';

// What the windows show, as typed from them.
const Caption = 'Starquill v1.15';
const Title = 'Starquill';
const Forum = 'Join our forum at www.lanternsoftwares.com';
const Typed = { name: 'Lucia', shown: 'LUCIA' }; // the name box shows names in capitals
// 31 February 1960, refused.
const Refused = { day: 31, month: 2, year: 1960, lists: ['31', 'February', '1960'],
                  message: 'Please Enter Correct Date Or Month!' };
// 15 February 1960: Psyche entered Pisces on 6 January 1960 and Aries on 2 March.
const Birth = { day: 15, month: 2, year: 1960, lists: ['15', 'February', '1960'],
                reading: ['Psyche in your Chart is Placed in', 'Pisces',
                          'You do not like a routine and look for the extra something in your partner. ' +
                          'You have a lot of expectations from your partner.'] };
const Sign = Birth.reading[1];
const FirstYear = 1940;
const Ended = 'Starquill has ended.';
const AlreadyRunning = { text: 'Application is already running', buttons: ['OK'] };
const Reminder = { text: 'There maybe an update to this software available Do you want to check for an update?',
                   buttons: ['Yes', 'No'] };
// The About box, its controls and texts in order.
const About = [
  'image "Starquill icon"',
  `text "${Caption}"`,
  'text "Starquill describes the placement of the asteroid Psyche in your birth chart. This asteroid is also ' +
    'known as the Goddess of the Soul. This sign helps you understand yourself and know your soul, mind and ' +
    'self better with respect to your partners in relationships. All rights to this software are reserved by ' +
    'www.lanternsoftwares.com."',
  'link "Click here to visit www.lanternsoftwares.com"',
  'text "Home Business Opportunity. Start your own Internet business and make money online. Get this ' +
    'software fully branded for your website."',
  'link "Click here for more details"',
  'button "OK"',
];
// The exit screen, in order; its plea for support is one of four, drawn at random.
const Pleas = [
  'Programs like this one can only be created and maintained with your support. The best way to support us ' +
    'is to visit our discussion board at www.lanternsoftwares.com regularly and take part in its discussions ' +
    'and other activities.',
  'Please visit www.lanternsoftwares.com regularly and support it by taking part in its discussions and ' +
    'other activities. Without your regular visits we cannot support and maintain programs like this one.',
  'www.lanternsoftwares.com is a free online discussion forum on astrology. Please visit it regularly to ' +
    'help us develop and maintain this program.',
  'www.lanternsoftwares.com needs your help. Visit it regularly and take part in its discussions and ' +
    'activities, so that we can maintain this program and develop more programs of the Lantern Softwares family.',
];
const ExitScreen = [
  'image "Starquill icon"',
  `text "${Caption}"`,
  (line) => Pleas.some((plea) => line === `text "${plea}"`),
  'checkbox "Click Here To Visit www.lanternsoftwares.com Now"',
  'button "Exit"',
  'group "Refer A Friend"',
  'textbox "Your Name"', 'textbox "Your Email Address"', 'textbox "Friend\'s Name"',
  'textbox "Friend\'s Email Address"', 'button "Refer A Friend Now"', 'textbox "Your Message"',
  'group "Download Lantern Softwares"',
  'text "If you have enjoyed this software you will surely be interested in our other Lantern Softwares. ' +
    'From a single software, we have now grown to become the world’s largest resource of lantern softwares. ' +
    'Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our ' +
    'users a wide choice depending on their interests. All the programs in the Lantern Softwares suite are ' +
    'simple and easy to use. They are not only fun to use but also very informative. Try them out today and ' +
    'share your experience with your friends and family."',
  'link "Click Here To Visit Lantern Softwares"',
];
// The entry window in Spanish, for a browser that asks for it.
const Spanish = { name: 'Nombre', birth: 'Nacimiento', lists: ['Día', 'Mes', 'Año'], month: 'Enero',
                  buttons: ['Descubrir mi signo de Psique', 'Salir'], again: 'Volver a iniciar Starquill' };

const fold = (text) => text.replace(/\s+/g, ' ').trim();
const said = (node) => `${node.role} "${fold(node.name)}"`;
const nodesIn = (node) => (node ? allNodes(node) : []);

// The windows a reader reaches, the page's own notice after the end among them.
const windowsIn = (tree) => tree.children.filter((node) => ['dialog', 'alertdialog', 'status'].includes(node.role));
const windowIn = (tree, test) => windowsIn(tree).find(test) || null;
const holds = (window, role, name) => nodesIn(window).some((node) => node.role === role && fold(node.name) === name);
const entryIn = (tree) => windowIn(tree, (w) => w.role === 'dialog' && !w.modal && holds(w, 'textbox', 'Name'));
const readingIn = (tree) => windowIn(tree, (w) => w.role === 'dialog' && !w.modal && holds(w, 'button', 'Back'));
const aboutIn = (tree) => windowIn(tree, (w) => w.role === 'dialog' && w.modal && holds(w, 'button', 'OK'));
const exitIn = (tree) => windowIn(tree, (w) => w.role === 'dialog' && holds(w, 'group', 'Refer A Friend'));
const messageIn = (tree) => windowIn(tree, (w) => w.role === 'alertdialog');
const endedIn = (tree) => windowIn(tree, (w) => w.role === 'status' && holds(w, 'text', Ended));

// What the entry window holds: the name box and the three lists, by their names.
function entries(window) {
  const value = (role, name) => nodesIn(window).find((node) => node.role === role && node.name === name)?.value;
  return { name: value('textbox', 'Name'), lists: ['Date', 'Month', 'Year'].map((name) => value('combobox', name)) };
}
// The reading's texts, in order.
const readingOf = (window) => nodesIn(window).filter((node) => node.role === 'text').map((node) => fold(node.name));
// A message box: its caption, its message and its buttons.
const messageOf = (box) => ({ title: box.name, text: fold(box.description),
                              buttons: nodesIn(box).filter((node) => node.role === 'button').map((node) => node.name) });
const windowsSaid = (tree) => windowsIn(tree).map(said).join(', ') || 'none';

// Compares a window's nodes, below the window itself, with `wanted`, one
// line or test each.
function assertNodes(window, wanted, what) {
  const lines = nodesIn(window).slice(1).map(said);
  const shown = `${what}:\n${lines.join('\n')}`;
  assert.equal(lines.length, wanted.length, `${what}: ${lines.length} nodes, not ${wanted.length}; ${shown}`);
  lines.forEach((line, i) => {
    const ok = typeof wanted[i] === 'function' ? wanted[i](line) : line === wanted[i];
    assert.ok(ok, `${what}, node ${i + 1}: ${line}, not ${wanted[i]}`);
  });
}

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

// Waits for the entry window to hold these entries.
function waitForEntries(page, wanted, what) {
  return waitForTree(page, (tree) => {
    const entry = entryIn(tree);
    return entry && JSON.stringify(entries(entry)) === JSON.stringify(wanted) && entry;
  }, `${what}: the entry window holding ${JSON.stringify(wanted)}`, 15000);
}

// Waits for the reading, which must be the birth date's.
async function waitForReading(page, what) {
  const reading = await waitForTree(page, readingIn, what);
  assert.deepEqual(readingOf(reading), Birth.reading, `${what}: the reading's texts`);
  return reading;
}

// Waits for a message box; it must be the only window a reader reaches
// then, as it is modal.
async function waitForMessage(page, wanted, what, timeout = 30000) {
  await waitForTree(page, messageIn, what, timeout);
  const tree = await readTree(page);
  assert.deepEqual(messageOf(messageIn(tree)), { title: Title, ...wanted }, `${what}: the message box`);
  assert.ok(messageIn(tree).modal, `${what}: modal`);
  return tree;
}

// Waits until the program has ended and the page says so.
function waitForEnd(page, what) {
  return waitForTree(page, (tree) => {
    const ended = endedIn(tree);
    return ended && windowsIn(tree).length === 1 && holds(ended, 'button', 'Start Starquill again') && ended;
  }, what, 15000);
}

// Waits for the entry window, the first window shown, and no question before it.
async function waitForStart(page, what) {
  await waitForTree(page, (tree) => entryIn(tree) || messageIn(tree), what, 60000);
  const tree = await readTree(page);
  assert.ok(!messageIn(tree), `${what}: no question, but ${windowsSaid(tree)}`);
  assert.deepEqual(entries(entryIn(tree)), { name: '', lists: ['1', 'January', String(FirstYear)] },
                   `${what}: the entry window as it starts`);
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

try {
  const page = await browser.newPage();

  await step('first start: the entry window drawn, no question, the date stored', async () => {
    await page.goto(server.address_);
    await waitForStart(page, 'the entry window');
    const tree = await readTree(page);
    assert.equal(windowsIn(tree).map(said).join(', '), `dialog "${Caption}"`, 'the one window');
    // The copy says what the window holds; the picture, that it is drawn.
    await waitForScreen(page, (text) => text.includes('Date Of Birth'), 'the entry window drawn');
    assert.match(await stored(page), new RegExp(`^"?${today()}T`));
  });

  await step('a refused date and its message, answered with the mouse', async () => {
    // The name box has the focus; the lists follow in tab order.
    await page.keyboard.type(Typed.name);
    await key(page, 'Tab');
    await key(page, 'End'); // 31
    await key(page, 'Tab');
    await key(page, 'Home');
    await key(page, 'ArrowDown', Refused.month - 1);
    await key(page, 'Tab');
    await key(page, 'Home');
    await key(page, 'ArrowDown', Refused.year - FirstYear);
    await waitForEntries(page, { name: Typed.shown, lists: Refused.lists }, 'the name typed and the date picked');
    await alt(page, 'p'); // Find My Zodiac &Psyche Sign
    await waitForMessage(page, { text: Refused.message, buttons: ['OK'] }, 'the refused date');
    await clickOn(page, 'button', 'OK');
    await waitForTree(page, (tree) => !messageIn(tree), 'the message answered', 15000);
    const tree = await readTree(page);
    assert.ok(!readingIn(tree), `still the entry window, no reading: ${windowsSaid(tree)}`);
    assert.deepEqual(entries(entryIn(tree)), { name: Typed.shown, lists: Refused.lists }, 'the entries as they were');
  });

  await step('the road: a date picked with the keyboard, Find, the sign drawn', async () => {
    // The focus is back on the year list, two after the day list.
    await page.keyboard.down('Shift');
    await key(page, 'Tab', 2);
    await page.keyboard.up('Shift');
    await key(page, 'Home');
    await key(page, 'ArrowDown', Birth.day - 1);
    await waitForEntries(page, { name: Typed.shown, lists: Birth.lists }, 'the day picked');
    await alt(page, 'p');
    await waitForReading(page, 'the reading');
    await waitForScreen(page, (text) => text.includes(Sign), 'the sign drawn');
  });

  await step('a link opens its redirect address in a new tab', async () => {
    await opensHomeInNewTab(page, async () => {
      await alt(page, 'h'); // &Help
      await key(page, 'v'); // &Visit Us Online
    });
    await waitForReading(page, 'the reading still');
  });

  await step('Back returns to the entry window with the entries kept', async () => {
    await alt(page, 'b');
    await waitForEntries(page, { name: Typed.shown, lists: Birth.lists }, 'the entry window again');
    assert.ok(!readingIn(await readTree(page)), 'the reading gone');
    await alt(page, 'p');
    await waitForReading(page, 'the same reading from the kept entries');
  });

  await step('a label clicked with the mouse opens its address in a new tab', async () => {
    await opensHomeInNewTab(page, () => clickOn(page, 'link', Forum)); // along the top
  });

  await step('the About box: modal, opened from the keyboard, closed with Escape', async () => {
    await alt(page, 'b'); // back to the entry window
    await waitForEntries(page, { name: Typed.shown, lists: Birth.lists }, 'the entry window');
    await alt(page, 'h');
    await key(page, 'a'); // &About Software
    const box = await waitForTree(page, aboutIn, 'the About box');
    assert.equal(box.name, Caption);
    assertNodes(box, About, 'the About box');
    await alt(page, 'p'); // the window behind takes no keys while the box is up
    await key(page, 'Escape');
    await waitForTree(page, (tree) => !aboutIn(tree), 'the About box closed', 15000);
    const tree = await readTree(page);
    assert.ok(entryIn(tree) && !readingIn(tree), `the entry window, no reading: ${windowsSaid(tree)}`);
    await alt(page, 'p');
    await waitForReading(page, 'the reading again');
  });

  await step('a second tab is refused and ends; the first is untouched', async () => {
    const second = await browser.newPage();
    await second.goto(server.address_);
    const tree = await waitForMessage(second, AlreadyRunning, 'the refusal', 60000);
    assert.equal(windowsIn(tree).length, 1, `the refusal alone: ${windowsSaid(tree)}`);
    await key(second, 'Enter');
    await waitForEnd(second, 'the second tab ended');
    await second.close();
    await page.bringToFront();
    assert.deepEqual(readingOf(readingIn(await readTree(page))), Birth.reading, 'the first tab still reads the sign');
  });

  await step('End on the exit screen ends the program; the page offers to start again', async () => {
    await alt(page, 'e'); // &Exit: the exit screen
    const screen = await waitForTree(page, exitIn, 'the exit screen');
    assert.equal(screen.name, Caption);
    assertNodes(screen, ExitScreen, 'the exit screen');
    const tree = await readTree(page);
    assert.equal(windowsIn(tree).length, 1, `the exit screen alone: ${windowsSaid(tree)}`);
    // Its Exit button has the focus.
    assert.equal(nodesIn(screen).filter((node) => node.focused).map(said).join(), 'button "Exit"');
    await key(page, 'Enter');
    await waitForEnd(page, 'the end');
  });

  await step('the reminder: asked when due, answered with Escape, stored across a reload', async () => {
    const monthAgo = new Date(Date.now() - 30 * 86400000).toISOString().slice(0, 19);
    await page.evaluate((k, v) => localStorage.setItem(k, v), ReminderKey, monthAgo);
    // Starts again: a reload, waited for before the new page is read.
    await Promise.all([page.waitForNavigation({ waitUntil: 'load' }), page.click('#again')]);
    const tree = await waitForMessage(page, Reminder, 'the question', 60000);
    assert.equal(windowsIn(tree).length, 1, `the question before any window: ${windowsSaid(tree)}`);
    await key(page, 'Escape'); // No
    await waitForTree(page, (t) => entryIn(t) && !messageIn(t), 'the entry window after the question');
    assert.match(await stored(page), new RegExp(`^"?${today()}T`));
    await page.reload();
    await waitForStart(page, 'the entry window after a reload');
  });

  await step('the reminder date survives a browser restart', async () => {
    const before = await stored(page);
    await browser.close();
    browser = await launch(profile);
    const page2 = (await browser.pages())[0] || (await browser.newPage());
    await page2.goto(server.address_);
    await waitForStart(page2, 'the entry window after a restart');
    assert.equal(await stored(page2), before);
  });

  await step("the browser's languages choose the program's", async () => {
    await browser.close();
    profiles.push(freshProfile());
    browser = await launch(profiles.at(-1), { languages: ['es-ES', 'es', 'en'] });
    const page3 = await browser.newPage();
    await page3.goto(server.address_);
    const entry = await waitForTree(page3, (tree) => windowIn(tree, (w) => holds(w, 'text', Spanish.birth)),
                                    'the entry window in Spanish', 60000);
    const has = (role, name) => assert.ok(holds(entry, role, name), `${role} "${name}" in the Spanish entry window`);
    has('textbox', Spanish.name);
    Spanish.lists.forEach((name) => has('combobox', name));
    Spanish.buttons.forEach((name) => has('button', name));
    const month = nodesIn(entry).find((node) => node.role === 'combobox' && node.name === Spanish.lists[1]);
    assert.equal(month.value, Spanish.month);
    // The page's own texts follow the same choice.
    assert.equal(await page3.evaluate(() => document.documentElement.lang), 'es');
    assert.equal(await page3.$eval('#again', (b) => b.textContent), Spanish.again);
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
