// SPDX-License-Identifier: MIT
// Starquill's page as a screen reader hears it in Debian's chromium: the
// accessibility tree Chromium builds from the page (lib.mjs readTree), read
// against what each window holds. The entry window from the first load, the
// page's focus following Tab, a refused date as an alert, the reading, and
// markup typed into every text box reaching the page as text only.
//   node tests/web/tree.mjs <site folder>
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { allNodes, describeTree, freshProfile, launch, readTree, serve, stepper, waitForTree } from './lib.mjs';

const site = process.argv[2];
assert.ok(site && fs.existsSync(`${site}/index.html`), 'usage: node tree.mjs <site folder>');

const Caption = 'Starquill v1.15';
const Title = 'Starquill';
const Months = ['January', 'February', 'March', 'April', 'May', 'June', 'July', 'August', 'September',
                'October', 'November', 'December'];
const range = (first, last) => Array.from({ length: last - first + 1 }, (_, i) => String(first + i));
const CoBrand = 'Co-brand this software for your site.  Increase loyalty and traffic to your site. ' +
  'Put your site\'s name &  link here. See "Help" for details.    Click Here for more info on co-branding.';
const FullBrand = 'Home Business Opportunity. Start your own Internet business and make money online. ' +
  'Get this software fully branded for your website. Click here for more details.';
// 23 July 1946 is the first day of Psyche in Leo.
const Birth = { day: 23, month: 7, year: 1946, sign: 'Leo',
                text: 'You are charming and beautiful. You have a way with your partner. ' +
                      'You can make out the best in people and bring it out.' };
// Without blanks, which the e-mail boxes refuse.
const Markup = '<img/src=x/onerror=alert(1)><b>x</b>';

const fold = (text) => text.replace(/\s+/g, ' ').trim();
const same = (a, b) => (b instanceof RegExp ? b.test(fold(a)) : fold(a) === fold(b));

const server = await serve(site);
const profile = freshProfile();
const browser = await launch(profile);
const failures = [];
const dialogs = [];

const step = stepper(failures);

async function key(page, name, times = 1) {
  for (let i = 0; i < times; ++i)
    await page.keyboard.press(name);
}

// The window with this role and caption that a reader can reach.
const windowIn = (tree, role, name) =>
  allNodes(tree).find((node) => node.role === role && same(node.name, name)) || null;

// The node with the page's focus, as Chromium tells a reader.
// The page itself counts as focused while the browser's window is.
const focusedIn = (tree) => allNodes(tree).filter((node) => node.focused && node.role !== 'RootWebArea').at(-1) || null;
const said = (node) => (node ? `${node.role} "${fold(node.name)}"` : 'nothing');

// Waits for the focus on the control of this role and name.
async function waitForFocus(page, role, name, what) {
  let focused = null;
  try {
    await waitForTree(page, (tree) => {
      focused = focusedIn(tree);
      return focused && focused.role === role && same(focused.name, name);
    }, what, 5000);
  } catch {
    throw new Error(`${what}: the page's focus is on ${said(focused)}, not ${role} "${name}"`);
  }
}

// Elements the markup would make, anywhere in the page, Qt's shadow roots
// included: pictures of its address and bold text (Qt's own pages use neither).
function markupElements(page) {
  return page.evaluate(() => {
    const found = [];
    const visit = (root) => {
      for (const element of root.querySelectorAll('*')) {
        if (element.localName === 'b' || (element.localName === 'img' && element.getAttribute('src') === 'x'))
          found.push(element.outerHTML);
        if (element.shadowRoot)
          visit(element.shadowRoot);
      }
    };
    visit(document);
    return found;
  });
}

