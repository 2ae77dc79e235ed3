#include "TestSupport.h"

#include "app/AppInfo.h"
#include "app/Application.h"
#include "app/ClickableLabel.h"
#include "app/MessageBox.h"
#include "promotion/frmPromotion.h"
#include "promotion/modTellAFriend.h"
#include "web/modHelp.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QUrlQuery>

namespace {

// Counts every Show the exit screen receives, however briefly.
class ShowCounter : public QObject
{
public:
    int shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<frmPromotion*>(watched))
            ++shows;
        return false;
    }
};

template <class T> T* control(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace

class tst_frmPromotion : public QObject
{
    Q_OBJECT

    frmPromotion* shownScreen()
    {
        frmPromotion::showExitScreen();
        frmPromotion* screen = Forms::existing<frmPromotion>();
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen))
            qFatal("exit screen not active");
        return screen;
    }

    // Moves the focus into a box by clicking it, as the user would.
    static void clickInto(QWidget* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QCOMPARE(QApplication::focusWidget(), box);
    }

private slots:
    void initTestCase() { TestSupport::isolate(); }
    void init() { TestSupport::reset(); }
    void cleanup() { TestSupport::reset(); }

    void loadsCaptionIconAndTexts()
    {
        frmPromotion* screen = Forms::get<frmPromotion>();
        QCOMPARE(screen->windowTitle(), App::AppCaption);
        QCOMPARE(control<QLabel>(screen, "lblPromotionCaption")->text(), App::AppCaption);
        QVERIFY(!screen->windowIcon().isNull());
        QVERIFY(!control<QLabel>(screen, "picPromotionIcon")->pixmap().isNull());
        QCOMPARE(control<QCheckBox>(screen, "Check1")->text(),
                 QStringLiteral("Click Here To Visit ") + modHelp::siteName() +
                     QStringLiteral(" Now"));
        QCOMPARE(control<QGroupBox>(screen, "Frame2")->title(), QStringLiteral("Refer A Friend"));
        QCOMPARE(control<QGroupBox>(screen, "Frame6")->title(),
                 QStringLiteral("Download Lantern Softwares"));

        const QString family = control<QLabel>(screen, "Label3")->text();
        QVERIFY(family.contains(QStringLiteral("the world\u2019s largest resource")));
        QVERIFY(family.contains(QStringLiteral("their interests.") + QString(61, u' ') +
                                QStringLiteral("All the programs")));
        QVERIFY(!family.contains(QString(62, u' ')));
        QVERIFY(family.endsWith(QStringLiteral("friends and family. ")));

        QStringList messages;
        for (int number = 0; number < 4; ++number)
            messages << frmPromotion::supportMessage(number);
        QVERIFY(messages.contains(control<QLabel>(screen, "Label2")->text()));
        QCOMPARE(QSet<QString>(messages.begin(), messages.end()).size(), 4);
        for (const QString& message : messages)
            QVERIFY(message.contains(modHelp::siteName()));
    }

    void supportMessageDraw()
    {
        QRandomGenerator generator(20240601);
        int counts[4] = {};
        for (int draw = 0; draw < 4000; ++draw) {
            const int number = frmPromotion::drawSupportMessage(generator);
            QVERIFY(number >= 0 && number < 4);
            ++counts[number];
        }
        for (int count : counts)
            QVERIFY2(count > 850 && count < 1150, QByteArray::number(count).constData());

        // Loading reseeds from the clock: what follows is not the fixed seed's sequence.
        App::random().seed(7);
        QRandomGenerator fixed(7);
        QList<quint32> fixedSequence;
        for (int step = 0; step < 4; ++step)
            fixedSequence << fixed.generate();
        Forms::get<frmPromotion>();
        QVERIFY(!fixedSequence.contains(App::random().generate()));
    }

    void hiddenOnFirstUseWithoutEverShowing()
    {
        ShowCounter counter;
        qApp->installEventFilter(&counter);
        frmPromotion::hideExitScreen();
        QCoreApplication::processEvents();
        frmPromotion* screen = Forms::existing<frmPromotion>();
        QVERIFY(screen);
        QVERIFY(!screen->isVisible());
        QCOMPARE(counter.shows, 0);
        const QString message = screen->Label2->text();

        frmPromotion::showExitScreen();
        qApp->removeEventFilter(&counter);
        QCOMPARE(Forms::existing<frmPromotion>(), screen);
        QVERIFY(screen->isVisible());
        QVERIFY(screen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(screen->focusWidget(), screen->cmdClose);
        frmPromotion::hideExitScreen();
        frmPromotion::showExitScreen();
        QCOMPARE(screen->Label2->text(), message);
        QCOMPARE(TestSupport::exitRequests(), 0);
    }

    void closingEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Exit button") << true;
        QTest::newRow("close box") << false;
    }

    void closingEndsTheProgram()
    {
        QFETCH(bool, byButton);
        frmPromotion* screen = shownScreen();
        if (byButton)
            QTest::mouseClick(screen->cmdClose, Qt::LeftButton);
        else
            screen->close();
        QCOMPARE(TestSupport::exitRequests(), 1);
        QVERIFY(screen->isUnloaded());
    }

    void escapeDoesNotClose()
    {
        frmPromotion* screen = shownScreen();
        QTest::keyClick(screen->focusWidget(), Qt::Key_Escape);
        QCOMPARE(TestSupport::exitRequests(), 0);
        QVERIFY(screen->isVisible());
    }

    void tabOrder()
    {
        frmPromotion* screen = shownScreen();
        QCOMPARE(QApplication::focusWidget(), screen->cmdClose);
        QStringList visited;
        for (int step = 0; step < 8; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited,
                 QStringList({"Check1", "txtName", "cmdSubmit", "txtEmail", "txtFriendEmail",
                              "txtFriendName", "txtMessage", "cmdClose"}));
        // The message box lies beyond the frame's bottom edge: never seen.
        QVERIFY(screen->txtMessage->parentWidget() == screen->Frame2);
        QVERIFY(screen->txtMessage->y() >= screen->Frame2->height());
    }

    void check1OpensHomePageAndStaysClear()
    {
        frmPromotion* screen = shownScreen();
        QCheckBox* check = screen->Check1;
        const QPoint onText(10, check->height() / 2);
        QTest::mouseClick(check, Qt::LeftButton, {}, onText);
        QVERIFY(!check->isChecked());
        QTest::mouseClick(check, Qt::LeftButton, {}, onText);
        QVERIFY(!check->isChecked());
        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
        QVERIFY(!check->isChecked());
        const QUrl home(modHelp::RedirectAddress(modHelp::Page::Home));
        QCOMPARE(TestSupport::takeOpenedUrls(), QList<QUrl>({home, home, home}));

        QTest::mouseClick(screen->lblGoToHome, Qt::LeftButton);
        QCOMPARE(TestSupport::takeOpenedUrls(),
                 QList<QUrl>({QUrl(modHelp::RedirectAddress(modHelp::Page::LanternSoftwares))}));
    }

    void placeholdersFollowTheFocus()
    {
        frmPromotion* screen = shownScreen();
        clickInto(screen->txtName);
        QCOMPARE(screen->txtName->text(), QString());
        QTest::keyClicks(screen->txtName, QStringLiteral("   "));
        clickInto(screen->txtFriendName);
        QCOMPARE(screen->txtName->text(), QStringLiteral("Your Name"));
        QCOMPARE(screen->txtFriendName->text(), QString());
        QTest::keyClicks(screen->txtFriendName, QStringLiteral(" Bo b "));
        clickInto(screen->txtName);
        QCOMPARE(screen->txtFriendName->text(), QStringLiteral(" Bo b "));
        QVERIFY(MessageBox::takeShown().isEmpty());
        // Focus on the hidden message box keeps its text: it is not its placeholder.
        screen->txtMessage->setFocus(Qt::TabFocusReason);
        QCOMPARE(screen->txtMessage->toPlainText(), QStringLiteral("Your Message\n"));
    }

    void blanksRefusedInEmailBoxes()
    {
        frmPromotion* screen = shownScreen();
        for (QLineEdit* box : {screen->txtEmail, screen->txtFriendEmail}) {
            clickInto(box);
            QTest::keyClicks(box, QStringLiteral("a b"));
            QCOMPARE(box->text(), QStringLiteral("ab"));
            QCOMPARE(QApplication::focusWidget(), box);
            const QList<MessageBox::Shown> shown = MessageBox::takeShown();
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].text, QStringLiteral("Email Address Cannot Contain Space"));
            QCOMPARE(shown[0].icon, MessageBox::Icon::Critical);
        }
        // Pasted text is not filtered.
        QGuiApplication::clipboard()->setText(QStringLiteral(" c d"));
        screen->txtFriendEmail->paste();
        QCOMPARE(screen->txtFriendEmail->text(), QStringLiteral("ab c d"));
        QVERIFY(MessageBox::takeShown().isEmpty());
    }

    void submitSendsWhatWasTyped()
    {
        frmPromotion* screen = shownScreen();
        const QString name = QStringLiteral("Tom & Jerry #1 = a+b");
        clickInto(screen->txtName);
        QTest::keyClicks(screen->txtName, QStringLiteral("  ") + name);
        clickInto(screen->txtEmail);
        QTest::keyClicks(screen->txtEmail, QStringLiteral("tom@x.org"));
        clickInto(screen->txtFriendName);
        QTest::keyClicks(screen->txtFriendName, QStringLiteral("Bob"));
        clickInto(screen->txtFriendEmail);
        QTest::keyClicks(screen->txtFriendEmail, QStringLiteral("TOM@x.org"));
        QTest::mouseClick(screen->cmdSubmit, Qt::LeftButton);
        QVERIFY(MessageBox::takeShown().isEmpty());
        const QList<QUrl> opened = TestSupport::takeOpenedUrls();
        QCOMPARE(opened.size(), 1);
        const QUrlQuery query(opened[0]);
        QCOMPARE(query.queryItemValue(QStringLiteral("taf1"), QUrl::FullyDecoded), name);
        QCOMPARE(query.queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded),
                 QStringLiteral("Your Message\r\n"));
        QCOMPARE(query.queryItemValue(QStringLiteral("taf5"), QUrl::FullyDecoded),
                 QStringLiteral("TOM@x.org"));
        // Nothing is cleared: a second press sends the same referral again.
        QCOMPARE(screen->txtName->text(), QStringLiteral("  ") + name);
        QTest::mouseClick(screen->cmdSubmit, Qt::LeftButton);
        QCOMPARE(TestSupport::takeOpenedUrls(), opened);

        // Untouched boxes are refused by the address check first.
        screen->txtEmail->setText(modTellAFriend::EmailPlaceholder);
        QTest::mouseClick(screen->cmdSubmit, Qt::LeftButton);
        QCOMPARE(MessageBox::takeShown().value(0).text,
                 QStringLiteral("Please Enter Proper Email Address"));
        QVERIFY(TestSupport::takeOpenedUrls().isEmpty());
    }
};

QTEST_MAIN(tst_frmPromotion)
#include "tst_frmpromotion.moc"
