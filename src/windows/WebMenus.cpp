// SPDX-License-Identifier: MIT
#include "WebMenus.h"

#include "widgets/ClickableLabel.h"
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

void connectLink(ClickableLabel* label, Web::Page page)
{
    QObject::connect(label, &ClickableLabel::clicked, label, [page] { WebLink::open(page); });
}

} // namespace

QAction* addWebMenus(QMenuBar* bar, const HelpMenuNames& names)
{
    QMenu* help = bar->addMenu(translated(QT_TRANSLATE_NOOP("WebMenus", "&Help")));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    addLink(help, QStringLiteral("mnuOnline"),
            translated(QT_TRANSLATE_NOOP("WebMenus", "&Online Help")), Web::Page::Help);
    addLink(help, QStringLiteral("mnuVisit"),
            translated(QT_TRANSLATE_NOOP("WebMenus", "&Visit Us Online")), Web::Page::Home);
    help->addSeparator()->setObjectName(names.firstSeparator);
    addLink(help, QStringLiteral("mnuUpdate"), names.updateCaption, Web::Page::Download);
    help->addSeparator()->setObjectName(names.secondSeparator);
    QAction* about = help->addAction(translated(QT_TRANSLATE_NOOP("WebMenus", "&About Software")));
    about->setObjectName(QStringLiteral("mnuAbout"));

    addLink(bar, QStringLiteral("mnuDonate"), translated(QT_TRANSLATE_NOOP("WebMenus", "&Donate")),
            Web::Page::Donate);
    // Defined but switched off: nothing turns it on, so it stays off the bar.
    addLink(bar, QStringLiteral("mnuMakeMoneyOnline"),
            translated(QT_TRANSLATE_NOOP("WebMenus", "Make Money &Online")),
            Web::Page::FullyBranded)
        ->setVisible(false);
    return about;
}

void connectLabels(ClickableLabel* banner, ClickableLabel* coBrand, ClickableLabel* fullBrand)
{
    connectLink(banner, Web::Page::Home);
    connectLink(coBrand, Web::Page::CoBrand);
    connectLink(fullBrand, Web::Page::FullyBranded);
}

QString bannerText()
{
    //: %1 is the web site's name
    return QCoreApplication::translate("WebMenus", "Join our forum at %1").arg(Web::siteName());
}

QString coBrandText()
{
    // One "&" as shown: the label has no access key to mark.
    return translated(QT_TRANSLATE_NOOP(
        "WebMenus", "Co-brand this software for your site.  Increase loyalty and traffic to your "
                    "site. Put your site's name &  link here. See \"Help\" for details.    Click "
                    "Here for more info on co-branding."));
}

QString fullBrandText()
{
    return translated(QT_TRANSLATE_NOOP(
        "WebMenus", "Home Business Opportunity. Start your own Internet business and make money "
                    "online. Get this software fully branded for your website. Click here for "
                    "more details."));
}

} // namespace WebMenus
