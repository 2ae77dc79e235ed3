// SPDX-License-Identifier: MIT
#include "WebMenus.h"

#include "widgets/ClickableLabel.h"
#include "widgets/Layout.h"
#include "widgets/WebLink.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace WebMenus {
namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("WebMenus", text);
}

QAction* addLink(QWidget* menu, const QString& name, const QString& caption, Web::Page page)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    menu->addAction(action);
    QObject::connect(action, &QAction::triggered, menu, [page] { WebLink::open(page); });
    return action;
}

QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* addItem(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

void addLinkLabel(QWidget* area, const char* name, const QString& text, Web::Page page)
{
    auto* label = Layout::find<ClickableLabel>(area, name);
    Layout::setText(label, text);
    QObject::connect(label, &ClickableLabel::clicked, label, [page] { WebLink::open(page); });
}

} // namespace

WindowMenus addMenus(QMenuBar* bar, const MenuNames& names)
{
    WindowMenus menus{};
    QMenu* file =
        addMenu(bar, QStringLiteral("mnuFile"), translated(QT_TRANSLATE_NOOP("WebMenus", "&File")));
    menus.first = addItem(file, names.firstItem, names.firstCaption);
    menus.exit = addItem(file, QStringLiteral("mnuExit"),
                         translated(QT_TRANSLATE_NOOP("WebMenus", "E&xit")));

    QMenu* help =
        addMenu(bar, QStringLiteral("mnuHelp"), translated(QT_TRANSLATE_NOOP("WebMenus", "&Help")));
    addLink(help, QStringLiteral("mnuOnline"),
            translated(QT_TRANSLATE_NOOP("WebMenus", "&Online Help")), Web::Page::Help);
    addLink(help, QStringLiteral("mnuVisit"),
            translated(QT_TRANSLATE_NOOP("WebMenus", "&Visit Us Online")), Web::Page::Home);
    help->addSeparator()->setObjectName(names.firstSeparator);
    addLink(help, QStringLiteral("mnuUpdate"), names.updateCaption, Web::Page::Download);
    help->addSeparator()->setObjectName(names.secondSeparator);
    menus.about = addItem(help, QStringLiteral("mnuAbout"),
                          translated(QT_TRANSLATE_NOOP("WebMenus", "&About Software")));

    addLink(bar, QStringLiteral("mnuDonate"), translated(QT_TRANSLATE_NOOP("WebMenus", "&Donate")),
            Web::Page::Donate);
    // Defined but switched off: nothing turns it on, so it stays off the bar.
    addLink(bar, QStringLiteral("mnuMakeMoneyOnline"),
            translated(QT_TRANSLATE_NOOP("WebMenus", "Make Money &Online")),
            Web::Page::FullyBranded)
        ->setVisible(false);
    return menus;
}

void addLinks(QWidget* area)
{
    //: %1 is the web site's name
    addLinkLabel(
        area, "Label61",
        translated(QT_TRANSLATE_NOOP("WebMenus", "Join our forum at %1")).arg(Web::siteName()),
        Web::Page::Home);
    // One "&" as shown: the label has no access key to mark.
    addLinkLabel(area, "lblCobrand",
                 translated(QT_TRANSLATE_NOOP(
                     "WebMenus",
                     "Co-brand this software for your site.  Increase loyalty and traffic to "
                     "your site. Put your site's name &  link here. See \"Help\" for details.    "
                     "Click Here for more info on co-branding.")),
                 Web::Page::CoBrand);
    addLinkLabel(area, "lblFullBrand",
                 translated(QT_TRANSLATE_NOOP(
                     "WebMenus", "Home Business Opportunity. Start your own Internet business and "
                                 "make money online. Get this software fully branded for your "
                                 "website. Click here for more details.")),
                 Web::Page::FullyBranded);
}

} // namespace WebMenus
