// SPDX-License-Identifier: MIT
// The core against references typed here from what the program promises its users, and
// against Qt's own calendar.
#include "TestHome.h"
#include "core/BirthData.h"
#include "core/Psyche.h"
#include "core/Referral.h"
#include "core/Reminder.h"
#include "core/Zodiac.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace {

// The product's folder on the build's default site; the reminder's "now", far from clock changes.
const QString Folder = u"https://www.lanternsoftwares.com/starquill-free/"_s;
const QDateTime Now(QDate(2024, 6, 20), QTime(0, 1));

// Each year: the sign on 1 January, then each ingress as month-day and the
// sign entered on that day, every sign by the first three letters of its name.
const QString Ingresses = uR"(
1940 Aqu 01-08 Pis 03-15 Ari 05-18 Tau 07-30 Gem; 1941 Gem 05-06 Can 07-24 Leo 10-15 Vir; 1942 Vir 09-01 Lib 11-28 Sco; 1943 Sco 10-17 Sag;
1944 Sag 01-05 Cap 03-28 Aqu; 1945 Aqu 01-05 Pis 03-13 Ari 05-17 Tau 07-28 Gem; 1946 Gem 05-05 Can 07-23 Leo 10-14 Vir;
1947 Vir 08-31 Lib 11-27 Sco; 1948 Sco 10-15 Sag; 1949 Sag 01-03 Cap 03-26 Aqu; 1950 Aqu 01-04 Pis 03-12 Ari 05-16 Tau 07-27 Gem;
1951 Gem 05-05 Can 07-23 Leo 10-15 Vir; 1952 Vir 08-30 Lib 11-26 Sco; 1953 Sco 10-14 Sag; 1954 Sag 01-03 Cap 03-26 Aqu;
1955 Aqu 01-04 Pis 03-12 Ari 05-16 Tau 07-27 Gem; 1956 Gem 05-04 Can 07-22 Leo 10-14 Vir; 1957 Vir 08-29 Lib 11-26 Sco; 1958 Sco 10-14 Sag;
1959 Sag 01-03 Cap 03-27 Aqu; 1960 Aqu 01-06 Pis 03-02 Ari 05-17 Tau 07-28 Gem; 1961 Gem 05-05 Can 07-23 Leo 10-14 Vir;
1962 Vir 08-29 Lib 11-26 Sco; 1963 Sco 10-14 Sag; 1964 Sag 01-03 Cap 03-26 Aqu; 1965 Aqu 01-05 Pis 03-13 Ari 05-17 Tau 07-28 Gem;
1966 Gem 05-05 Can 07-22 Leo 10-13 Vir; 1967 Vir 08-29 Lib 11-25 Sco; 1968 Sco 10-13 Sag; 1969 Sag 01-03 Cap 03-26 Aqu;
1970 Aqu 01-04 Pis 03-12 Ari 05-15 Tau 07-26 Gem; 1971 Gem 05-03 Can 07-20 Leo 10-11 Vir; 1972 Vir 08-26 Lib 11-23 Sco; 1973 Sco 10-12 Sag;
1974 Cap 03-23 Aqu; 1975 Aqu 01-03 Pis 03-10 Ari 05-14 Tau 07-23 Gem; 1976 Gem 04-30 Can 07-18 Leo 10-09 Vir; 1977 Vir 08-26 Lib 11-27 Sco;
1978 Sco 10-12 Sag 12-30 Cap; 1979 Cap 03-22 Aqu 12-31 Pis; 1980 Pis 03-08 Ari 05-11 Tau 07-20 Gem; 1981 Gem 04-29 Can 07-18 Leo 10-08 Vir;
1982 Vir 08-25 Lib 11-22 Sco; 1983 Sco 10-10 Sag 12-30 Cap; 1984 Cap 03-19 Aqu 12-30 Pis; 1985 Pis 03-08 Ari 05-11 Tau 07-22 Gem;
1986 Gem 04-30 Can 07-19 Leo 10-09 Vir; 1987 Vir 08-25 Lib 11-22 Sco; 1988 Sco 10-08 Sag 12-29 Cap; 1989 Cap 03-19 Aqu 12-10 Pis;
1990 Pis 03-09 Ari 07-15 Tau)"_s;

QString nameOn(int year, int month, int day)
{
    const std::optional<Zodiac::Sign> sign = Psyche::signOn(year, month, day);
    return sign ? Zodiac::name(*sign) : u"none"_s;
}

} // namespace

