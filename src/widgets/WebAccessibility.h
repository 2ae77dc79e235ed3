// SPDX-License-Identifier: MIT
#pragma once

// In a web page the windows are pictures on a canvas: a screen reader hears
// nothing of them unless the page holds elements that say what they are.
// install() keeps such elements beside each window, made from its
// AccessibleTree and kept up to date, and moves the page's focus with the
// program's. On the desktop it does nothing: assistive technology reads
// Qt's interfaces there directly.
namespace WebAccessibility {

// Once, after the application object is made and before any window.
void install();

} // namespace WebAccessibility
