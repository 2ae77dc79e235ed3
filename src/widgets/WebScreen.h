// SPDX-License-Identifier: MIT
#pragma once

// In a web page on a phone the windows are wider than the screen. install()
// tells the page how much room the windows shown need, so that the page can
// make itself that wide and let the browser draw it to the screen's width
// (the windows keep their size in the program's pixels); opens the windows
// centred again whenever the page's size changes; and lets Qt's text field
// ask for the phone's keyboard only while a text box has the focus. On the
// desktop it does nothing.
namespace WebScreen {

// Once, after the application object is made and before any window.
void install();

} // namespace WebScreen
