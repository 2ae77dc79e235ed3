#include "TestSupport.h"

#include "app/Application.h"
#include "app/MessageBox.h"
#include "app/Settings.h"
#include "entry/frmMain.h"
#include "promotion/frmPromotion.h"
#include "result/frmDisplay.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

// A window whose unload handling ends the program, as the exit screen's does.
class EndingForm : public Form
{
public:
    EndingForm() : Form(QStringLiteral("endingForm"), 1500, 1500) {}
    int unloads = 0;

protected:
    void unloading() override
    {
        ++unloads;
        App::EndApplication();
    }
};

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::isolate(); }
    void init() { TestSupport::reset(); }

    // --- start-up ---
    void refusedWhileAnotherInstanceRuns()
    {
        QProcess other;
        other.start(QStringLiteral(LOCKHOLDER_PATH), {App::lockPath()});
        QVERIFY(other.waitForReadyRead(10000));
        QCOMPARE(other.readLine().trimmed(), QByteArray("locked"));

        QVERIFY(!App::StartApplication());
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().text, QStringLiteral("Application is already running"));
        QCOMPARE(shown.first().icon, MessageBox::Icon::Information);
        QVERIFY(!shown.first().yesNo);
        QVERIFY(Form::loadedForms().isEmpty());
        QCOMPARE(TestSupport::exitRequests(), 1);

        other.kill();
        QVERIFY(other.waitForFinished(10000));
    }

    void startShowsOnlyTheEntryWindow()
    {
        // The other instance died holding the lock: this start goes ahead.
        QVERIFY(App::StartApplication());
        frmMain* entry = Forms::existing<frmMain>();
        QVERIFY(entry && entry->isVisible());
        QCOMPARE(Form::loadedForms(), QList<Form*>{entry});
        QCOMPARE(TestSupport::exitRequests(), 0);
        for (const MessageBox::Shown& shown : MessageBox::takeShown())
            QVERIFY2(shown.yesNo, qPrintable(shown.text)); // at most the update question
    }

    // --- the end ---
    void endUnloadsEveryWindowEvenHiddenOnes()
    {
        frmMain* entry = Forms::get<frmMain>();
        entry->show();
        Forms::get<frmDisplay>()->show();
        entry->hide();
        frmPromotion::hideExitScreen();
        QCOMPARE(Form::loadedForms().size(), 3);
        App::EndApplication();
        QCOMPARE(TestSupport::exitRequests(), 1);
        QVERIFY(Form::loadedForms().isEmpty());
        QVERIFY(App::hasEnded());
    }

    void endEnteredAgainFromAnUnloadHandlerEndsOnce()
    {
        auto* first = new EndingForm;
        auto* second = new EndingForm;
        first->show();
        App::EndApplication();
        QCOMPARE(first->unloads, 1);
        QCOMPARE(second->unloads, 1);
        QCOMPARE(TestSupport::exitRequests(), 1);
        QVERIFY(Form::loadedForms().isEmpty());
    }

    void closingTheExitScreenWithHiddenWindowsEndsAll()
    {
        Forms::get<frmMain>()->hide();
        frmPromotion::showExitScreen();
        Forms::existing<frmPromotion>()->close();
        QCOMPARE(TestSupport::exitRequests(), 1);
        QVERIFY(Form::loadedForms().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Forms::existing<frmMain>());
        // Nothing new was shown on the way out.
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
    }

    // --- settings ---
    void settingsReadBackWhatWasWritten()
    {
        TestSupport::clearSettings();
        QCOMPARE(Settings::read(QStringLiteral("Never")), QString());
        QVERIFY(Settings::write(QStringLiteral("Key"),
                                QStringLiteral("a value = with ; odd \"text\"")));
        QCOMPARE(Settings::read(QStringLiteral("Key")),
                 QStringLiteral("a value = with ; odd \"text\""));
        QVERIFY(Settings::write(QStringLiteral("Key"), QStringLiteral("replaced")));
        QCOMPARE(Settings::read(QStringLiteral("Key")), QStringLiteral("replaced"));
        QVERIFY(Settings::location().contains(QStringLiteral("qttest")));
    }

    // --- topmost ---
    void makeTopmostShowsInPlaceWithoutTakingFocus()
    {
        frmMain* entry = Forms::get<frmMain>();
        entry->show();
        QApplication::setActiveWindow(entry);
        entry->txtName->setFocus();
        auto* other = new EndingForm;
        other->show();
        other->move(40, 50);
        other->hide();
        const QRect before = other->geometry();
        QApplication::setActiveWindow(entry);
        App::MakeTopmost(other);
        QVERIFY(other->isVisible());
        QVERIFY(other->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(other->geometry(), before);
        QCOMPARE(QApplication::focusWidget(), entry->txtName);
        delete other;
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
