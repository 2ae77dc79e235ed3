// SPDX-License-Identifier: MIT
// The windows walked as a user walks them, for what only a window can get
// wrong: start-up, the road to a reading and back, the key rules, leaving,
// the links, the About box and the exit screen. Offscreen; nothing blocks,
// opens a browser, ends the test or touches the user's files.
#include "program/Program.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QUrlQuery>
#include <QXmlStreamReader>

#include <set>

namespace {

const QDateTime Now(QDate(2026, 12, 6), QTime(12, 0));
const QString ReminderKey = QStringLiteral("Settings/LastReminderDate");

QString address(const QString& key)
{
    return QStringLiteral("https://www.lanternsoftwares.com/starquill-free/ssd.php?page=") + key;
}

// The loaded top-level window of that name, shown or hidden, or null.
QWidget* window(const char* name)
{
    // Unloaded windows are deleted later: let that happen first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

bool shown(const char* name)
{
    const QWidget* w = window(name);
    return w && w->isVisible();
}

// The one way the tests reach a control: its window's name and its own.
template <class T = QWidget> T* find(const char* windowName, const char* control)
{
    QWidget* w = window(windowName);
    return w ? w->findChild<T*>(QLatin1String(control)) : nullptr;
}

void trigger(const char* windowName, const char* control)
{
    if (auto* action = find<QAction>(windowName, control))
        action->trigger();
    else if (auto* button = find<QPushButton>(windowName, control))
        button->click();
    else if (QWidget* widget = find(windowName, control))
        QTest::mouseClick(widget, Qt::LeftButton);
    else
        QFAIL(control);
}

void enterDate(const QString& name, int day, int month, int year)
{
    find<QLineEdit>("frmMain", "txtName")->setText(name);
    find<QComboBox>("frmMain", "cboDate")->setCurrentIndex(day - 1);
    find<QComboBox>("frmMain", "cboMonth")->setCurrentIndex(month - 1);
    find<QComboBox>("frmMain", "cboYear")->setCurrentText(QString::number(year));
}

void showReading()
{
    enterDate(QStringLiteral("ROSE"), 1, 1, 1940);
    trigger("frmMain", "cmdNext");
}

QStringList messages()
{
    QStringList texts;
    for (const MessageBox::Shown& shown : MessageBox::takeShown())
        texts.append(shown.text);
    return texts;
}

// Records the addresses handed to the browser.
class Browser : public QObject
{
    Q_OBJECT

public:
    Browser()
    {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~Browser() override
    {
        for (const char* scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QStringList take() { return std::exchange(m_opened, {}); }

public slots:
    void open(const QUrl& url) { m_opened.append(url.toString(QUrl::FullyEncoded)); }

private:
    QStringList m_opened;
};

// One run of the program; ending it is only counted.
struct Run
{
    QTemporaryDir folder;
    int exits = 0;
    Program program{folder.filePath(QStringLiteral("lock"))};
    Browser browser;

    Run()
    {
        program.setExitHandler([this] { ++exits; });
        program.start(Now);
    }
};

// Shows every text that lupdate found in the sources in brackets, and every
// other text as it is: a text shown without brackets was missed.
class Bracketing : public QTranslator
{
public:
    explicit Bracketing(const QString& tsFile)
    {
        QFile file(tsFile);
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader ts(&file);
        QString context;
        while (ts.readNextStartElement() || !ts.atEnd()) {
            if (ts.name() == QLatin1String("name"))
                context = ts.readElementText();
            else if (ts.name() == QLatin1String("source"))
                m_found.insert({context, ts.readElementText()});
        }
    }
    bool isEmpty() const override { return m_found.empty(); }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (m_found.count({QString::fromUtf8(context), text}))
            return QLatin1Char('[') + text + QLatin1Char(']');
        return text;
    }

private:
    std::set<std::pair<QString, QString>> m_found;
};

// Every text a window shows: captions, labels, buttons, menus, list entries.
QStringList shownTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QLabel* label : window->findChildren<QLabel*>())
        texts.append(label->text());
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        texts.append(button->text());
    for (QGroupBox* frame : window->findChildren<QGroupBox*>())
        texts.append(frame->title());
    for (QAction* action : window->findChildren<QAction*>())
        texts.append(action->text());
    if (auto* months = window->findChild<QComboBox*>(QStringLiteral("cboMonth")))
        for (int i = 0; i < months->count(); ++i)
            texts.append(months->itemText(i));
    texts.removeAll(QString());
    return texts;
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

    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void startUp_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("storesNow");
        const auto ago = [](int days) { return Now.addDays(-days).toString(Qt::ISODate); };
        QTest::newRow("first start") << QString() << true << false << true;
        QTest::newRow("14 days ago") << ago(14) << true << false << false;
        QTest::newRow("14 days ahead") << ago(-14) << true << false << false;
        QTest::newRow("15 days ago, yes") << ago(15) << true << true << true;
        QTest::newRow("15 days ahead, no") << ago(-15) << false << true << true;
        QTest::newRow("unreadable") << QStringLiteral("yesterday") << true << false << true;
    }

    void startUp()
    {
        QFETCH(QString, stored);
        QFETCH(bool, yes);
        QFETCH(bool, asked);
        QFETCH(bool, storesNow);
        if (!stored.isEmpty())
            QSettings().setValue(ReminderKey, stored);
        MessageBox::setNextAnswer(yes ? MessageBox::Answer::Yes : MessageBox::Answer::No);
        Run run;
        const QString question = QStringLiteral("There maybe an update to this software "
                                                "available\rDo you want to check for an update?");
        QCOMPARE(messages(), asked ? QStringList{question} : QStringList{});
        QCOMPARE(run.browser.take(), asked && yes
                                         ? QStringList{address(QStringLiteral("download-web-page"))}
                                         : QStringList{});
        QCOMPARE(QSettings().value(ReminderKey).toString(),
                 storesNow ? Now.toString(Qt::ISODate) : stored);
        QVERIFY(shown("frmMain") && !window("frmDisplay") && !window("frmPromotion"));
        QCOMPARE(window("frmMain")->windowTitle(), QStringLiteral("Starquill v1.15"));
    }

    void secondInstanceIsRefused()
    {
        Run first;
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
        Run run;
        auto* name = find<QLineEdit>("frmMain", "txtName");
        QTest::keyClicks(name, typed);
        // Ctrl+V types a control character: refused, nothing pasted.
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), text);
        QCOMPARE(messages(), QStringList(refused + 1, QStringLiteral("Please Enter only Letters")));
    }

    void reading_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date"); // day.month.year, as the lists offer them
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QByteArray>("through");
        const QByteArray button("cmdNext"), menu("mnuFindSexualitySign");
        const QString rose = QStringLiteral("ROSE");
        QTest::newRow("no name, 31 April")
            << QString() << QStringLiteral("31.4.1950") << QStringLiteral("Please Enter Your Name")
            << QString() << button;
        QTest::newRow("29 February 1941")
            << rose << QStringLiteral("29.2.1941")
            << QStringLiteral("Please Enter Correct Date Or Month!") << QString() << menu;
        QTest::newRow("31 April 1960")
            << rose << QStringLiteral("31.4.1960")
            << QStringLiteral("Please Enter Correct Date Or Month !") << QString() << button;
        QTest::newRow("23 July 1946")
            << rose << QStringLiteral("23.7.1946") << QString() << QStringLiteral("Leo") << button;
        QTest::newRow("22 July 1946")
            << rose << QStringLiteral("22.7.1946") << QString() << QStringLiteral("Cancer") << menu;
        QTest::newRow("29 February 1940") << QStringLiteral(" ") << QStringLiteral("29.2.1940")
                                          << QString() << QStringLiteral("Pisces") << button;
    }

    void reading()
    {
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(QString, said);
        QFETCH(QString, sign);
        QFETCH(QByteArray, through);
        Run run;
        const QStringList dmy = date.split(QLatin1Char('.'));
        enterDate(name, dmy[0].toInt(), dmy[1].toInt(), dmy[2].toInt());
        trigger("frmMain", through.constData());
        QCOMPARE(messages(), said.isEmpty() ? QStringList{} : QStringList{said});
        QCOMPARE(shown("frmDisplay"), !sign.isEmpty());
        QCOMPARE(shown("frmMain"), sign.isEmpty());
        QVERIFY(!shown("frmPromotion"));
        QCOMPARE(run.program.lastSign().has_value(), !sign.isEmpty());
        if (!sign.isEmpty()) {
            QCOMPARE(find<QLabel>("frmDisplay", "lblPsycheSign")->text(), sign);
            QCOMPARE(find<QLabel>("frmDisplay", "lblSignDesc")->text(),
                     Zodiac::description(*run.program.lastSign()));
        }
    }

    void backKeepsTheEntries()
    {
        Run run;
        for (const char* back : {"cmdBack", "mnuFileBack"}) {
            enterDate(QStringLiteral("ROSE"), 8, 1, 1940);
            trigger("frmMain", "cmdNext");
            QCOMPARE(find<QLabel>("frmDisplay", "lblPsycheSign")->text(), QStringLiteral("Pisces"));
            trigger("frmDisplay", back);
            QVERIFY(shown("frmMain") && !window("frmDisplay") && !shown("frmPromotion"));
            QStringList entries;
            for (const char* list : {"cboDate", "cboMonth", "cboYear"})
                entries.append(find<QComboBox>("frmMain", list)->currentText());
            QCOMPARE(find<QLineEdit>("frmMain", "txtName")->text(), QStringLiteral("ROSE"));
            QCOMPARE(entries.join(QLatin1Char(' ')), QStringLiteral("8 January 1940"));
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
        QTest::addColumn<QByteArray>("how");
        for (bool fromResult : {false, true})
            for (const char* how : {"cmdExit", "mnuExit", "Escape", "Return", "close box"})
                QTest::addRow("%s, %s", fromResult ? "result" : "entry", how)
                    << fromResult << QByteArray(how);
    }

    void leaving()
    {
        QFETCH(bool, fromResult);
        QFETCH(QByteArray, how);
        Run run;
        if (fromResult)
            showReading();
        const char* name = fromResult ? "frmDisplay" : "frmMain";
        QWidget* leaving = window(name);
        QApplication::setActiveWindow(leaving);
        // Enter from the name box, or right after the result window shows.
        QWidget* focus = fromResult ? leaving->focusWidget() : find("frmMain", "txtName");
        if (how == "Escape" || how == "Return")
            QTest::keyClick(focus, how == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
        else if (how == "close box")
            leaving->close();
        else
            trigger(name, how.constData());
        QVERIFY(!window(name) && shown("frmPromotion"));
        QCOMPARE(fromResult, window("frmMain") && !shown("frmMain"));
        QCOMPARE(run.exits, 0);
        QVERIFY(messages().isEmpty());
    }

    void links_data()
    {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<QString>("key");
        const QList<std::pair<const char*, const char*>> links{
            {"Label61", "home-page"},         {"mnuVisit", "home-page"},
            {"mnuOnline", "help-web-page"},   {"mnuUpdate", "download-web-page"},
            {"mnuDonate", "donate"},          {"lblCobrand", "co-brand"},
            {"lblFullBrand", "fully-branded"}};
        for (const auto& [control, key] : links)
            QTest::newRow(control) << QByteArray(control) << QString::fromLatin1(key);
    }

    void links()
    {
        QFETCH(QByteArray, control);
        QFETCH(QString, key);
        Run run;
        for (const char* name : {"frmMain", "frmDisplay"}) {
            trigger(name, control.constData());
            QCOMPARE(run.browser.take(), QStringList{address(key)});
            QVERIFY(shown(name));
            showReading();
        }
        QVERIFY(messages().isEmpty());
    }

    void menusAndPromotions()
    {
        Run run;
        showReading();
        QCOMPARE(find<QAction>("frmMain", "mnuUpdate")->text(),
                 QStringLiteral("Check for Software &Update"));
        QCOMPARE(find<QAction>("frmDisplay", "mnuUpdate")->text(),
                 QStringLiteral("&Check for Software Update"));
        for (const char* name : {"frmMain", "frmDisplay"})
            QVERIFY(!find<QAction>(name, "mnuMakeMoneyOnline")->isVisible());
        // The label seen (and clicked) in the shared place: on the entry
        // window the co-brand draw's, on the result window always full-brand.
        const auto inFront = [](const char* name) {
            QWidget* label = find(name, "lblCobrand");
            return label->parentWidget()->childAt(label->geometry().center())->objectName();
        };
        const int drawn = run.program.coBrandNumber();
        QVERIFY(drawn >= 1 && drawn <= 6);
        QCOMPARE(inFront("frmMain"), QLatin1String(drawn % 2 ? "lblCobrand" : "lblFullBrand"));
        QCOMPARE(inFront("frmDisplay"), QLatin1String("lblFullBrand"));
    }

    void aboutBox_data()
    {
        QTest::addColumn<bool>("fromResult");
        QTest::addColumn<int>("closer"); // a key, or 0 for the close box
        for (bool fromResult : {false, true})
            for (int closer : {int(Qt::Key_Escape), int(Qt::Key_Return), 0})
                QTest::addRow("%s, %x", fromResult ? "result" : "entry", closer)
                    << fromResult << closer;
    }

    void aboutBox()
    {
        QFETCH(bool, fromResult);
        QFETCH(int, closer);
        Run run;
        if (fromResult)
            showReading();
        bool checked = false;
        // The box is modal: it is walked from inside its own event loop.
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box && box->objectName() == QLatin1String("frmAbout"));
            QCOMPARE(box->windowTitle(), QStringLiteral("Starquill v1.15"));
            for (const char* link : {"lblHomePage", "Label5"})
                QTest::mouseClick(box->findChild<QWidget*>(QLatin1String(link)), Qt::LeftButton);
            QCOMPARE(run.browser.take(), (QStringList{address(QStringLiteral("home-page")),
                                                      address(QStringLiteral("fully-branded"))}));
            QVERIFY(box->isVisible());
            if (closer)
                QTest::keyClick(box, Qt::Key(closer));
            else
                box->close();
            checked = true;
        });
        const char* opener = fromResult ? "frmDisplay" : "frmMain";
        trigger(opener, "mnuAbout");
        QVERIFY(checked && !window("frmAbout") && shown(opener));
    }

    void exitScreen()
    {
        Run run;
        trigger("frmMain", "cmdExit");
        QWidget* screen = window("frmPromotion");
        QApplication::setActiveWindow(screen);
        QCOMPARE(screen->focusWidget(), find("frmPromotion", "cmdClose"));
        QVERIFY(screen->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(find<QLabel>("frmPromotion", "lblPromotionCaption")->text(),
                 QStringLiteral("Starquill v1.15"));
        // The check box is a link that never stays ticked, by click or Space.
        auto* visit = find<QCheckBox>("frmPromotion", "Check1");
        QTest::mouseClick(visit, Qt::LeftButton);
        QTest::keyClick(visit, Qt::Key_Space);
        QVERIFY(!visit->isChecked());
        trigger("frmPromotion", "lblGoToHome");
        const QString home = address(QStringLiteral("home-page"));
        QCOMPARE(run.browser.take(),
                 (QStringList{home, home, address(QStringLiteral("lanternsoftwares"))}));

        // Refer-a-friend: the placeholders go with the focus, a blank is not
        // typed into an e-mail box, and the boxes' texts arrive whole.
        trigger("frmPromotion", "cmdSubmit");
        QCOMPARE(messages(), QStringList{QStringLiteral("Please Enter Proper Email Address")});
        auto* email = find<QLineEdit>("frmPromotion", "txtEmail");
        email->setFocus();
        QTest::keyClicks(email, QStringLiteral("me@x.org "));
        QCOMPARE(messages(), QStringList{QStringLiteral("Email Address Cannot Contain Space")});
        find("frmPromotion", "txtName")->setFocus();
        QCOMPARE(email->text(), QStringLiteral("me@x.org"));
        find<QLineEdit>("frmPromotion", "txtFriendEmail")->setText(QStringLiteral("you@y.org"));
        find<QLineEdit>("frmPromotion", "txtFriendName")->setText(QStringLiteral(" Ann & Bo "));
        find<QLineEdit>("frmPromotion", "txtName")->setText(QStringLiteral("Zoë"));
        trigger("frmPromotion", "cmdSubmit");
        QVERIFY(messages().isEmpty());
        const QStringList opened = run.browser.take();
        QCOMPARE(opened.size(), 1);
        QStringList values;
        for (const auto& [key, value] : QUrlQuery(QUrl(opened[0])).queryItems(QUrl::FullyDecoded))
            values.append(value);
        QCOMPARE(values,
                 (QStringList{QStringLiteral("qkpx-refer-a-friend"), QStringLiteral("Zoë"),
                              QStringLiteral("me@x.org"), QStringLiteral("Your Message\r\n"),
                              QStringLiteral("Ann & Bo"), QStringLiteral("you@y.org"),
                              QStringLiteral("https://www.lanternsoftwares.com/starquill-free/")}));
        trigger("frmPromotion", "cmdClose");
        QCOMPARE(run.exits, 1);
        QVERIFY(!window("frmPromotion"));
    }

    // Every text the user sees reaches a translator, as lupdate finds it.
    void everyTextIsTranslatable()
    {
#ifndef ALL_TEXTS_TS
        QSKIP("lupdate (Qt's linguist tools) is not installed");
#else
        Bracketing translator(QStringLiteral(ALL_TEXTS_TS));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QStringList texts;
        QSettings().setValue(ReminderKey, QStringLiteral("2000-01-01T00:00:00"));
        {
            Run run;
            Program(run.folder.filePath(QStringLiteral("lock"))).start(Now);
            find<QLineEdit>("frmMain", "txtName")->setText(QStringLiteral("A"));
            find<QComboBox>("frmMain", "cboDate")->setCurrentIndex(30);
            trigger("frmMain", "cmdNext"); // 31 January
            QTimer::singleShot(0, this, [&texts] {
                QWidget* box = QApplication::activeModalWidget();
                texts += shownTexts(box);
                box->close();
            });
            trigger("frmDisplay", "mnuAbout");
            texts += shownTexts(window("frmMain")) + shownTexts(window("frmDisplay"));
            trigger("frmDisplay", "cmdExit");
            trigger("frmPromotion", "cmdSubmit");
            texts += shownTexts(window("frmPromotion")) + messages();
            for (QLineEdit* box : window("frmPromotion")->findChildren<QLineEdit*>())
                texts.append(box->text());
            QTest::keyClick(find("frmMain", "txtName"), Qt::Key_1);
            texts += messages();
        }
        QCoreApplication::removeTranslator(&translator);
        for (const QString& text : texts)
            QVERIFY2(text.startsWith(QLatin1Char('[')), qPrintable(text));
        QVERIFY(texts.size() > 70);
#endif
    }

    void endUnloadsEveryWindow()
    {
        Run run;
        showReading();
        QVERIFY(window("frmMain") && window("frmPromotion") && shown("frmDisplay"));
        window("frmPromotion")->close();
        QCOMPARE(run.exits, 1);
        QVERIFY(!window("frmMain") && !window("frmDisplay") && !window("frmPromotion"));
        run.program.end();
        QCOMPARE(run.exits, 1);
    }
};

QTEST_MAIN(WindowWalks)
#include "tst_walks.moc"
