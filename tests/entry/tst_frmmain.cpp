#include "TestSupport.h"

#include "app/MessageBox.h"
#include "entry/BirthData.h"
#include "entry/frmMain.h"
#include "promotion/frmPromotion.h"
#include "result/frmDisplay.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using BirthData::Check;

namespace {

QStringList shownTexts()
{
    QStringList texts;
    for (const MessageBox::Shown& shown : MessageBox::takeShown())
        texts.append(shown.text);
    return texts;
}

// Types characters that QTest's key helpers cannot (outside Latin-1 letters).
void typeCharacter(QWidget* widget, const QString& character)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &release);
}

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

    frmMain* window = nullptr;

    frmMain* showEntry()
    {
        window = Forms::get<frmMain>();
        window->show();
        QApplication::setActiveWindow(window);
        return window;
    }

    void select(int day, int month, int year)
    {
        window->cboDate->setCurrentIndex(day - 1);
        window->cboMonth->setCurrentIndex(month - 1);
        window->cboYear->setCurrentText(QString::number(year));
    }

private slots:
    void initTestCase() { TestSupport::isolate(); }
    void init()
    {
        TestSupport::reset();
        showEntry();
    }

    // --- a fresh window ---
    void opensWithEmptyNameAndFirstEntries()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Starquill v1.15"));
        QCOMPARE(window->txtName->text(), QString());
        QCOMPARE(window->cboDate->count(), 31);
        QCOMPARE(window->cboMonth->count(), 12);
        QCOMPARE(window->cboYear->count(), 51);
        QCOMPARE(window->cboDate->currentText(), QStringLiteral("1"));
        QCOMPARE(window->cboMonth->currentText(), QStringLiteral("January"));
        QCOMPARE(window->cboYear->currentText(), QStringLiteral("1940"));
        QCOMPARE(window->cboDate->itemText(30), QStringLiteral("31"));
        QCOMPARE(window->cboMonth->itemText(11), QStringLiteral("December"));
        QCOMPARE(window->cboYear->itemText(50), QStringLiteral("1990"));
        QVERIFY(!window->cboDate->isEditable());
        QTRY_COMPARE(QApplication::focusWidget(), window->txtName);
    }

    void tabOrder()
    {
        const QList<QWidget*> expected{window->cboDate, window->cboMonth, window->cboYear,
                                       window->cmdNext, window->cmdExit,  window->txtName};
        window->txtName->setFocus();
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    // The pop-up lists are built when first opened, not with the window, and
    // then show the list's own bold font and colours.
    void listsOpenInTheirOwnFontAndColours()
    {
        for (QComboBox* box : {window->cboDate, window->cboMonth, window->cboYear}) {
            QVERIFY2(!box->findChild<QAbstractItemView*>(), qPrintable(box->objectName()));
            QVERIFY(box->font().bold());
            box->showPopup();
            QAbstractItemView* popup = box->view();
            QTRY_VERIFY(popup->isVisible());
            QCOMPARE(popup->font(), box->font());
            QCOMPARE(popup->palette().color(QPalette::Text), box->palette().color(QPalette::Text));
            QCOMPARE(popup->palette().color(QPalette::Base), box->palette().color(QPalette::Base));
            box->hidePopup();
        }
    }

    void menuBarHoldsEveryItem()
    {
        for (const char* name : {"mnuFindSexualitySign", "mnuExit", "mnuOnline", "mnuVisit",
                                 "mnuUpdate", "mnuAbout", "mnuDonate", "mnuMakeMoneyOnline"})
            QVERIFY2(window->findChild<QAction*>(QString::fromLatin1(name)), name);
        QCOMPARE(window->findChild<QAction*>(QStringLiteral("mnuFindSexualitySign"))->text(),
                 QStringLiteral("Find My Zodiac  Psyche Sign"));
        QCOMPARE(window->findChild<QAction*>(QStringLiteral("mnuUpdate"))->text(),
                 QStringLiteral("Check for Software &Update"));
        // Switched off: the user can never reach it.
        QVERIFY(!window->findChild<QAction*>(QStringLiteral("mnuMakeMoneyOnline"))->isVisible());
    }

    // --- the name box's key filter ---
    void filterRules()
    {
        for (char32_t c = 0; c < 0x300; ++c) {
            const std::optional<char32_t> passed = BirthData::filterNameCharacter(c);
            if (c >= U'A' && c <= U'Z')
                QCOMPARE(passed, std::optional<char32_t>(c));
            else if (c >= U'a' && c <= U'z')
                QCOMPARE(passed, std::optional<char32_t>(c - 32));
            else if (c == 8 || c == 13 || c == 32)
                QCOMPARE(passed, std::optional<char32_t>(c));
            else
                QVERIFY2(!passed, qPrintable(QString::number(c)));
        }
    }

    void typedLettersBecomeCapitals()
    {
        QTest::keyClicks(window->txtName, QStringLiteral("mary"));
        QCOMPARE(window->txtName->text(), QStringLiteral("MARY"));
        QVERIFY(shownTexts().isEmpty());
    }

    void refusedCharactersShowOneMessageEach()
    {
        QTest::keyClicks(window->txtName, QStringLiteral("Jo3"));
        QCOMPARE(window->txtName->text(), QStringLiteral("JO"));
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("Please Enter only Letters")});
        QTest::keyClicks(window->txtName, QStringLiteral("[`"));
        for (const QString& foreign :
             {QStringLiteral("é"), QStringLiteral("Ж"), QStringLiteral("😀")})
            typeCharacter(window->txtName, foreign);
        QCOMPARE(window->txtName->text(), QStringLiteral("JO"));
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown.first().icon, MessageBox::Icon::Information);
        QCOMPARE(QApplication::focusWidget(), window->txtName);
    }

    void spaceAndBackspaceNeverComplain()
    {
        QTest::keyClicks(window->txtName, QStringLiteral("ann lee"));
        QTest::keyClick(window->txtName, Qt::Key_Backspace);
        QCOMPARE(window->txtName->text(), QStringLiteral("ANN LE"));
        QVERIFY(shownTexts().isEmpty());
    }

    void ctrlVIsRefusedAndPastesNothing()
    {
        QApplication::clipboard()->setText(QStringLiteral("x1y2"));
        QTest::keyClick(window->txtName, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window->txtName->text(), QString());
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("Please Enter only Letters")});
    }

    // --- closing ---
    void escapeAndEnterInTheNameBoxExit_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void escapeAndEnterInTheNameBoxExit()
    {
        QFETCH(int, key);
        window->txtName->setFocus();
        QTest::keyClick(window->txtName, Qt::Key(key));
        QVERIFY(window->isUnloaded());
        frmPromotion* promotion = Forms::existing<frmPromotion>();
        QVERIFY(promotion && promotion->isVisible());
        QCOMPARE(TestSupport::exitRequests(), 0);
        QVERIFY(shownTexts().isEmpty());
    }

    void enterOnAFoldedListExits()
    {
        window->cboMonth->setFocus();
        QTest::keyClick(window->cboMonth, Qt::Key_Return);
        QVERIFY(window->isUnloaded());
        QVERIFY(!Forms::existing<frmDisplay>());
    }

    void enterOnTheFindButtonPressesIt()
    {
        window->txtName->setText(QStringLiteral("ANN"));
        window->cmdNext->setFocus();
        QTest::keyClick(window->cmdNext, Qt::Key_Return);
        QVERIFY(!window->isUnloaded());
        QVERIFY(Forms::existing<frmDisplay>() && Forms::existing<frmDisplay>()->isVisible());
    }

    void everyWayOfClosingShowsTheExitScreen_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << QStringLiteral("button");
        QTest::newRow("menu") << QStringLiteral("menu");
        QTest::newRow("close box") << QStringLiteral("close");
    }

    void everyWayOfClosingShowsTheExitScreen()
    {
        QFETCH(QString, how);
        if (how == QLatin1String("button"))
            QTest::mouseClick(window->cmdExit, Qt::LeftButton);
        else if (how == QLatin1String("menu"))
            window->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        else
            window->close();
        QVERIFY(window->isUnloaded());
        QVERIFY(Forms::existing<frmPromotion>()->isVisible());
        QVERIFY(!Forms::existing<frmMain>());
        // The exit screen ends the program; nothing is left behind.
        Forms::existing<frmPromotion>()->close();
        QCOMPARE(TestSupport::exitRequests(), 1);
        QVERIFY(Form::loadedForms().isEmpty());
    }

    // --- the date checks ---
    void datesAreCheckedLikeTheCalendar()
    {
        // Every day position of every month of every year offered.
        for (int year = 1940; year <= 1990; ++year)
            for (int month = 0; month < 12; ++month)
                for (int day = 0; day < 31; ++day) {
                    const Check result = BirthData::check(QStringLiteral("A"), day, month, year);
                    const bool exists = QDate(year, month + 1, day + 1).isValid();
                    QVERIFY2((result == Check::Ok) == exists,
                             qPrintable(
                                 QStringLiteral("%1-%2-%3").arg(year).arg(month + 1).arg(day + 1)));
                    if (!exists)
                        QCOMPARE(result,
                                 month == 1 ? Check::BadFebruaryDay : Check::BadThirtyDayMonth);
                }
    }

    void nameIsCheckedFirst()
    {
        QCOMPARE(BirthData::check(QString(), 30, 1, 1941), Check::NameMissing);
        QCOMPARE(BirthData::check(QStringLiteral("   "), 0, 0, 1940), Check::Ok);
        QCOMPARE(BirthData::message(Check::NameMissing), QStringLiteral("Please Enter Your Name"));
        QCOMPARE(BirthData::message(Check::BadFebruaryDay),
                 QStringLiteral("Please Enter Correct Date Or Month!"));
        QCOMPARE(BirthData::message(Check::BadThirtyDayMonth),
                 QStringLiteral("Please Enter Correct Date Or Month !"));
    }

    // --- the reading request ---
    void refusedRequestShowsOneMessageAndChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::newRow("no name, bad date")
            << QString() << 31 << 4 << 1950 << QStringLiteral("Please Enter Your Name");
        QTest::newRow("29 Feb 1941") << QStringLiteral("A") << 29 << 2 << 1941
                                     << QStringLiteral("Please Enter Correct Date Or Month!");
        QTest::newRow("30 Feb 1940") << QStringLiteral("A") << 30 << 2 << 1940
                                     << QStringLiteral("Please Enter Correct Date Or Month!");
        QTest::newRow("31 Nov 1990") << QStringLiteral("A") << 31 << 11 << 1990
                                     << QStringLiteral("Please Enter Correct Date Or Month !");
    }

    void refusedRequestShowsOneMessageAndChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        window->txtName->setText(name);
        select(day, month, year);
        window->cmdNext->setFocus();
        QTest::mouseClick(window->cmdNext, Qt::LeftButton);
        QCOMPARE(shownTexts(), QStringList{message});
        QVERIFY(window->isVisible());
        QVERIFY(!Forms::existing<frmDisplay>());
        QCOMPARE(window->txtName->text(), name);
        QCOMPARE(window->cboDate->currentIndex(), day - 1);
        QCOMPARE(window->cboMonth->currentIndex(), month - 1);
        QCOMPARE(window->cboYear->currentText(), QString::number(year));
        // Only the missing name moves the focus.
        QCOMPARE(QApplication::focusWidget(),
                 name.isEmpty() ? static_cast<QWidget*>(window->txtName) : window->cmdNext);
    }

    void validRequestSwapsTheWindows_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
    }

    void validRequestSwapsTheWindows()
    {
        QFETCH(bool, fromMenu);
        window->txtName->setText(QStringLiteral("MARY"));
        select(31, 8, 1942);
        if (fromMenu)
            window->findChild<QAction*>(QStringLiteral("mnuFindSexualitySign"))->trigger();
        else
            QTest::mouseClick(window->cmdNext, Qt::LeftButton);
        QVERIFY(shownTexts().isEmpty());
        frmDisplay* display = Forms::existing<frmDisplay>();
        QVERIFY(display && display->isVisible());
        QCOMPARE(display->lblPsycheSign->text(), QStringLiteral("Virgo"));
        QVERIFY(display->lblSignDesc->text().startsWith(QStringLiteral("You will question")));
        QVERIFY(!window->isVisible());
        QVERIFY(!window->isUnloaded());
        // The exit screen now exists, but stays out of sight.
        QVERIFY(Forms::existing<frmPromotion>());
        QVERIFY(!Forms::existing<frmPromotion>()->isVisible());
    }

    void backKeepsTheEntriesAndAReadingAgainUsesAFreshWindow()
    {
        window->txtName->setText(QStringLiteral("LEO"));
        select(12, 10, 1978);
        QTest::mouseClick(window->cmdNext, Qt::LeftButton);
        QPointer<frmDisplay> first = Forms::existing<frmDisplay>();
        QCOMPARE(first->lblPsycheSign->text(), QStringLiteral("Sagittarius"));

        QTest::mouseClick(first->cmdBack, Qt::LeftButton);
        QVERIFY(first->isUnloaded());
        QVERIFY(window->isVisible());
        QVERIFY(!Forms::existing<frmPromotion>()->isVisible());
        QCOMPARE(window->txtName->text(), QStringLiteral("LEO"));
        QCOMPARE(window->cboDate->currentText(), QStringLiteral("12"));
        QCOMPARE(window->cboMonth->currentText(), QStringLiteral("October"));
        QCOMPARE(window->cboYear->currentText(), QStringLiteral("1978"));

        window->cboDate->setCurrentIndex(10);
        QTest::mouseClick(window->cmdNext, Qt::LeftButton);
        frmDisplay* second = Forms::existing<frmDisplay>();
        QVERIFY(second && second != first.data());
        QCOMPARE(second->lblPsycheSign->text(), QStringLiteral("Scorpio"));
        QCOMPARE(TestSupport::exitRequests(), 0);
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
