#include "TestSupport.h"

#include "app/ClickableLabel.h"
#include "app/MessageBox.h"
#include "app/Settings.h"
#include "entry/frmMain.h"
#include "result/frmDisplay.h"
#include "web/UpdateReminder.h"
#include "web/modHelp.h"

#include <QAction>
#include <QTest>

using modHelp::Page;

namespace {

template <class Window> Form* shown()
{
    Window* window = Forms::get<Window>();
    window->show();
    return window;
}

Form* openWindow(const QString& name)
{
    return name == QLatin1String("frmMain") ? shown<frmMain>() : shown<frmDisplay>();
}

QStringList opened()
{
    QStringList addresses;
    for (const QUrl& url : TestSupport::takeOpenedUrls())
        addresses.append(url.toString(QUrl::FullyEncoded));
    return addresses;
}

} // namespace

class tst_WebLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::isolate(); }
    void init() { TestSupport::reset(); }

    void addressesAreFixedPerKey_data()
    {
        QTest::addColumn<Page>("page");
        QTest::addColumn<QString>("key");
        QTest::newRow("home") << Page::Home << QStringLiteral("home-page");
        QTest::newRow("help") << Page::HelpWebPage << QStringLiteral("help-web-page");
        QTest::newRow("download") << Page::DownloadWebPage << QStringLiteral("download-web-page");
        QTest::newRow("donate") << Page::Donate << QStringLiteral("donate");
        QTest::newRow("co-brand") << Page::CoBrand << QStringLiteral("co-brand");
        QTest::newRow("fully") << Page::FullyBranded << QStringLiteral("fully-branded");
        QTest::newRow("lantern") << Page::LanternSoftwares << QStringLiteral("lanternsoftwares");
        QTest::newRow("refer") << Page::ReferAFriend << QStringLiteral("qkpx-refer-a-friend");
    }

    void addressesAreFixedPerKey()
    {
        QFETCH(Page, page);
        QFETCH(QString, key);
        const QString root = modHelp::siteRoot();
        const QUrl rootUrl(root, QUrl::StrictMode);
        QVERIFY(rootUrl.scheme() == QLatin1String("https") ||
                rootUrl.scheme() == QLatin1String("http"));
        QVERIFY(!rootUrl.host().isEmpty());
        QVERIFY(rootUrl.path().isEmpty() && !root.endsWith(u'/'));
        QCOMPARE(modHelp::RedirectAddress(page),
                 root + QStringLiteral("/starquill-free/ssd.php?page=") + key);
        QCOMPARE(modHelp::ProductPageAddress(), root + QStringLiteral("/starquill-free/"));
        // The browser gets the address exactly as built.
        modHelp::OpenWebPage(modHelp::RedirectAddress(page));
        QCOMPARE(opened(), QStringList{modHelp::RedirectAddress(page)});
    }

    void menuItemsOpenTheirPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("item");
        QTest::addColumn<Page>("page");
        for (const char* window : {"frmMain", "frmDisplay"}) {
            const auto row = [window](const char* item, Page page) {
                QTest::addRow("%s %s", window, item)
                    << QString::fromLatin1(window) << QString::fromLatin1(item) << page;
            };
            row("mnuOnline", Page::HelpWebPage);
            row("mnuVisit", Page::Home);
            row("mnuUpdate", Page::DownloadWebPage);
            row("mnuDonate", Page::Donate);
            row("mnuMakeMoneyOnline", Page::FullyBranded);
        }
    }

    void menuItemsOpenTheirPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, item);
        QFETCH(Page, page);
        // A reminder long overdue: no menu item may ask it or move it.
        const QString lastReminder = QStringLiteral("2001-01-01T08:00:00");
        QVERIFY(Settings::write(Reminder::SettingKey, lastReminder));
        auto* action = openWindow(window)->findChild<QAction*>(item);
        QVERIFY(action);
        action->trigger();
        QCOMPARE(opened(), QStringList{modHelp::RedirectAddress(page)});
        QVERIFY(MessageBox::takeShown().isEmpty());
        QCOMPARE(Settings::read(Reminder::SettingKey), lastReminder);
    }

    void labelsOpenTheirPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<Page>("page");
        for (const char* window : {"frmMain", "frmDisplay"}) {
            const auto row = [window](const char* label, Page page) {
                QTest::addRow("%s %s", window, label)
                    << QString::fromLatin1(window) << QString::fromLatin1(label) << page;
            };
            row("Label61", Page::Home);
            row("lblCobrand", Page::CoBrand);
            row("lblFullBrand", Page::FullyBranded);
        }
    }

    void labelsOpenTheirPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(Page, page);
        auto* link = openWindow(window)->findChild<ClickableLabel*>(label);
        QVERIFY(link);
        link->raise();
        // Clicked where the user sees it; each click asks the browser again.
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(link, Qt::LeftButton);
        const QString address = modHelp::RedirectAddress(page);
        QCOMPARE(opened(), (QStringList{address, address}));
        QVERIFY(MessageBox::takeShown().isEmpty());
    }
};

QTEST_MAIN(tst_WebLinks)
#include "tst_weblinks.moc"
