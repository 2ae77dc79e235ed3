// Hostile input in the program's text boxes: a megabyte pasted into each, and
// text from outside Latin-1 (accents, CJK, emoji, right-to-left) in the
// referral boxes. Nothing may crash or hang, and the referral address must
// carry every value whole.
#include "TestSupport.h"

#include "app/Form.h"
#include "app/MessageBox.h"
#include "entry/frmMain.h"
#include "promotion/frmPromotion.h"
#include "promotion/modTellAFriend.h"
#include "result/frmDisplay.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QUrlQuery>

namespace {

constexpr int Megabyte = 1 << 20;
// Generous for a slow sanitizer build; a hang is minutes, not seconds.
constexpr qint64 NoHangMs = 60000;

// A megabyte of printable text with blanks, punctuation and the characters
// an address must encode, starting with the given tag so boxes differ.
QString megabyte(const QString& tag, bool lineBreaks)
{
    static const QString alphabet =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJ &#=+%?/@.;:\"'<>\u00e9\u00df");
    QRandomGenerator generator(7);
    QString text = tag;
    text.reserve(Megabyte);
    while (text.size() < Megabyte) {
        text += alphabet.at(generator.bounded(int(alphabet.size())));
        if (lineBreaks && generator.bounded(200) == 0)
            text += QLatin1Char('\n');
    }
    return text + QLatin1Char('x'); // no trailing blank to trim
}

QString queryValue(const QUrl& url, const char* key)
{
    return QUrlQuery(url).queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded);
}

// Text arriving from an input method, as typed on a desktop with one.
void typeComposed(QWidget* box, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(box, &event);
}

void selectAll(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->selectAll();
    else
        static_cast<QPlainTextEdit*>(box)->selectAll();
}

} // namespace

class TestInputFaults : public QObject
{
    Q_OBJECT

    static frmPromotion* shownExitScreen()
    {
        frmPromotion::showExitScreen();
        frmPromotion* screen = Forms::existing<frmPromotion>();
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen))
            qFatal("exit screen not active");
        return screen;
    }

    // Pastes with Ctrl+V over whatever the box holds (its placeholder).
    static void pasteInto(QWidget* box, const QString& text)
    {
        box->setFocus(Qt::TabFocusReason);
        selectAll(box);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }

    // The address opened by the last press of "Refer A Friend Now".
    static QUrl submitted(frmPromotion* screen)
    {
        QTest::mouseClick(screen->cmdSubmit, Qt::LeftButton);
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        if (!shown.isEmpty())
            qWarning("message: %s", qPrintable(shown.first().text));
        const QList<QUrl> opened = TestSupport::takeOpenedUrls();
        return opened.size() == 1 ? opened.first() : QUrl();
    }

    static void verifyCarriedWhole(const QUrl& url, const modTellAFriend::Referral& sent)
    {
        QVERIFY(url.isValid());
        // Encoded: the address itself is plain printable ASCII without blanks.
        const QString address = modTellAFriend::ReferralAddress;
        for (QChar c : address)
            QVERIFY2(c.unicode() > 32 && c.unicode() < 127, "unencoded character in the address");
        QCOMPARE(url.toString(QUrl::FullyEncoded), address);
        QCOMPARE(queryValue(url, "taf1"), sent.name);
        QCOMPARE(queryValue(url, "taf2"), sent.email);
        QCOMPARE(queryValue(url, "taf3"), sent.message);
        QCOMPARE(queryValue(url, "taf4"), sent.friendName);
        QCOMPARE(queryValue(url, "taf5"), sent.friendEmail);
    }

