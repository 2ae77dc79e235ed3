// SPDX-License-Identifier: MIT
// Starquill's page on a phone, as Debian's chromium emulates one (a small
// screen at 2 and 3 device pixels a CSS pixel, touch, the page's viewport
// honoured): the whole window on the screen, upright and turned, at its
// size in the program's pixels; a tap on the name box giving the page's
// focus to a field that asks for the keyboard, and a tap elsewhere to none
// that does; letters typed and composed through an input method, through the
// name box's filter; a date picked from its list, a menu and a label, by tap.
//   node tests/web/phone.mjs <site folder>
// With STARQUILL_SHOTS set to a folder, a picture of each phone upright and
// turned goes there.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { allNodes, describeTree, freshProfile, launch, readTree, serve, spotOf, stepper, waitForTree } from './lib.mjs';

const site = process.argv[2];
assert.ok(site && fs.existsSync(`${site}/index.html`), 'usage: node phone.mjs <site folder>');

const Caption = 'Starquill v1.15';
const Title = 'Starquill';
// The entry window's client area: 7260 by 5055 twips, 15 twips a pixel,
// below its menu bar, which Qt's canvas holds too.
const EntrySize = { width: 7260 / 15, height: 5055 / 15 };
const MenuBarAtMost = 30;
const Phones = [{ name: '360 x 640', width: 360, height: 640, deviceScaleFactor: 2 },
                { name: '393 x 851', width: 393, height: 851, deviceScaleFactor: 3 }];
// "Namaste" composed in two steps, as a Devanagari keyboard sends it.
const Composed = { steps: ['नम', 'नमस्'], word: 'नमस्ते' };

const fold = (text) => text.replace(/\s+/g, ' ').trim();
const windowIn = (tree, role, test) =>
  allNodes(tree).find((node) => node.role === role && test(node)) || null;
const entryIn = (tree) => windowIn(tree, 'dialog', (node) => node.name === Caption &&
  allNodes(node).some((child) => child.role === 'textbox' && child.name === 'Name'));
const nameBox = (tree) => allNodes(entryIn(tree) || { children: [] })
  .find((node) => node.role === 'textbox' && node.name === 'Name');

const server = await serve(site);
const profile = freshProfile();
const browser = await launch(profile);
const failures = [];
const shots = process.env.STARQUILL_SHOTS;
const step = stepper(failures, async () => {
  if (shots)
    for (const [n, open] of (await browser.pages()).entries())
      await open.screenshot({ path: `${shots}/phone-failed-${failures.length}-${n}.png` }).catch(() => {});
});

async function poll(probe, what, timeout = 15000) {
  let last;
  for (const end = Date.now() + timeout; Date.now() < end;) {
    last = await probe();
    if (last && last.ok !== false)
      return last;
    await new Promise((resolve) => setTimeout(resolve, 200));
  }
  throw new Error(`${what}: not within ${timeout} ms; last seen ${JSON.stringify(last)}`);
}

// What the page shows of the window with this caption: the place of its
// frame in the page's layout, its canvas's size in CSS and in device pixels,
// and the visual viewport (what the screen shows of the layout, and at what
// scale).
function measure(page) {
  return page.evaluate((caption) => {
    const found = [];
    const visit = (root) => {
      for (const element of root.querySelectorAll('*')) {
        if (element.classList.contains('qt-window') && getComputedStyle(element).display !== 'none')
          found.push(element);
        if (element.shadowRoot)
          visit(element.shadowRoot);
      }
    };
    visit(document);
    const frame = found.find((element) =>
      element.querySelector(`.starquill-a11y[aria-label="${caption}"]:not([hidden])`));
    if (!frame)
      return null;
    const canvas = frame.querySelector('canvas');
    const box = frame.getBoundingClientRect();
    // The window's copy for screen readers lies over its canvas, and so
    // does each of its elements over its control.
    const copy = frame.querySelector('.starquill-a11y').getBoundingClientRect();
    const drawn = canvas.getBoundingClientRect();
    const menuBar = frame.querySelector('.starquill-a11y [role="menubar"]').getBoundingClientRect();
    const seen = window.visualViewport;
    return {
      frame: { left: box.left, top: box.top, right: box.right, bottom: box.bottom },
      canvas: { width: canvas.offsetWidth, height: canvas.offsetHeight, pixels: canvas.width },
      seen: { left: seen.offsetLeft, top: seen.offsetTop, width: seen.width, height: seen.height,
              scale: seen.scale },
      ratio: window.devicePixelRatio,
      copyShift: Math.max(Math.abs(copy.left - drawn.left), Math.abs(copy.top - drawn.top),
                          Math.abs(menuBar.top - drawn.top)),
      windows: found.length,
    };
  }, Caption);
}