class TestCore : public QObject
{
    Q_OBJECT

public:
    static void initMain() { useOwnHome(); }

private slots:
    // Every day of the table against the listing; an ingress day is the first in the new sign.
    void psyche()
    {
        for (const QString& row : Ingresses.split(u';')) {
            const QStringList parts = row.simplified().split(u' ');
            const int year = parts[0].toInt();
            QString sign = parts[1];
            qsizetype next = 2;
            for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
                if (next < parts.size() && day.toString(u"MM-dd"_s) == parts[next]) {
                    sign = parts[next + 1];
                    next += 2;
                }
                const QString at = day.toString(Qt::ISODate) + u' ';
                QCOMPARE(at + nameOn(year, day.month(), day.day()).left(3), at + sign);
            }
            QCOMPARE(parts.mid(next), QStringList()); // every day listed is met
        }
        // No sign outside the table; the day is only compared, so an impossible one reads as
        // the sign at its month's end.
        const QStringList edges{nameOn(1939, 12, 31), nameOn(1991, 1, 1),  nameOn(1950, 0, 1),
                                nameOn(1950, 13, 1),  nameOn(1940, 4, 31), nameOn(1940, 2, 30)};
        QCOMPARE(edges, (QStringList{u"none"_s, u"none"_s, u"none"_s, u"none"_s, u"Aries"_s,
                                     u"Pisces"_s}));
    }

    // Every date the lists offer: real calendar days pass; an empty name is refused first.
    // The months are named as in English.
    void birthData()
    {
        using enum BirthData::Problem;
        for (const QString& name : {u"X"_s, u"   "_s, QString()})
            for (int year = 1940; year <= 1990; ++year)
                for (int month = 1; month <= 12; ++month)
                    for (int day = 1; day <= 31; ++day) {
                        const auto want = name.isEmpty()                     ? NameMissing
                                          : QDate::isValid(year, month, day) ? None
                                          : month == 2                       ? BadFebruaryDay
                                                                             : BadThirtyDayMonth;
                        QVERIFY2(
                            BirthData::check(name, year, month, day) == want,
                            qPrintable(u"%1-%2-%3 '%4'"_s.arg(year).arg(month).arg(day).arg(name)));
                    }
        for (int month = 0; month <= 13; ++month) // none for 0 and 13
            QCOMPARE(BirthData::monthName(month), QLocale::c().monthName(month));
    }

    // Each code to 0xFF, and letters and signs of other scripts, typed into the name box against
    // a listing of those that pass and what they become: letters of any script and the marks
    // they carry, as capitals where the script has them. All else is refused: below 0x100
    // digits, "[" to "`", Ctrl+V, "×", "÷", "¿"; beyond, the signs listed (Devanagari danda and
    // digit one, Arabic-Indic three, Greek question mark, en dash, euro, joiner, emoji).
    void nameKeys()
    {
        const QList<uint> passed = u"\b\r abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                   u"ªµºÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞß"
                                   u"àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþÿ"
                                   u"łǆαж\u0301क\u093F\u094Dب中𐐨"_s.toUcs4();
        const QList<uint> reaches = u"\b\r ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                    u"ª\u039CºÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞß"
                                    u"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ\u0178"
                                    u"ŁǄΑЖ\u0301क\u093F\u094Dب中𐐀"_s.toUcs4();
        QCOMPARE(passed.size(), reaches.size());
        QList<uint> typed = passed + u"।१٣\u037E–€\u200D😀"_s.toUcs4();
        for (uint code = 0; code <= 0xFF; ++code)
            typed << code;
        for (uint code : typed) {
            const qsizetype found = passed.indexOf(code);
            const auto got = BirthData::filterNameCharacter(code);
            const QString at = u"U+%1 -> "_s.arg(code, 4, 16, QChar(u'0'));
            QCOMPARE(at + (got ? QString::number(uint(*got), 16) : u"refused"_s),
                     at + (found < 0 ? u"refused"_s : QString::number(reaches[found], 16)));
        }
    }

    // Calendar days either way from now, a minute past midnight: 14 stay quiet and 15 ask,
    // whatever the hour; what cannot be read counts as never stored.
    void reminder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("ask");
        QTest::addColumn<bool>("store");
        QTest::newRow("first start") << QString() << false << true;
        QTest::newRow("unreadable") << u"soon"_s << false << true;
        QTest::newRow("stamped now") << Reminder::stamp(Now) << false << false;
        QTest::newRow("14 before at 00:00") << u"2024-06-06T00:00:00"_s << false << false;
        QTest::newRow("15 before at 23:59") << u"2024-06-05T23:59:00"_s << true << true;
        QTest::newRow("14 after at 23:59") << u"2024-07-04T23:59:00"_s << false << false;
        QTest::newRow("15 after at 00:00") << u"2024-07-05T00:00:00"_s << true << true;
    }

    void reminder()
    {
        QFETCH(QString, stored);
        QFETCH(bool, ask);
        QFETCH(bool, store);
        const Reminder::Decision decision = Reminder::decide(stored, Now);
        QCOMPARE(decision.ask, ask);
        QCOMPARE(decision.storeNow, store);
    }

    // Blanks alone are trimmed, never tabs or line breaks; an e-mail box refuses the blank
    // alone; a box's placeholder goes as it gains the focus, in any blanks but not in another
    // case, and comes back as a box of blanks loses it.
    void blanks()
    {
        using namespace Referral;
        QCOMPARE(trimBlanks(u"  \t a\r\n "_s), u"\t a\r\n"_s);
        QVERIFY(refusedInEmail(u" a @b.c\t "_s));
        QCOMPARE(acceptedInEmail(u" a @b.c\t "_s), u"a@b.c\t"_s);
        QVERIFY(!refusedInEmail(u"a@b.c\t\r\n"_s));
        const QString name = placeholder(Field::Name);
        QCOMPARE(textOnFocusIn(u" Your Name  "_s, name), QString());
        QCOMPARE(textOnFocusIn(u" your name "_s, name), u" your name "_s);
        QCOMPARE(textOnFocusOut(u"   "_s, name), u"Your Name"_s);
        QCOMPARE(textOnFocusOut(u" Your Name  "_s, name), u" Your Name  "_s);
    }

    // Entries as typed ("name|email|message|friend|friend's email"), trimmed and
    // checked as a submission does; those that pass must reach the site whole.
    void referral_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("untouched") << u"ANN|a@b.c|Your Message\r\n|BOB|d@e.f"_s << QString();
        QTest::newRow("delimiters") << u" A&B=C |a+b@c.d|50% #1&taf6=x|D E/F|g@h.i"_s << QString();
        QTest::newRow("scripts") << u"ÉLODIE|josé@b.c|日本語 😀|Zoë|ü@ß.de"_s << QString();
        QTest::newRow("byte-order mark, noncharacter") << u"\uFEFFA|a@b.c|\uFEFF\uFFFF\u0000|B|d@e.f"_s << QString();
        QTest::newRow("blanks: same emails first") << u" | | | | "_s << u"Please Enter Distinct Email Addresses"_s;
        QTest::newRow("same once trimmed") << u"A| a@b.c  |M|B| a@b.c "_s << u"Please Enter Distinct Email Addresses"_s;
        QTest::newRow("case differs") << u"A|A@b.c|M|B|a@b.c"_s << QString();
        QTest::newRow("no @ before no name") << u"|a.b.c|||d@e.f"_s << u"Please Enter Proper Email Address"_s;
        QTest::newRow("no @ in friend's") << u"A|a@b.c|M|B|d.e.f"_s << u"Please Enter Proper Email Address"_s;
        QTest::newRow("no . before no name") << u"|a@b|M|B|d@e.f"_s << u"Please Enter Proper Email Address"_s;
        QTest::newRow("no . in friend's") << u"A|a@b.c|M|B|d@e"_s << u"Please Enter Proper Email Address"_s;
        QTest::newRow("dot and at sign") << u"A|.@|M|B|@."_s << QString();
        QTest::newRow("name before message") << u"|a@b.c|||d@e.f"_s << u"Please Enter Your Name"_s;
        QTest::newRow("name placeholder") << u" Your Name |a@b.c|M|B|d@e.f"_s << u"Please Enter Your Name"_s;
        QTest::newRow("name of a tab") << u"\t|a@b.c|M|B|d@e.f"_s << QString();
        QTest::newRow("message before friend") << u"A|a@b.c|   ||d@e.f"_s << u"Please Enter Your Message"_s;
        QTest::newRow("message placeholder") << u"A|a@b.c|Your Message|B|d@e.f"_s << u"Please Enter Your Message"_s;
        QTest::newRow("friend missing") << u"A|a@b.c|M| |d@e.f"_s << u"Please Enter Your Friend's Name"_s;
        QTest::newRow("friend placeholder") << u"A|a@b.c|M|Friend's Name|d@e.f"_s << u"Please Enter Your Friend's Name"_s;
        QTest::newRow("placeholders, other case") << u"your name|a@b.c|your message|friend's name|d@e.f"_s << QString();
        // clang-format on
    }
    void referral()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        Referral::Entries entries;
        std::ranges::copy(typed.split(u'|'), entries.values.begin());
        const Referral::Entries trimmed = Referral::trimBlanks(entries);
        QCOMPARE(Referral::message(Referral::check(trimmed)), message);
        if (!message.isEmpty())
            return;
        const QUrl url(Referral::address(trimmed), QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(url.errorString()));
        QCOMPARE(url.toString(QUrl::RemoveQuery), Folder + u"ssd.php"_s);
        QList<std::pair<QString, QByteArray>> want{{u"page"_s, "qkpx-refer-a-friend"}};
        for (int i = 0; i < Referral::FieldCount; ++i)
            want.append({u"taf%1"_s.arg(i + 1), trimmed.values[i].toUtf8()});
        want.append({u"taf6"_s, Folder.toUtf8()});
        // Read as the site's form handling does: split at "&" and "=", "+" standing for a
        // blank, then each value's bytes, to be read as UTF-8 (U+FFFF and a leading U+FEFF too).
        QList<std::pair<QString, QByteArray>> got;
        const QUrlQuery query(url.query(QUrl::FullyEncoded).replace(u'+', u"%20"_s));
        for (const auto& [key, value] : query.queryItems(QUrl::FullyEncoded))
            got.append({key, QByteArray::fromPercentEncoding(value.toLatin1())});
        QCOMPARE(got, want);
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
