#include "WebMenus.h"

#include "app/ClickableLabel.h"
#include "modHelp.h"
#include "web/AboutBox.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace WebMenus {
namespace {

QAction* addItem(QMenu* menu, const QString& name, const QString& caption, void (*handler)())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menu, handler);
    return action;
}

void addSeparator(QMenu* menu, const QString& name)
{
    menu->addSeparator()->setObjectName(name);
}

} // namespace

void addWebMenus(QMenuBar* bar, const HelpMenuNames& names)
{
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    addItem(help, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"),
            modHelp::OpenHelpWebPage);
    addItem(help, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"),
            modHelp::OpenHomePage);
    addSeparator(help, names.firstSeparator);
    addItem(help, QStringLiteral("mnuUpdate"), names.updateCaption, modHelp::OpenDownloadWebPage);
    addSeparator(help, names.secondSeparator);
    addItem(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Software"), AboutBox::show);

    QAction* donate = bar->addAction(QStringLiteral("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(donate, &QAction::triggered, bar, modHelp::OpenDonatePage);

    // Defined but switched off: nothing turns it on, so it stays off the bar.
    QAction* makeMoney = bar->addAction(QStringLiteral("Make Money &Online"));
    makeMoney->setObjectName(QStringLiteral("mnuMakeMoneyOnline"));
    makeMoney->setVisible(false);
    QObject::connect(makeMoney, &QAction::triggered, bar, modHelp::OpenFullyBrandedPage);
}

void connectLabels(ClickableLabel* banner, ClickableLabel* coBrand, ClickableLabel* fullBrand)
{
    QObject::connect(banner, &ClickableLabel::clicked, banner, modHelp::OpenHomePage);
    QObject::connect(coBrand, &ClickableLabel::clicked, coBrand, modHelp::OpenCoBrandPage);
    QObject::connect(fullBrand, &ClickableLabel::clicked, fullBrand, modHelp::OpenFullyBrandedPage);
}

QString bannerText()
{
    return QStringLiteral("Join our forum at ") + modHelp::siteName();
}

QString coBrandText()
{
    return QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                          "your site. Put your site's name &  link here. See \"Help\" for "
                          "details.    Click Here for more info on co-branding.");
}

QString fullBrandText()
{
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website. Click "
                          "here for more details.");
}

} // namespace WebMenus