// The whole frame on the screen, drawn as wide (or as high) as the screen
// lets it, its canvas as large as the window in the program's pixels, and
// backed by as many device pixels as the screen gives it.
function fitted(m, phone) {
  if (!m)
    return { ok: false, why: 'no window' };
  const { frame, seen, canvas } = m;
  const slack = 1;
  const whole = frame.left >= seen.left - slack && frame.top >= seen.top - slack &&
    frame.right <= seen.left + seen.width + slack && frame.bottom <= seen.top + seen.height + slack;
  const across = Math.max((frame.right - frame.left) / seen.width, (frame.bottom - frame.top) / seen.height);
  const size = canvas.width === EntrySize.width && canvas.height >= EntrySize.height &&
    canvas.height <= EntrySize.height + MenuBarAtMost;
  const sharp = Math.abs(canvas.pixels - canvas.width * m.ratio * seen.scale) <= 2;
  const screenWidth = Math.round(seen.width * seen.scale);
  const copied = m.copyShift <= 1;
  return { ok: whole && across >= 0.9 && size && sharp && copied && screenWidth === phone.width, whole,
           across, size, sharp, copied, screenWidth, m };
}

async function tap(page, role, name) {
  const spot = await poll(() => spotOf(page, role, name), `${role} "${name}" to tap`);
  await page.touchscreen.tap(spot.x, spot.y);
}

// The element with the page's focus, through Qt's shadow roots, and whether
// a phone would open its keyboard for it.
function focusAsked(page) {
  return page.evaluate(() => {
    let element = document.activeElement;
    while (element && element.shadowRoot && element.shadowRoot.activeElement)
      element = element.shadowRoot.activeElement;
    if (!element)
      return { element: 'none', keyboard: false };
    const editable = (element.localName === 'input' && !element.readOnly) || element.isContentEditable;
    return { element: `${element.localName}[${element.getAttribute('role') || element.getAttribute('aria-label') || ''}]`,
             keyboard: editable && element.inputMode !== 'none' };
  });
}

// Whether a phone was asked for its keyboard each time Qt's field took the
// page's focus since the last call (`clear` false: keeps them).
const watchField = () => {
  window.starquillFieldFocus = [];
  document.addEventListener('focusin', (event) => {
    const target = event.composedPath()[0];
    if (target.localName === 'input' && target['data-qinputcontext'] !== undefined)
      window.starquillFieldFocus.push(target.inputMode !== 'none');
  }, true);
};
function fieldFocusedSince(page, clear = true) {
  return page.evaluate((clear) => {
    const seen = window.starquillFieldFocus;
    if (clear)
      window.starquillFieldFocus = [];
    return seen;
  }, clear);
}

async function toDayList(page) {
  await page.keyboard.press('Tab');
  await waitForTree(page, (tree) => allNodes(entryIn(tree) || { children: [] })
    .some((node) => node.role === 'combobox' && node.name === 'Date' && node.focused), 'the day list focused', 5000);
}

// The place of the popup open over the windows (a list's entries, a menu),
// by the visual viewport; null when none is.
function openPopup(page) {
  return page.evaluate(() => {
    const visit = (root, out) => {
      for (const element of root.querySelectorAll('*')) {
        if (element.classList.contains('qt-window') && getComputedStyle(element).display !== 'none' &&
            !element.querySelector('.starquill-a11y:not([hidden])'))
          out.push(element.getBoundingClientRect().toJSON());
        if (element.shadowRoot)
          visit(element.shadowRoot, out);
      }
      return out;
    };
    const found = visit(document, []).at(-1);
    return found ? { ...found, left: found.left - visualViewport.offsetLeft, top: found.top - visualViewport.offsetTop }
      : null;
  });
}

async function visibleWindows(page) {
  return (await measure(page))?.windows ?? 0;
}

