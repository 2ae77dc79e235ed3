// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QAction;
class QMenuBar;
class QWidget;

// What the entry and result windows share: the menus, the banner that
// invites to the forum and the two promotion labels, whose places each
// window's layout gives.
namespace WebMenus {

// What tells the two windows' menus apart.
struct MenuNames
{
    QString firstItem; // the File menu's first item: its objectName and text
    QString firstCaption;
    QString updateCaption; // the two windows word the update item differently
    QString firstSeparator;
    QString secondSeparator;
};

// The items a window connects itself.
struct WindowMenus
{
    QAction* first;
    QAction* exit;
    QAction* about;
};

// File (the window's first item, then Exit), Help, Donate and (switched
// off) Make Money Online; the Help items and Donate open their pages.
WindowMenus addMenus(QMenuBar* bar, const MenuNames& names);

// Gives the banner ("Label61") and the promotion labels ("lblCobrand",
// "lblFullBrand") in `area` their texts and their pages.
void addLinks(QWidget* area);

} // namespace WebMenus