private slots:
    void initTestCase() { TestSupport::isolate(); }
    void init() { TestSupport::reset(); }
    void cleanup() { TestSupport::reset(); }

    void megabytePastedIntoTheNameBox()
    {
        frmMain* entry = Forms::get<frmMain>();
        entry->show();
        QVERIFY(QTest::qWaitForWindowExposed(entry));
        const QString pasted = megabyte(QStringLiteral("NAME"), false);
        QElapsedTimer clock;
        clock.start();

        // Ctrl+V types a control character, which the name box refuses.
        pasteInto(entry->txtName, pasted);
        QCOMPARE(entry->txtName->text(), QString());
        QCOMPARE(MessageBox::takeShown().value(0).text,
                 QStringLiteral("Please Enter only Letters"));

        // Pasting from the context menu is not typing: the text goes in whole.
        entry->txtName->paste();
        QCOMPARE(entry->txtName->text().size(), pasted.size());
        QTest::qWait(0); // painted once
        entry->cmdNext->click();
        frmDisplay* result = Forms::existing<frmDisplay>();
        QVERIFY(result && result->isVisible());
        QVERIFY(!result->lblPsycheSign->text().isEmpty());
        QVERIFY(MessageBox::takeShown().isEmpty());
        result->cmdBack->click();
        QCOMPARE(entry->txtName->text().size(), pasted.size());
        QVERIFY2(clock.elapsed() < NoHangMs, qPrintable(QString::number(clock.elapsed())));
    }

    void megabytePastedIntoEveryReferralBox()
    {
        frmPromotion* screen = shownExitScreen();
        // The two addresses differ and each has an "@" and a ".".
        const modTellAFriend::Referral sent{
            megabyte(QStringLiteral("name "), false), megabyte(QStringLiteral("me@a.b"), false),
            megabyte(QStringLiteral("message "), true), megabyte(QStringLiteral("friend "), false),
            megabyte(QStringLiteral("you@c.d"), false)};
        QElapsedTimer clock;
        clock.start();
        pasteInto(screen->txtName, sent.name);
        pasteInto(screen->txtEmail, sent.email);
        pasteInto(screen->txtMessage, sent.message);
        pasteInto(screen->txtFriendName, sent.friendName);
        pasteInto(screen->txtFriendEmail, sent.friendEmail);
        QVERIFY(MessageBox::takeShown().isEmpty());
        QTest::qWait(0);

        const QUrl url = submitted(screen);
        modTellAFriend::Referral expected = sent;
        // The message box sends its line breaks as the site expects them.
        expected.message.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        verifyCarriedWhole(url, expected);
        QVERIFY2(clock.elapsed() < NoHangMs, qPrintable(QString::number(clock.elapsed())));
    }

    void nonLatinTextInTheReferralBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("friendEmail");
        QTest::newRow("accents") << QStringLiteral(
                                        "Zo\u00eb \u00c5ngstr\u00f6m-\u00d1\u00fa\u00f1ez")
                                 << QStringLiteral("Fran\u00e7ois C\u0327\u0301") // combining marks
                                 << QStringLiteral("Tr\u00e8s bien, \u00e7a va\u2026")
                                 << QStringLiteral("zo\u00eb@ex\u00e4mple.org")
                                 << QStringLiteral("fran\u00e7ois@exemple.fr");
        QTest::newRow("cjk")
            << QStringLiteral("\u738b\u5c0f\u660e") << QStringLiteral("\u5c71\u7530\u592a\u90ce")
            << QStringLiteral("\u4f60\u597d\uff0c\u670b\u53cb\uff01\u3053\u3093\u306b\u3061\u306f")
            << QStringLiteral("\u738b@\u4f8b\u5b50.\u4e2d\u56fd")
            << QStringLiteral("yamada@example.jp");
        QTest::newRow("emoji") << QStringLiteral("Moon \U0001F319\u2728")
                               << QStringLiteral("\U0001F469\u200D\u2764\uFE0F\u200D\U0001F468")
                               << QStringLiteral(
                                      "\U0001F600\U0001F1EB\U0001F1F7 \U0001F44D\U0001F3FD")
                               << QStringLiteral("\U0001F600@emoji.example")
                               << QStringLiteral("friend@\U0001F319.example");
        QTest::newRow("right-to-left")
            << QStringLiteral("\u0645\u0631\u064a\u0645")
            << QStringLiteral("\u05e9\u05dc\u05d5\u05dd")
            << QStringLiteral("\u202b\u0645\u0631\u062d\u0628\u0627 world\u202c \u200f!")
            << QStringLiteral(
                   "\u0645\u0631\u064a\u0645@\u0645\u062b\u0627\u0644.\u0634\u0628\u0643\u0629")
            << QStringLiteral("\u05d3\u05df@example.co.il");
    }

    void nonLatinTextInTheReferralBoxes()
    {
        QFETCH(QString, name);
        QFETCH(QString, friendName);
        QFETCH(QString, message);
        QFETCH(QString, email);
        QFETCH(QString, friendEmail);
        frmPromotion* screen = shownExitScreen();

        // Typed through an input method into the name and address boxes...
        const auto typeInto = [](QWidget* box, const QString& text) {
            box->setFocus(Qt::TabFocusReason);
            selectAll(box);
            typeComposed(box, text);
        };
        typeInto(screen->txtName, name);
        typeInto(screen->txtEmail, email);
        typeInto(screen->txtFriendEmail, friendEmail);
        // ...and pasted into the others.
        pasteInto(screen->txtFriendName, friendName);
        pasteInto(screen->txtMessage, message);
        QCOMPARE(screen->txtName->text(), name);
        QCOMPARE(screen->txtEmail->text(), email);
        QVERIFY(MessageBox::takeShown().isEmpty());

        const QUrl url = submitted(screen);
        verifyCarriedWhole(url, {name, email, message, friendName, friendEmail});
    }
};

QTEST_MAIN(TestInputFaults)
#include "tst_inputfaults.moc"
