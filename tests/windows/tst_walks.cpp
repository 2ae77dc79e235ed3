// SPDX-License-Identifier: MIT
// The windows walked as a user walks them, for what only a window can get
// wrong: the road to a reading and back, the key rules, leaving, the links,
// the About box and the exit screen. Offscreen; nothing blocks or opens a
// browser.
#include "Walk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrlQuery>

using namespace Walk;
using Shown = QList<MessageBox::Shown>;

namespace {

const QDateTime Now(QDate(2026, 12, 6), QTime(12, 0));

// The texts of the message boxes shown since the last call.
QStringList messages()
{
    QStringList texts;
    for (const MessageBox::Shown& shown : MessageBox::takeShown())
        texts.append(shown.text);
    return texts;
}

void enterDate(const QString& name, int day, int month, int year)
{
    find<QLineEdit>("frmMain", "txtName")->setText(name);
    find<QComboBox>("frmMain", "cboDate")->setCurrentIndex(day - 1);
    find<QComboBox>("frmMain", "cboMonth")->setCurrentIndex(month - 1);
    find<QComboBox>("frmMain", "cboYear")->setCurrentText(QString::number(year));
}

void trigger(const char* windowName, const char* control)
{
    if (auto* action = find<QAction>(windowName, control))
        action->trigger();
    else if (auto* button = find<QPushButton>(windowName, control))
        button->click();
    else if (auto* widget = find(windowName, control))
        QTest::mouseClick(widget, Qt::LeftButton);
    else
        QFAIL(qPrintable(QStringLiteral("no control %1").arg(QLatin1String(control))));
}

// A reading for 1 January 1940, asked for as the user would.
void showReading()
{
    enterDate(QStringLiteral("ROSE"), 1, 1, 1940);
    trigger("frmMain", "cmdNext");
}

// The widget the user sees (and clicks) at the middle of a control's place.
QWidget* inFront(const char* windowName, const char* control)
{
    QWidget* widget = find(windowName, control);
    return widget->parentWidget()->childAt(widget->geometry().center());
}

} // namespace

