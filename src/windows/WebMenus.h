// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class ClickableLabel;
class QAction;
class QMenuBar;

// The web links that the entry and result windows share: the Help menu, the
// menu-bar commands, and the banner and promotion labels.
namespace WebMenus {

struct HelpMenuNames
{
    QString updateCaption; // the two windows word the update item differently
    QString firstSeparator;
    QString secondSeparator;
};

// Adds Help, Donate and (switched off) Make Money Online to the menu bar.
// Returns the About item, which the window connects itself.
QAction* addWebMenus(QMenuBar* bar, const HelpMenuNames& names);

// The banner opens the home page; the promotion labels their own pages.
void connectLabels(ClickableLabel* banner, ClickableLabel* coBrand, ClickableLabel* fullBrand);

// The banner's one-line invitation to the discussion board.
QString bannerText();
// The co-brand and full-brand promotion texts.
QString coBrandText();
QString fullBrandText();

} // namespace WebMenus
