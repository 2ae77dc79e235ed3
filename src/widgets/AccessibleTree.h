// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

// A window as assistive technology should hear it, read from Qt's
// accessibility interfaces: a plain tree of nodes in the words of the web's
// ARIA roles, which a page can mirror element for element and a test can
// compare. Containers without a name of their own (frames, panels, the
// client area) give their children to their parent; hidden controls and
// pictures without a name are left out, as they are on the desktop.
namespace AccessibleTree {

struct Node
{
    // "dialog", "alertdialog", "menubar", "menu", "menuitem", "button",
    // "checkbox", "textbox", "combobox", "link", "group" or "text".
    QString role;
    QString name;
    // A text box's text, a list's current entry.
    QString value;
    // A message box's message.
    QString description;
    // A list's entries, in order.
    QStringList options;
    bool focused = false;
    bool disabled = false;
    // Only a window is marked hidden; hidden controls are not in the tree.
    bool hidden = false;
    bool checked = false;
    bool multiLine = false;
    // Where it is drawn, in logical pixels from the window's top left corner.
    QRect place;
    // Qt's own handle for the interface, to act on it from elsewhere.
    QAccessible::Id id = 0;
    QList<Node> children;
};

// The tree of a top-level window (a window, dialog or message box).
Node of(QWidget* window);

// One line a node, indented two blanks a level: role, "name", = "value",
// then the states that are set, and the options of a list as [first..last]
// with their count. Control characters are written as \n, \r and \t.
QStringList describe(const Node& node);

} // namespace AccessibleTree