try {
  for (const phone of Phones) {
    const page = await browser.newPage();
    const upright = { width: phone.width, height: phone.height, deviceScaleFactor: phone.deviceScaleFactor,
                      isMobile: true, hasTouch: true, isLandscape: false };
    const turned = { ...upright, width: phone.height, height: phone.width, isLandscape: true };
    await page.setViewport(upright);
    await page.evaluateOnNewDocument(watchField);

    await step(`${phone.name}: the whole entry window on the screen, upright`, async () => {
      await page.goto(server.address_);
      await waitForTree(page, entryIn, 'the entry window', 60000);
      const seen = await poll(async () => fitted(await measure(page), phone), 'the window fitted');
      console.log(`  frame ${JSON.stringify(seen.m.frame)}, scale ${seen.m.seen.scale.toFixed(3)}`);
      if (shots)
        await page.screenshot({ path: `${shots}/phone-${phone.width}x${phone.height}-upright.png` });
    });

    await step(`${phone.name}: the whole entry window on the screen, turned`, async () => {
      await page.setViewport(turned);
      const seen = await poll(async () => fitted(await measure(page), { width: turned.width }), 'the window fitted');
      console.log(`  frame ${JSON.stringify(seen.m.frame)}, scale ${seen.m.seen.scale.toFixed(3)}`);
      if (shots)
        await page.screenshot({ path: `${shots}/phone-${phone.width}x${phone.height}-turned.png` });
      await page.setViewport(upright);
      await poll(async () => fitted(await measure(page), phone), 'the window fitted upright again');
    });

    await step(`${phone.name}: a tap on the name box opens the keyboard; letters typed pass its filter`, async () => {
      // From a list (a phone may have keys too): a tap on a button, which
      // Qt's field takes the page's focus for, must not ask for the keyboard
      // even for a moment.
      await toDayList(page);
      await fieldFocusedSince(page);
      await tap(page, 'button', 'Find My Zodiac Psyche Sign');
      await waitForTree(page, (tree) => windowIn(tree, 'alertdialog', (node) => node.name === Title),
                        'the message for no name', 10000);
      const onFind = await focusAsked(page);
      assert.equal(onFind.keyboard, false, `the keyboard asked for by ${onFind.element} for a button's message`);
      assert.deepEqual((await fieldFocusedSince(page)).filter((asked) => asked), [],
                       'the keyboard asked for while the tap on the button was handled');
      await tap(page, 'button', 'OK');
      await waitForTree(page, (tree) => !windowIn(tree, 'alertdialog', () => true), 'the message answered', 10000);
      // From a list again, a tap on the name box asks for it at once.
      await toDayList(page);
      await fieldFocusedSince(page);
      await tap(page, 'textbox', 'Name');
      await poll(async () => ({ ok: (await fieldFocusedSince(page, false)).length > 0 }), 'Qt\'s field focused', 5000);
      const focused = await fieldFocusedSince(page);
      // Once by Qt, and again when the field is moved into the window's copy.
      assert.ok(focused.length > 0 && focused.every((asked) => asked),
                `the keyboard asked for each time the field took the focus: ${JSON.stringify(focused)}`);
      const inBox = await poll(async () => {
        const asked = await focusAsked(page);
        return { ok: asked.keyboard, ...asked };
      }, 'the keyboard asked for by the name box', 5000);
      assert.equal(inBox.element, 'input[Name]');
      const seen = fitted(await measure(page), phone);
      assert.ok(seen.copied, `the copy moved off the window by ${seen.m.copyShift} px once the name box had the focus`);
      for (const letter of 'ana')
        await page.keyboard.sendCharacter(letter);
      await waitForTree(page, (tree) => nameBox(tree)?.value === 'ANA', 'ANA in the name box', 10000);
      await page.keyboard.sendCharacter('7');
      const box = await waitForTree(page, (tree) => windowIn(tree, 'alertdialog', (node) => node.name === Title),
                                    'the message for a digit', 10000);
      assert.equal(fold(box.description), 'Please Enter only Letters');
      await tap(page, 'button', 'OK');
      await waitForTree(page, (tree) => !windowIn(tree, 'alertdialog', () => true), 'the message answered', 10000);
      assert.equal(nameBox(await readTree(page))?.value, 'ANA');
    });

    await step(`${phone.name}: a word composed through an input method goes in whole, once`, async () => {
      await tap(page, 'textbox', 'Name');
      await poll(async () => {
        const asked = await focusAsked(page);
        return { ok: asked.keyboard, ...asked };
      }, 'the keyboard asked for by the name box', 5000);
      const cdp = await page.createCDPSession();
      for (const text of Composed.steps)
        await cdp.send('Input.imeSetComposition', { text, selectionStart: text.length, selectionEnd: text.length });
      await cdp.send('Input.insertText', { text: Composed.word });
      await waitForTree(page, (tree) => nameBox(tree)?.value === `ANA${Composed.word}`,
                        `ANA${Composed.word} in the name box`, 10000)
        .catch(async (error) => {
          throw new Error(`${error.message.split(';')[0]}; the box holds ${JSON.stringify(nameBox(await readTree(page))?.value)}`);
        });
      await cdp.detach();
    });

    await step(`${phone.name}: a date list opens and picks by touch, with no keyboard`, async () => {
      const before = await visibleWindows(page);
      await tap(page, 'combobox', 'Month');
      await poll(async () => ({ ok: (await visibleWindows(page)) > before }), 'the list opened', 5000);
      const asked = await focusAsked(page);
      assert.equal(asked.keyboard, false, `the keyboard asked for by ${asked.element} for a list`);
      // The open list lies over the window: a tap in its middle picks an entry.
      const list = await openPopup(page);
      assert.ok(list, 'the open list');
      await page.touchscreen.tap(list.left + list.width / 2, list.top + list.height / 2);
      await poll(async () => ({ ok: (await visibleWindows(page)) === before }), 'the list closed', 5000);
      const month = (tree) => allNodes(entryIn(tree) || { children: [] })
        .find((node) => node.role === 'combobox' && node.name === 'Month');
      await waitForTree(page, (tree) => month(tree) && month(tree).value !== 'January', 'a month picked', 5000);
    });

    await step(`${phone.name}: a menu and a label by tap`, async () => {
      const before = await visibleWindows(page);
      await tap(page, 'menuitem', 'Help');
      await poll(async () => ({ ok: (await visibleWindows(page)) > before }), 'the Help menu opened', 5000);
      // Nothing of Qt's own beside the copy, an open menu's included, once
      // the copy has caught up with it.
      await waitForTree(page, (tree) => !allNodes(tree).some((node) => /Screen Reader/.test(node.name)),
                        'Qt\'s own button of the open menu left out', 3000);
      // Once its item's element lies over the open menu.
      const item = await poll(async () => {
        const [menu, spot] = [await openPopup(page), await spotOf(page, 'menuitem', 'About Software')];
        return { ok: !!(menu && spot && spot.x > menu.left && spot.x < menu.left + menu.width &&
                        spot.y > menu.top && spot.y < menu.top + menu.height), spot };
      }, 'About Software over the open menu', 5000);
      await page.touchscreen.tap(item.spot.x, item.spot.y);
      const about = (tree) => windowIn(tree, 'dialog', (node) =>
        allNodes(node).some((child) => child.role === 'text' && child.name.includes('Goddess of the Soul')));
      await waitForTree(page, about, 'the About box', 10000);
      await tap(page, 'button', 'OK');
      await waitForTree(page, (tree) => !about(tree), 'the About box closed', 10000);
      const entry = entryIn(await readTree(page));
      const label = allNodes(entry).filter((node) => node.role === 'link').at(-1);
      const address = /^Co-brand/.test(label.name) ? 'co-brand' : 'fully-branded';
      const opened = browser.waitForTarget((target) => target.url().endsWith(`ssd.php?page=${address}`),
                                           { timeout: 15000 });
      opened.catch(() => {});
      await tap(page, 'link', fold(label.name));
      const tab = await (await opened).page();
      if (tab)
        await tab.close();
      await page.bringToFront();
    });
    await page.close();
  }
} catch {
  // Reported by its step.
} finally {
  await browser.close();
  server.close();
  fs.rmSync(profile, { recursive: true, force: true });
}
console.log(failures.length ? `${failures.length} step(s) failed` : 'All steps passed');
process.exit(failures.length ? 1 : 0);
