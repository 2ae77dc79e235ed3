#include "TestSupport.h"

#include "app/MessageBox.h"
#include "promotion/modTellAFriend.h"
#include "web/modHelp.h"

#include <QTest>
#include <QUrlQuery>

using namespace modTellAFriend;

Q_DECLARE_METATYPE(modTellAFriend::Referral)

namespace {

const Referral Valid{QStringLiteral("Ann"), QStringLiteral("ann@example.com"), InitialMessage,
                     QStringLiteral("Bob"), QStringLiteral("bob@example.com")};

Referral with(Referral entries, QString Referral::*field, const QString& value)
{
    entries.*field = value;
    return entries;
}

// The query of an opened referral address, decoded, in order.
QList<QPair<QString, QString>> decodedQuery(const QUrl& url)
{
    return QUrlQuery(url).queryItems(QUrl::FullyDecoded);
}

} // namespace

class tst_modTellAFriend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::isolate(); }
    void init() { TestSupport::reset(); }
    void cleanup() { TestSupport::reset(); }

    void submission_data()
    {
        QTest::addColumn<Referral>("boxes");
        QTest::addColumn<QString>("message");
        const QString sent;
        const Referral placeholders{NamePlaceholder, EmailPlaceholder, MessagePlaceholder,
                                    FriendNamePlaceholder, FriendEmailPlaceholder};
        QTest::newRow("valid") << Valid << sent;
        QTest::newRow("all placeholders") << placeholders << ProperEmailMessage;
        QTest::newRow("same e-mail before anything else")
            << with(with(placeholders, &Referral::email, QStringLiteral(" x@y.z ")),
                    &Referral::friendEmail, QStringLiteral("x@y.z"))
            << DistinctEmailsMessage;
        QTest::newRow("differ only in case")
            << with(Valid, &Referral::friendEmail, QStringLiteral("ANN@example.com")) << sent;
        QTest::newRow("no dot") << with(Valid, &Referral::email, QStringLiteral("ann@example"))
                                << ProperEmailMessage;
        QTest::newRow("friend: no at")
            << with(Valid, &Referral::friendEmail, QStringLiteral("bob.example.com"))
            << ProperEmailMessage;
        QTest::newRow("friend: no dot")
            << with(Valid, &Referral::friendEmail, QStringLiteral("bob@example"))
            << ProperEmailMessage;
        QTest::newRow("dot and at alone, either order")
            << with(with(Valid, &Referral::email, QStringLiteral(".@")), &Referral::friendEmail,
                    QStringLiteral("@."))
            << sent;
        QTest::newRow("name placeholder before friend's name")
            << with(with(Valid, &Referral::name, QStringLiteral("  Your Name ")),
                    &Referral::friendName, FriendNamePlaceholder)
            << NameMissingMessage;
        QTest::newRow("name only blanks")
            << with(Valid, &Referral::name, QStringLiteral("   ")) << NameMissingMessage;
        QTest::newRow("name a tab") << with(Valid, &Referral::name, QStringLiteral("\t")) << sent;
        QTest::newRow("name in other case")
            << with(Valid, &Referral::name, QStringLiteral("your name")) << sent;
        QTest::newRow("message placeholder")
            << with(Valid, &Referral::message, MessagePlaceholder) << MessageMissingMessage;
        QTest::newRow("message empty")
            << with(Valid, &Referral::message, QString()) << MessageMissingMessage;
        QTest::newRow("friend's name placeholder")
            << with(Valid, &Referral::friendName, FriendNamePlaceholder)
            << FriendNameMissingMessage;
    }

    // Each refusal is exactly one critical message; a pass opens exactly one page.
    void submission()
    {
        QFETCH(Referral, boxes);
        QFETCH(QString, message);
        const bool sent = Submit(boxes);
        QCOMPARE(ReferralFields, trimBlanks(boxes));
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        const QList<QUrl> opened = TestSupport::takeOpenedUrls();
        QCOMPARE(sent, message.isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(shown.size(), 0);
            QCOMPARE(opened.size(), 1);
        } else {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].text, message);
            QCOMPARE(shown[0].icon, MessageBox::Icon::Critical);
            QVERIFY(!shown[0].yesNo);
            QCOMPARE(opened.size(), 0);
        }
    }

    // Unreachable from the boxes (a placeholder has no "@"), but checked all the same.
    void sendReferralChecksEmails()
    {
        ReferralFields = with(Valid, &Referral::email, QString());
        QVERIFY(!SendReferral());
        ReferralFields = with(Valid, &Referral::friendEmail, FriendEmailPlaceholder);
        QVERIFY(!SendReferral());
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, EmailMissingMessage);
        QCOMPARE(shown[1].text, FriendEmailMissingMessage);
        QVERIFY(TestSupport::takeOpenedUrls().isEmpty());
    }

    void trimsOnlyBlanks()
    {
        QCOMPARE(trimBlanks(QStringLiteral("  \t a  b \r\n  ")), QStringLiteral("\t a  b \r\n"));
        QCOMPARE(trimBlanks(QStringLiteral("    ")), QString());
        QCOMPARE(textOnFocusIn(QStringLiteral(" Your Name  "), NamePlaceholder), QString());
        QCOMPARE(textOnFocusIn(QStringLiteral("Your Names"), NamePlaceholder),
                 QStringLiteral("Your Names"));
        QCOMPARE(textOnFocusIn(InitialMessage, MessagePlaceholder), InitialMessage);
        QCOMPARE(textOnFocusOut(QStringLiteral("   "), NamePlaceholder), NamePlaceholder);
        QCOMPARE(textOnFocusOut(QStringLiteral(" x "), NamePlaceholder), QStringLiteral(" x "));
        QCOMPARE(textOnFocusOut(QStringLiteral("\n"), MessagePlaceholder), QStringLiteral("\n"));
    }

    // Whatever the entries hold, the site gets each one back whole and in place.
    void addressCarriesEveryValueWhole()
    {
        const Referral hostile{
            QStringLiteral("  Tom & Jerry #1 = a+b %41 ?x/y "),
            QStringLiteral("t\u00e9o+tag@ex\u00e4mple.org&taf6=evil"),
            QStringLiteral("Line one\r\nline two\u2019s\t\u6f22\u5b57 \U0001F600"),
            QStringLiteral("Jos\u00e9 M\u00fcller \u738b"),
            QStringLiteral("#f@r.x"),
        };
        QVERIFY(Submit(hostile));
        const QList<QUrl> opened = TestSupport::takeOpenedUrls();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0].toEncoded(), ReferralAddress.toLatin1());
        QVERIFY(ReferralAddress.startsWith(modHelp::RedirectAddress(modHelp::Page::ReferAFriend) +
                                           QStringLiteral("&taf1=")));
        const Referral sent = trimBlanks(hostile);
        const QList<QPair<QString, QString>> expected{
            {QStringLiteral("page"), QStringLiteral("qkpx-refer-a-friend")},
            {QStringLiteral("taf1"), sent.name},
            {QStringLiteral("taf2"), sent.email},
            {QStringLiteral("taf3"), sent.message},
            {QStringLiteral("taf4"), sent.friendName},
            {QStringLiteral("taf5"), sent.friendEmail},
            {QStringLiteral("taf6"), modHelp::ProductPageAddress()},
        };
        QCOMPARE(decodedQuery(opened[0]), expected);
        QVERIFY(!opened[0].hasFragment());

        // The untouched hidden message box sends its line break encoded.
        QVERIFY(Submit(Valid));
        QVERIFY(ReferralAddress.contains(QStringLiteral("&taf3=Your%20Message%0D%0A&taf4=")));
        QCOMPARE(QUrlQuery(TestSupport::takeOpenedUrls().value(0))
                     .queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded),
                 InitialMessage);
    }
};

QTEST_MAIN(tst_modTellAFriend)
#include "tst_modtellafriend.moc"
