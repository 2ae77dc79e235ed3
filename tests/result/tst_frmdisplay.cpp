#include "TestSupport.h"

#include "app/ClickableLabel.h"
#include "app/MessageBox.h"
#include "entry/frmMain.h"
#include "promotion/frmPromotion.h"
#include "result/frmDisplay.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class ShowCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++count;
        return false;
    }
};

class TestFrmDisplay : public QObject
{
    Q_OBJECT

    frmMain* entry = nullptr;
    frmDisplay* display = nullptr;

    // A reading for 23 July 1946, the first day of Leo that year, as the user would ask for it.
    void readLeo()
    {
        entry = Forms::get<frmMain>();
        entry->show();
        entry->txtName->setText(QStringLiteral("ROSE"));
        entry->cboDate->setCurrentIndex(22);
        entry->cboMonth->setCurrentIndex(6);
        entry->cboYear->setCurrentText(QStringLiteral("1946"));
        QTest::mouseClick(entry->cmdNext, Qt::LeftButton);
        display = Forms::existing<frmDisplay>();
        QVERIFY(display);
        QApplication::setActiveWindow(display);
    }

    void verifyLeftForTheExitScreen()
    {
        QVERIFY(display->isUnloaded());
        QVERIFY(Forms::existing<frmPromotion>()->isVisible());
        QVERIFY(!entry->isVisible());
        QVERIFY(!entry->isUnloaded());
        QCOMPARE(TestSupport::exitRequests(), 0);
    }

private slots:
    void initTestCase() { TestSupport::isolate(); }
    void init()
    {
        TestSupport::reset();
        readLeo();
    }

    // --- as shown after a reading ---
    void showsTheSignAndItsParagraph()
    {
        QCOMPARE(display->windowTitle(), QStringLiteral("Starquill v1.15"));
        QCOMPARE(display->findChild<QLabel*>(QStringLiteral("Label12"))->text(),
                 QStringLiteral("Psyche in your Chart is Placed in"));
        QCOMPARE(display->lblPsycheSign->text(), QStringLiteral("Leo"));
        QCOMPARE(display->lblSignDesc->text(),
                 QStringLiteral("You are charming and beautiful. You have a way with your "
                                "partner. You can make out the best in people and bring it out."));
        QVERIFY(display->lblSignDesc->wordWrap());
        QVERIFY(MessageBox::takeShown().isEmpty());
    }

    void focusStartsOnExitThenBack()
    {
        QTRY_COMPARE(QApplication::focusWidget(), display->cmdExit);
        QTest::keyClick(display->cmdExit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), display->cmdBack);
    }

    void fullBrandLabelIsTheOneSeen()
    {
        QWidget* frame = display->lblFullBrand->parentWidget();
        const QPoint middle = display->lblFullBrand->geometry().center();
        QCOMPARE(frame->childAt(middle), display->lblFullBrand);
        QVERIFY(display->lblCobrand->geometry().intersects(display->lblFullBrand->geometry()));
    }

    void updateItemIsWordedForThisWindow()
    {
        QCOMPARE(display->findChild<QAction*>(QStringLiteral("mnuUpdate"))->text(),
                 QStringLiteral("&Check for Software Update"));
        QVERIFY(!display->findChild<QAction*>(QStringLiteral("mnuMakeMoneyOnline"))->isVisible());
    }

    // --- leaving ---
    void enterRightAfterShowingExits()
    {
        QTRY_COMPARE(QApplication::focusWidget(), display->cmdExit);
        QTest::keyClick(display->cmdExit, Qt::Key_Return);
        verifyLeftForTheExitScreen();
    }

    void everyWayOfExitingShowsTheExitScreen_data()
    {
        QTest::addColumn<QString>("how");
        for (const char* how : {"button", "menu", "escape", "close box"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }

    void everyWayOfExitingShowsTheExitScreen()
    {
        QFETCH(QString, how);
        if (how == QLatin1String("button"))
            QTest::mouseClick(display->cmdExit, Qt::LeftButton);
        else if (how == QLatin1String("menu"))
            display->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(display->cmdBack, Qt::Key_Escape);
        else
            display->close();
        verifyLeftForTheExitScreen();
    }

    void enterOnBackGoesBack()
    {
        display->cmdBack->setFocus();
        QTest::keyClick(display->cmdBack, Qt::Key_Return);
        QVERIFY(display->isUnloaded());
        QVERIFY(entry->isVisible());
    }

    void backFromTheMenuLeavesOnlyTheEntryWindow()
    {
        // The exit screen must not even flash up on the way back.
        ShowCounter shows;
        Forms::existing<frmPromotion>()->installEventFilter(&shows);
        display->findChild<QAction*>(QStringLiteral("mnuFileBack"))->trigger();
        QCOMPARE(shows.count, 0);
        QVERIFY(display->isUnloaded());
        QVERIFY(entry->isVisible());
        QVERIFY(!Forms::existing<frmPromotion>()->isVisible());
        QCOMPARE(entry->txtName->text(), QStringLiteral("ROSE"));
        QCOMPARE(entry->cboYear->currentText(), QStringLiteral("1946"));
        QList<QWidget*> visible;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible())
                visible.append(top);
        QCOMPARE(visible, QList<QWidget*>{entry});
    }

    void closingTheExitScreenAfterwardsEndsEverything()
    {
        QTest::mouseClick(display->cmdExit, Qt::LeftButton);
        Forms::existing<frmPromotion>()->close();
        QCOMPARE(TestSupport::exitRequests(), 1);
        // The hidden entry window went too.
        QVERIFY(Form::loadedForms().isEmpty());
    }
};

QTEST_MAIN(TestFrmDisplay)
#include "tst_frmdisplay.moc"