class WindowWalks : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QStandardPaths::setTestModeEnabled(true);
        MessageBox::setTestMode(true);
        QSettings().clear();
    }

    void startUp_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<MessageBox::Answer>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("storesToday");
        const auto daysAgo = [](int days) { return Now.addDays(-days).toString(Qt::ISODate); };
        QTest::newRow("first start") << QString() << MessageBox::Answer::No << false << true;
        QTest::newRow("14 days ago") << daysAgo(14) << MessageBox::Answer::Yes << false << false;
        QTest::newRow("14 days ahead") << daysAgo(-14) << MessageBox::Answer::Yes << false << false;
        QTest::newRow("15 days ago, yes") << daysAgo(15) << MessageBox::Answer::Yes << true << true;
        QTest::newRow("15 days ahead, no")
            << daysAgo(-15) << MessageBox::Answer::No << true << true;
        QTest::newRow("unreadable")
            << QStringLiteral("yesterday") << MessageBox::Answer::Yes << false << true;
    }

    void startUp()
    {
        QFETCH(QString, stored);
        QFETCH(MessageBox::Answer, answer);
        QFETCH(bool, asked);
        QFETCH(bool, storesToday);
        if (!stored.isEmpty())
            QSettings().setValue(QStringLiteral("Settings/LastReminderDate"), stored);
        Browser browser;
        MessageBox::setNextAnswer(answer);
        Run run(Now);
        const Shown said = MessageBox::takeShown();
        QCOMPARE(said.size(), asked ? 1 : 0);
        if (asked)
            QCOMPARE(said[0].text,
                     QStringLiteral("There maybe an update to this software "
                                    "available\rDo you want to check for an update?"));
        const bool yes = asked && answer == MessageBox::Answer::Yes;
        QCOMPARE(browser.take(), yes ? QStringList{address("download-web-page")} : QStringList{});
        const QString now =
            QSettings().value(QStringLiteral("Settings/LastReminderDate")).toString();
        QCOMPARE(now, storesToday ? Now.toString(Qt::ISODate) : stored);
        QVERIFY(shown("frmMain"));
        QCOMPARE(window("frmMain")->windowTitle(), QStringLiteral("Starquill v1.15"));
        QVERIFY(!window("frmDisplay") && !window("frmPromotion"));
    }

    void secondInstanceIsRefused()
    {
        Run first(Now);
        Program second(first.folder.filePath(QStringLiteral("lock")));
        int exits = 0;
        second.setExitHandler([&exits] { ++exits; });
        QVERIFY(!second.start(Now));
        QCOMPARE(messages(), QStringList{QStringLiteral("Application is already running")});
        QCOMPARE(exits, 1);
        QCOMPARE(first.exits, 0);
        QVERIFY(shown("frmMain"));
    }

    void nameKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("refused");
        QTest::newRow("small letters") << QStringLiteral("mary") << QStringLiteral("MARY") << 0;
        QTest::newRow("a digit") << QStringLiteral("Jo3") << QStringLiteral("JO") << 1;
        QTest::newRow("between the alphabets") << QStringLiteral("[`") << QString() << 2;
        QTest::newRow("blank") << QStringLiteral("a b") << QStringLiteral("A B") << 0;
    }

    void nameKeys()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, refused);
        Run run(Now);
        auto* name = find<QLineEdit>("frmMain", "txtName");
        QTest::keyClicks(name, typed);
        QCOMPARE(name->text(), text);
        QCOMPARE(messages(), QStringList(refused, QStringLiteral("Please Enter only Letters")));
        // Ctrl+V types a control character: refused, nothing pasted.
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), text);
        QCOMPARE(messages().size(), 1);
    }

    void reading_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("date"); // an impossible date as day 31 of the month before
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("through");
        QTest::newRow("no name") << QString() << QDate(1950, 2, 28)
                                 << QStringLiteral("Please Enter Your Name") << QString()
                                 << "cmdNext";
        QTest::newRow("23 July 1946") << QStringLiteral("ROSE") << QDate(1946, 7, 23) << QString()
                                      << QStringLiteral("Leo") << "cmdNext";
        QTest::newRow("22 July 1946") << QStringLiteral("ROSE") << QDate(1946, 7, 22) << QString()
                                      << QStringLiteral("Cancer") << "mnuFindSexualitySign";
        QTest::newRow("29 February 1940") << QStringLiteral(" ") << QDate(1940, 2, 29) << QString()
                                          << QStringLiteral("Pisces") << "cmdNext";
    }

    void reading()
    {
        QFETCH(QString, name);
        QFETCH(QDate, date);
        QFETCH(QString, refusal);
        QFETCH(QString, sign);
        QFETCH(QString, through);
        Run run(Now);
        enterDate(name, date.day(), date.month(), date.year());
        trigger("frmMain", qPrintable(through));
        if (!refusal.isEmpty()) {
            QCOMPARE(messages(), QStringList{refusal});
            QVERIFY(shown("frmMain") && !window("frmDisplay"));
            return;
        }
        QVERIFY(messages().isEmpty());
        QVERIFY(shown("frmDisplay") && !shown("frmMain") && !shown("frmPromotion"));
        QCOMPARE(find<QLabel>("frmDisplay", "lblPsycheSign")->text(), sign);
        QVERIFY(!find<QLabel>("frmDisplay", "lblSignDesc")->text().isEmpty());
        QCOMPARE(Zodiac::name(*run.program->lastSign()), sign);
    }

    void impossibleDatesAreRefused_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("29 February 1941")
            << 29 << 2 << 1941 << QStringLiteral("Please Enter Correct Date Or Month!");
        QTest::newRow("31 April 1960")
            << 31 << 4 << 1960 << QStringLiteral("Please Enter Correct Date Or Month !");
    }

    void impossibleDatesAreRefused()
    {
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, refusal);
        Run run(Now);
        enterDate(QStringLiteral("ROSE"), day, month, year);
        trigger("frmMain", "cmdNext");
        QCOMPARE(messages(), QStringList{refusal});
        QVERIFY(shown("frmMain") && !window("frmDisplay") && !run.program->lastSign());
    }

    void backKeepsTheEntries()
    {
        Run run(Now);
        for (const char* back : {"cmdBack", "mnuFileBack"}) {
            enterDate(QStringLiteral("ROSE"), 8, 1, 1940);
            trigger("frmMain", "cmdNext");
            QCOMPARE(find<QLabel>("frmDisplay", "lblPsycheSign")->text(), QStringLiteral("Pisces"));
            trigger("frmDisplay", back);
            QVERIFY(shown("frmMain") && !window("frmDisplay") && !shown("frmPromotion"));
            QCOMPARE(find<QLineEdit>("frmMain", "txtName")->text(), QStringLiteral("ROSE"));
            QCOMPARE(find<QComboBox>("frmMain", "cboDate")->currentText(), QStringLiteral("8"));
            QCOMPARE(find<QComboBox>("frmMain", "cboMonth")->currentText(),
                     QStringLiteral("January"));
            QCOMPARE(find<QComboBox>("frmMain", "cboYear")->currentText(), QStringLiteral("1940"));
            // The next reading fills a fresh result window.
            find<QComboBox>("frmMain", "cboDate")->setCurrentIndex(6);
            trigger("frmMain", "cmdNext");
            QCOMPARE(find<QLabel>("frmDisplay", "lblPsycheSign")->text(),
                     QStringLiteral("Aquarius"));
            trigger("frmDisplay", back);
        }
        QVERIFY(messages().isEmpty());
        QCOMPARE(run.exits, 0);
    }

    void leaving_data()
    {
        QTest::addColumn<bool>("fromResult");
        QTest::addColumn<QString>("how");
        for (bool fromResult : {false, true})
            for (const char* how : {"cmdExit", "mnuExit", "Escape", "Return", "close box"})
                QTest::addRow("%s, %s", fromResult ? "result" : "entry", how)
                    << fromResult << QString::fromLatin1(how);
    }

    void leaving()
    {
        QFETCH(bool, fromResult);
        QFETCH(QString, how);
        Run run(Now);
        if (fromResult)
            showReading();
        const char* name = fromResult ? "frmDisplay" : "frmMain";
        QWidget* leaving = window(name);
        QApplication::setActiveWindow(leaving);
        // Enter from the name box, or right after the result window shows.
        QWidget* focus = fromResult ? leaving->focusWidget() : find("frmMain", "txtName");
        if (how == QLatin1String("Escape") || how == QLatin1String("Return"))
            QTest::keyClick(focus,
                            how == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return);
        else if (how == QLatin1String("close box"))
            leaving->close();
        else
            trigger(name, qPrintable(how));
        QVERIFY(!window(name));
        QVERIFY(shown("frmPromotion"));
        QCOMPARE(fromResult, window("frmMain") && !shown("frmMain"));
        QCOMPARE(run.exits, 0);
        QVERIFY(messages().isEmpty());
    }

    void links_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        const QList<std::pair<const char*, const char*>> links{
            {"Label61", "home-page"},         {"mnuVisit", "home-page"},
            {"mnuOnline", "help-web-page"},   {"mnuUpdate", "download-web-page"},
            {"mnuDonate", "donate"},          {"lblCobrand", "co-brand"},
            {"lblFullBrand", "fully-branded"}};
        for (const auto& [control, key] : links)
            QTest::newRow(control) << QString::fromLatin1(control) << QString::fromLatin1(key);
    }

    void links()
    {
        QFETCH(QString, control);
        QFETCH(QString, key);
        Run run(Now);
        Browser browser;
        for (const char* name : {"frmMain", "frmDisplay"}) {
            trigger(name, qPrintable(control));
            QCOMPARE(browser.take(), QStringList{address(qPrintable(key))});
            QVERIFY(shown(name));
            showReading();
        }
        QVERIFY(messages().isEmpty());
    }

    void menusAndPromotions()
    {
        Run run(Now);
        showReading();
        QCOMPARE(find<QAction>("frmMain", "mnuUpdate")->text(),
                 QStringLiteral("Check for Software &Update"));
        QCOMPARE(find<QAction>("frmDisplay", "mnuUpdate")->text(),
                 QStringLiteral("&Check for Software Update"));
        for (const char* name : {"frmMain", "frmDisplay"})
            QVERIFY(!find<QAction>(name, "mnuMakeMoneyOnline")->isVisible());
        // The co-brand draw decides the entry window's front label; the
        // result window always shows the full-brand one.
        const bool even = run.program->coBrandNumber() % 2 == 0;
        QVERIFY(run.program->coBrandNumber() >= 1 && run.program->coBrandNumber() <= 6);
        QCOMPARE(inFront("frmMain", "lblCobrand")->objectName(),
                 even ? QStringLiteral("lblFullBrand") : QStringLiteral("lblCobrand"));
        QCOMPARE(inFront("frmDisplay", "lblCobrand")->objectName(), QStringLiteral("lblFullBrand"));
    }

    void aboutBox_data()
    {
        QTest::addColumn<bool>("fromResult");
        QTest::addColumn<int>("closer");
        for (bool fromResult : {false, true})
            for (int closer : {int(Qt::Key_Escape), int(Qt::Key_Return), 0})
                QTest::addRow("%s, %d", fromResult ? "result" : "entry", closer)
                    << fromResult << closer;
    }

    void aboutBox()
    {
        QFETCH(bool, fromResult);
        QFETCH(int, closer);
        Run run(Now);
        Browser browser;
        if (fromResult)
            showReading();
        const char* opener = fromResult ? "frmDisplay" : "frmMain";
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box && box->objectName() == QLatin1String("frmAbout"));
            QCOMPARE(box->windowTitle(), QStringLiteral("Starquill v1.15"));
            for (const char* link : {"lblHomePage", "Label5"})
                QTest::mouseClick(box->findChild<QWidget*>(QLatin1String(link)), Qt::LeftButton);
            QCOMPARE(browser.take(), (QStringList{address("home-page"), address("fully-branded")}));
            QVERIFY(box->isVisible());
            if (closer)
                QTest::keyClick(box, Qt::Key(closer));
            else
                box->close();
            checked = true;
        });
        trigger(opener, "mnuAbout");
        QVERIFY(checked);
        QVERIFY(!window("frmAbout"));
        QVERIFY(shown(opener));
    }

    void exitScreen()
    {
        Run run(Now);
        Browser browser;
        trigger("frmMain", "cmdExit");
        QWidget* screen = window("frmPromotion");
        QApplication::setActiveWindow(screen);
        QCOMPARE(screen->focusWidget(), find("frmPromotion", "cmdClose"));
        QVERIFY(screen->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(find<QLabel>("frmPromotion", "lblPromotionCaption")->text(),
                 QStringLiteral("Starquill v1.15"));
        QVERIFY(!find<QLabel>("frmPromotion", "Label2")->text().isEmpty());
        // The check box is a link that never stays ticked, by click or Space.
        auto* visit = find<QCheckBox>("frmPromotion", "Check1");
        QTest::mouseClick(visit, Qt::LeftButton);
        QTest::keyClick(visit, Qt::Key_Space);
        QVERIFY(!visit->isChecked());
        trigger("frmPromotion", "lblGoToHome");
        QCOMPARE(browser.take(), (QStringList{address("home-page"), address("home-page"),
                                              address("lanternsoftwares")}));

        // Refer-a-friend: the placeholders are refused, a blank is not typed
        // into an e-mail box, and the entries arrive whole.
        trigger("frmPromotion", "cmdSubmit");
        QCOMPARE(messages(), QStringList{QStringLiteral("Please Enter Proper Email Address")});
        auto* email = find<QLineEdit>("frmPromotion", "txtEmail");
        email->setFocus();
        QCOMPARE(email->text(), QString());
        QTest::keyClicks(email, QStringLiteral("me@x.org "));
        QCOMPARE(messages(), QStringList{QStringLiteral("Email Address Cannot Contain Space")});
        find("frmPromotion", "txtName")->setFocus();
        QCOMPARE(email->text(), QStringLiteral("me@x.org"));
        find<QLineEdit>("frmPromotion", "txtFriendEmail")->setText(QStringLiteral("you@y.org"));
        find<QLineEdit>("frmPromotion", "txtFriendName")->setText(QStringLiteral(" Ann & Bo "));
        trigger("frmPromotion", "cmdSubmit");
        QCOMPARE(messages(), QStringList{QStringLiteral("Please Enter Your Name")});
        find<QLineEdit>("frmPromotion", "txtName")->setText(QStringLiteral("Zoë"));
        trigger("frmPromotion", "cmdSubmit");
        QVERIFY(messages().isEmpty());
        const QStringList opened = browser.take();
        QCOMPARE(opened.size(), 1);
        const QUrlQuery query{QUrl(opened[0])};
        const QStringList expected{
            QStringLiteral("qkpx-refer-a-friend"),
            QStringLiteral("Zoë"),
            QStringLiteral("me@x.org"),
            QStringLiteral("Your Message\r\n"),
            QStringLiteral("Ann & Bo"),
            QStringLiteral("you@y.org"),
            QStringLiteral("https://www.lanternsoftwares.com/starquill-free/")};
        QStringList values;
        for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded))
            values.append(value);
        QCOMPARE(values, expected);

        trigger("frmPromotion", "cmdClose");
        QCOMPARE(run.exits, 1);
        QVERIFY(!window("frmPromotion") && !window("frmMain"));
    }

    void endUnloadsEveryWindow()
    {
        Run run(Now);
        showReading();
        QVERIFY(window("frmMain") && window("frmPromotion") && shown("frmDisplay"));
        window("frmPromotion")->close();
        QCOMPARE(run.exits, 1);
        QVERIFY(!window("frmMain") && !window("frmDisplay") && !window("frmPromotion"));
        run.program->end();
        QCOMPARE(run.exits, 1);
    }
};

QTEST_MAIN(WindowWalks)
#include "tst_walks.moc"