// Types `text` into the focused box character by character; a character
// that `refused` says the box refuses brings up its message, answered with
// Enter (its one button has the focus).
async function typeInto(page, text, refused, message) {
  for (const character of text) {
    await page.keyboard.type(character);
    if (!refused(character))
      continue;
    const box = await waitForTree(page, (tree) => windowIn(tree, 'alertdialog', Title),
                                  `the message for "${character}"`, 10000);
    assert.ok(same(box.description, message), `the message for "${character}": ${box.description}`);
    await key(page, 'Enter');
    await waitForTree(page, (tree) => !windowIn(tree, 'alertdialog', Title), 'the message answered', 10000);
  }
}

try {
  const page = await browser.newPage();
  page.on('dialog', async (dialog) => {
    dialogs.push(`${dialog.type()} "${dialog.message()}"`);
    await dialog.dismiss();
  });

  await step('the entry window from the first load, no key pressed', async () => {
    await page.goto(server.address_);
    const entry = await waitForTree(page, (tree) => windowIn(tree, 'dialog', Caption), 'the entry window', 60000);
    const tree = await readTree(page);
    console.log(`The entry window:\n${describeTree(entry).join('\n')}`);
    const lines = describeTree(entry).map((line) => line.trim().replace(/ focused$/, ''));
    const q = (text) => JSON.stringify(fold(text));
    // Its controls in the window's order; the name box has the focus.
    const wanted = [
      `dialog ${q(Caption)}`,
      'menubar ""',
      'menuitem "File"', 'menu "File"', `menuitem ${q('Find My Zodiac  Psyche Sign')}`, 'menuitem "Exit"',
      'menuitem "Help"', 'menu "Help"', 'menuitem "Online Help"', 'menuitem "Visit Us Online"',
      'menuitem "Check for Software Update"', 'menuitem "About Software"',
      'menuitem "Donate"',
      (line) => /^link ".*\bwww\.[a-z]+\.com\b.*"$/.test(line),
      `text ${q('Starquill describes the placement of the asteroid Psyche in your birth chart. ' +
                'This helps you know what you expect from your partner in a relationship.')}`,
      'text "Name"', 'textbox "Name" = ""',
      'text "Date Of Birth"',
      'text "Date"', 'combobox "Date" = "1" [1 .. 31: 31]',
      'text "Month"', 'combobox "Month" = "January" [January .. December: 12]',
      'text "Year"', 'combobox "Year" = "1940" [1940 .. 1990: 51]',
      'button "Find My Zodiac Psyche Sign"', 'button "Exit"',
      // Of the two promotion labels in one place, the one in front alone.
      (line) => line === `link ${q(CoBrand)}` || line === `link ${q(FullBrand)}`,
    ];
    assert.equal(lines.length, wanted.length, `the entry window's nodes:\n${lines.join('\n')}`);
    lines.forEach((line, i) => {
      const ok = typeof wanted[i] === 'function' ? wanted[i](line) : line === wanted[i];
      assert.ok(ok, `node ${i + 1}: ${line}, wanted ${wanted[i]}`);
    });
    // The lists offer every entry, in order.
    const lists = allNodes(entry).filter((node) => node.role === 'combobox');
    assert.deepEqual(lists.map((list) => list.children.map((option) => option.name)),
                     [range(1, 31), Months, range(1940, 1990)]);
    assert.equal(said(focusedIn(tree)), 'textbox "Name"', 'the focus is in the name box');
    // Nothing else of the page speaks: a button that turns a reader on
    // would come first.
    const top = tree.children.map(said);
    assert.ok(top.length === 1 || (top.length === 2 && tree.children[0].role === 'button'),
              `the page holds: ${top.join(', ')}`);
    assert.equal(tree.children.at(-1), windowIn(tree, 'dialog', Caption), 'the window last');
  });

  await step('Tab moves the page\'s focus along the window\'s order', async () => {
    const order = [['combobox', 'Date'], ['combobox', 'Month'], ['combobox', 'Year'],
                   ['button', 'Find My Zodiac Psyche Sign'], ['button', 'Exit'], ['textbox', 'Name']];
    for (const [role, name] of order) {
      await key(page, 'Tab');
      await waitForFocus(page, role, name, `Tab to ${name}`);
    }
    // Shift+Tab from the name box, and Tab and Shift+Tab at once, before
    // the page has caught up with the Tab: each time back on Exit.
    const back = async () => {
      await page.keyboard.down('Shift');
      await key(page, 'Tab');
      await page.keyboard.up('Shift');
    };
    await back();
    await waitForFocus(page, 'button', 'Exit', 'Shift+Tab back to Exit');
    for (let i = 1; i <= 3; ++i) {
      await key(page, 'Tab');
      await back();
      await waitForFocus(page, 'button', 'Exit', `Tab and Shift+Tab at once (${i} of 3)`);
    }
    await key(page, 'Tab');
    await waitForFocus(page, 'textbox', 'Name', 'Tab to the name box again');
  });

  await step('markup typed into the name box: letters in capitals, the rest refused, no element made', async () => {
    await typeInto(page, Markup, (c) => !/[A-Za-z ]/.test(c), 'Please Enter only Letters');
    await key(page, 'Tab'); // the box is read from its own node once the typing is done
    await waitForFocus(page, 'combobox', 'Date', 'Tab to the day list');
    const tree = await readTree(page);
    const box = allNodes(tree).find((node) => node.role === 'textbox' && node.name === 'Name');
    assert.equal(box?.value, Markup.replace(/[^A-Za-z]/g, '').toUpperCase());
    assert.deepEqual(await markupElements(page), []);
    assert.deepEqual(dialogs, []);
  });

  await step('a refused date: an alert with its message and its button, which has the focus', async () => {
    // 31 April: the day list has the focus.
    await key(page, 'End');
    await key(page, 'Tab');
    await key(page, 'Home');
    await key(page, 'ArrowDown', 3);
    await key(page, 'Tab');
    await key(page, 'Home');
    await key(page, 'ArrowDown', Birth.year - 1940);
    await waitForTree(page, (tree) => {
      const lists = allNodes(tree).filter((node) => node.role === 'combobox').map((node) => node.value);
      return lists.join(' ') === `31 April ${Birth.year}`;
    }, 'the lists at 31 April', 10000);
    await key(page, 'Tab');
    await key(page, 'Enter'); // Find
    const box = await waitForTree(page, (tree) => windowIn(tree, 'alertdialog', Title), 'the refusal');
    const lines = describeTree(box).map((line) => line.trim());
    const message = 'Please Enter Correct Date Or Month !';
    assert.deepEqual(lines, [`alertdialog "${Title}" : "${message}" modal`, `text "${message}"`, 'button "OK" focused']);
    await key(page, 'Enter');
    await waitForTree(page, (tree) => !windowIn(tree, 'alertdialog', Title), 'the message answered');
    await waitForFocus(page, 'button', 'Find My Zodiac Psyche Sign', 'the focus back on Find');
  });

  await step('the reading: the sign and its paragraph as text', async () => {
    // Back to the day list, two before the button.
    await page.keyboard.down('Shift');
    await key(page, 'Tab', 3);
    await page.keyboard.up('Shift');
    await waitForFocus(page, 'combobox', 'Date', 'Shift+Tab to the day list');
    await key(page, 'Home');
    await key(page, 'ArrowDown', Birth.day - 1);
    await key(page, 'Tab');
    await key(page, 'Home');
    await key(page, 'ArrowDown', Birth.month - 1);
    await key(page, 'Tab', 2);
    await key(page, 'Enter');
    const reading = await waitForTree(page, (tree) => {
      const window = windowIn(tree, 'dialog', Caption);
      return window && allNodes(window).some((node) => node.role === 'button' && node.name === 'Back') && window;
    }, 'the reading');
    console.log(`The reading:\n${describeTree(reading).join('\n')}`);
    const texts = allNodes(reading).filter((node) => node.role === 'text').map((node) => fold(node.name));
    assert.deepEqual(texts, ['Psyche in your Chart is Placed in', Birth.sign, fold(Birth.text)]);
    const controls = allNodes(reading).filter((node) => ['button', 'link', 'menuitem'].includes(node.role))
      .map((node) => `${node.role} "${fold(node.name)}"`);
    assert.deepEqual(controls.filter((c) => !c.startsWith('link')),
                     ['menuitem "File"', 'menuitem "Back"', 'menuitem "Exit"', 'menuitem "Help"',
                      'menuitem "Online Help"', 'menuitem "Visit Us Online"', 'menuitem "Check for Software Update"',
                      'menuitem "About Software"', 'menuitem "Donate"', 'button "Back"', 'button "Exit"']);
    // Here the full-brand label lies in front.
    assert.equal(controls.at(-1), `link "${fold(FullBrand)}"`);
    assert.equal(controls.filter((c) => c.startsWith('link')).length, 2, controls.join('\n'));
    // The entry window, hidden, is heard no more.
    assert.equal(allNodes(await readTree(page)).filter((node) => node.role === 'dialog').length, 1);
    await waitForFocus(page, 'button', 'Exit', 'the focus on Exit');
  });

  await step('markup typed into every box of the exit screen stays text', async () => {
    await key(page, 'Escape'); // Exit: the exit screen
    await waitForFocus(page, 'button', 'Exit', 'the exit screen\'s Exit');
    await key(page, 'Tab');
    await waitForFocus(page, 'checkbox', /^Click Here To Visit \S+ Now$/, 'Tab to the link');
    // In tab order, with what each refuses.
    const boxes = [['Your Name', null], ['Your Email Address', ' '], ['Friend\'s Email Address', ' '],
                   ['Friend\'s Name', null], ['Your Message', null]];
    const typed = new Map();
    for (const [name] of boxes) {
      await key(page, 'Tab');
      if (name === 'Your Email Address') // the Refer button between the two
        await key(page, 'Tab');
      await waitForFocus(page, 'textbox', name, `Tab to "${name}"`);
      await typeInto(page, Markup, () => false);
      typed.set(name, Markup);
    }
    await key(page, 'Tab'); // round to Exit: every box is read from its own node
    await waitForFocus(page, 'button', 'Exit', 'Tab round to Exit');
    const tree = await readTree(page);
    const screen = windowIn(tree, 'dialog', Caption);
    console.log(`The exit screen:\n${describeTree(screen).join('\n')}`);
    for (const [name, text] of typed) {
      const box = allNodes(screen).find((node) => node.role === 'textbox' && node.name === name);
      // The message box keeps its own text, "Your Message" and a line
      // break, beside what was typed.
      const value = box?.value ?? '(none)';
      assert.ok(value.includes(text), `the box "${name}" holds ${JSON.stringify(value)}`);
      assert.equal(fold(value.replace(text, '')), name === 'Your Message' ? 'Your Message' : '',
                   `the box "${name}" holds ${JSON.stringify(value)}`);
    }
    assert.deepEqual(await markupElements(page), []);
    assert.deepEqual(dialogs, []);
  });
  await step('a browser without WebGL: the same entry window', async () => {
    const bare = await launch(freshProfile(), { extraArgs: ['--disable-webgl', '--disable-3d-apis'] });
    try {
      const page = await bare.newPage();
      await page.goto(server.address_);
      const entry = await waitForTree(page, (tree) => windowIn(tree, 'dialog', Caption), 'the entry window', 60000);
      assert.ok(allNodes(entry).some((node) => node.role === 'textbox' && node.name === 'Name'), 'the name box');
    } finally {
      await bare.close();
    }
  });
} catch {
  // Reported by its step.
} finally {
  await browser.close();
  server.close();
  fs.rmSync(profile, { recursive: true, force: true });
}
console.log(failures.length ? `${failures.length} step(s) failed` : 'All steps passed');
process.exit(failures.length ? 1 : 0);
