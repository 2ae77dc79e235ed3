// SPDX-License-Identifier: MIT
// The core against references typed here from what the program promises its users.
#include "core/AppInfo.h"
#include "core/BirthData.h"
#include "core/Draws.h"
#include "core/Psyche.h"
#include "core/Referral.h"
#include "core/Reminder.h"
#include "core/Web.h"
#include "core/Zodiac.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include <array>

using namespace Qt::StringLiterals;

namespace {

// The build's default site root.
const QString Root = u"https://www.lanternsoftwares.com"_s;
// The reminder's "now": a minute past midnight, far from any clock change.
const QDateTime Now(QDate(2024, 6, 20), QTime(0, 1));

// clang-format off
const std::array<std::pair<QString, QString>, Zodiac::SignCount> Signs{{
    {u"Aries"_s, u"You love the thought of someone falling in love with you. You need security from your relationship."_s},
    {u"Taurus"_s, u"You love people who give you gifts. You always love it when people are attracted to you."_s},
    {u"Gemini"_s, u"Intelligent partners are a must for you. You love having fun and staying at home too."_s},
    {u"Cancer"_s, u"You love to make your partner feel happy and satisfied. You take on the nurturing role in your relationship."_s},
    {u"Leo"_s, u"You are charming and beautiful. You have a way with your partner. You can make out the best in people and bring it out."_s},
    {u"Virgo"_s, u"You will question all the happenings in your life. You will question your past experiences and try to learn from them so that you can lead a better future. You are generous with your partner once you start trusting him."_s},
    {u"Libra"_s, u"You spend a lot of money on your partner. Your partner's looks matter a lot to you. But as time goes you become more understanding."_s},
    {u"Scorpio"_s, u"This placement signifies that you are on a deep lookout for knowing yourself better. You want to understand your psychology more thoroughly. You are very committed in your relationship."_s},
    {u"Sagittarius"_s, u"You give total freedom to your partner. You are attracted to people who are open-minded and philosophical."_s},
    {u"Capricorn"_s, u"You like emotionally stable partners. Sexual satisfaction means a lot to you."_s},
    {u"Aquarius"_s, u"You like to be acknowledged for your love in the relationship. You love to live in a dream world and have a wild imagination. "_s},
    {u"Pisces"_s, u"You do not like a routine and look for the extra something in your partner. You have  a lot of expectations from your partner."_s},
}};
// clang-format on

// Each year: the sign on 1 January, then each ingress as month-day and the
// sign entered on that day, every sign by the first three letters of its name.
const QString Ingresses = uR"(
1940 Aqu 01-08 Pis 03-15 Ari 05-18 Tau 07-30 Gem; 1941 Gem 05-06 Can 07-24 Leo 10-15 Vir
1942 Vir 09-01 Lib 11-28 Sco; 1943 Sco 10-17 Sag; 1944 Sag 01-05 Cap 03-28 Aqu
1945 Aqu 01-05 Pis 03-13 Ari 05-17 Tau 07-28 Gem; 1946 Gem 05-05 Can 07-23 Leo 10-14 Vir
1947 Vir 08-31 Lib 11-27 Sco; 1948 Sco 10-15 Sag; 1949 Sag 01-03 Cap 03-26 Aqu
1950 Aqu 01-04 Pis 03-12 Ari 05-16 Tau 07-27 Gem; 1951 Gem 05-05 Can 07-23 Leo 10-15 Vir
1952 Vir 08-30 Lib 11-26 Sco; 1953 Sco 10-14 Sag; 1954 Sag 01-03 Cap 03-26 Aqu
1955 Aqu 01-04 Pis 03-12 Ari 05-16 Tau 07-27 Gem; 1956 Gem 05-04 Can 07-22 Leo 10-14 Vir
1957 Vir 08-29 Lib 11-26 Sco; 1958 Sco 10-14 Sag; 1959 Sag 01-03 Cap 03-27 Aqu
1960 Aqu 01-06 Pis 03-02 Ari 05-17 Tau 07-28 Gem; 1961 Gem 05-05 Can 07-23 Leo 10-14 Vir
1962 Vir 08-29 Lib 11-26 Sco; 1963 Sco 10-14 Sag; 1964 Sag 01-03 Cap 03-26 Aqu
1965 Aqu 01-05 Pis 03-13 Ari 05-17 Tau 07-28 Gem; 1966 Gem 05-05 Can 07-22 Leo 10-13 Vir
1967 Vir 08-29 Lib 11-25 Sco; 1968 Sco 10-13 Sag; 1969 Sag 01-03 Cap 03-26 Aqu
1970 Aqu 01-04 Pis 03-12 Ari 05-15 Tau 07-26 Gem; 1971 Gem 05-03 Can 07-20 Leo 10-11 Vir
1972 Vir 08-26 Lib 11-23 Sco; 1973 Sco 10-12 Sag; 1974 Cap 03-23 Aqu
1975 Aqu 01-03 Pis 03-10 Ari 05-14 Tau 07-23 Gem; 1976 Gem 04-30 Can 07-18 Leo 10-09 Vir
1977 Vir 08-26 Lib 11-27 Sco; 1978 Sco 10-12 Sag 12-30 Cap; 1979 Cap 03-22 Aqu 12-31 Pis
1980 Pis 03-08 Ari 05-11 Tau 07-20 Gem; 1981 Gem 04-29 Can 07-18 Leo 10-08 Vir
1982 Vir 08-25 Lib 11-22 Sco; 1983 Sco 10-10 Sag 12-30 Cap; 1984 Cap 03-19 Aqu 12-30 Pis
1985 Pis 03-08 Ari 05-11 Tau 07-22 Gem; 1986 Gem 04-30 Can 07-19 Leo 10-09 Vir
1987 Vir 08-25 Lib 11-22 Sco; 1988 Sco 10-08 Sag 12-29 Cap; 1989 Cap 03-19 Aqu 12-10 Pis
1990 Pis 03-09 Ari 07-15 Tau)"_s;

QString nameOf(std::optional<Zodiac::Sign> sign)
{
    return sign ? Signs[static_cast<std::size_t>(*sign)].first : u"none"_s;
}

// The five entries of a referral, written "name|email|message|friend|friend's email".
Referral::Entries entries(const QString& joined)
{
    const QStringList values = joined.split(u'|');
    Referral::Entries result;
    std::copy(values.begin(), values.end(), result.values.begin());
    return result;
}

} // namespace

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    void psycheYear_data()
    {
        QTest::addColumn<QString>("listing");
        for (const QString& year :
             QString(Ingresses).replace(u"; "_s, u"\n"_s).split(u'\n', Qt::SkipEmptyParts))
            QTest::newRow(qPrintable(year.left(4))) << year;
    }
    // Every day against the listing: an ingress day is the first in the new sign.
    void psycheYear()
    {
        QFETCH(QString, listing);
        const QStringList parts = listing.split(u' ');
        const int year = parts[0].toInt();
        QString sign = parts[1];
        qsizetype next = 2;
        for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
            if (next < parts.size() && day.toString(u"MM-dd"_s) == parts[next]) {
                sign = parts[next + 1];
                next += 2;
            }
            const QString at = day.toString(Qt::ISODate) + u' ';
            QCOMPARE(at + nameOf(Psyche::signOn(year, day.month(), day.day())).left(3), at + sign);
        }
        QCOMPARE(next, parts.size());
    }

    void psycheEdges_data()
    {
        QTest::addColumn<QList<int>>("date");
        QTest::addColumn<QString>("sign");
        QTest::newRow("1939") << QList<int>{1939, 12, 31} << u"none"_s;
        QTest::newRow("1991") << QList<int>{1991, 1, 1} << u"none"_s;
        QTest::newRow("month 0") << QList<int>{1950, 0, 1} << u"none"_s;
        QTest::newRow("month 13") << QList<int>{1950, 13, 1} << u"none"_s;
        // The day is only compared: the sign in force at the end of the month.
        QTest::newRow("31 April 1940") << QList<int>{1940, 4, 31} << u"Aries"_s;
        QTest::newRow("30 February 1940") << QList<int>{1940, 2, 30} << u"Pisces"_s;
    }
    void psycheEdges()
    {
        QFETCH(QList<int>, date);
        QFETCH(QString, sign);
        QCOMPARE(nameOf(Psyche::signOn(date[0], date[1], date[2])), sign);
        QCOMPARE(Psyche::row(date[0]) == nullptr, date[0] < 1940 || date[0] > 1990);
    }

    // Every request the lists can make: only real calendar dates pass, and an
    // empty name is refused first, whatever the date.
    void birthData()
    {
        const QString february = u"Please Enter Correct Date Or Month!"_s;
        const QString thirtyDays = u"Please Enter Correct Date Or Month !"_s;
        for (const QString& name : {u"X"_s, u"   "_s, QString()})
            for (int year = 1940; year <= 1990; ++year)
                for (int month = 1; month <= 12; ++month)
                    for (int day = 1; day <= 31; ++day) {
                        const auto problem = BirthData::check(name, year, month, day);
                        const bool valid = QDate::isValid(year, month, day);
                        QString want = valid ? QString() : month == 2 ? february : thirtyDays;
                        if (name.isEmpty())
                            want = u"Please Enter Your Name"_s;
                        const QString at = u"%1-%2-%3 "_s.arg(year).arg(month).arg(day);
                        QCOMPARE(at + BirthData::message(problem), at + want);
                        QCOMPARE(problem == BirthData::Problem::None, want.isEmpty());
                    }
    }

    // The range holds "[" to "`" (91 to 96), the digits, controls such as
    // Ctrl+V and accented letters such as "é": all refused.
    void nameKeys()
    {
        const QString capitals = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s;
        const QString smalls = u"abcdefghijklmnopqrstuvwxyz"_s;
        for (char32_t code = 0; code <= 0x2FF; ++code) {
            const QChar typed(static_cast<char16_t>(code));
            int want = -1;
            if (capitals.contains(typed) || code == 8 || code == 13 || code == 32)
                want = static_cast<int>(code);
            else if (smalls.contains(typed))
                want = capitals.at(smalls.indexOf(typed)).unicode();
            const auto got = BirthData::filterNameCharacter(code);
            const QString at = u"%1 -> "_s.arg(static_cast<int>(code));
            QCOMPARE(at + QString::number(got ? static_cast<int>(*got) : -1),
                     at + QString::number(want));
        }
        QCOMPARE(BirthData::onlyLettersMessage(), u"Please Enter only Letters"_s);
    }

    void fixedTexts()
    {
        for (std::size_t i = 0; i < Signs.size(); ++i) {
            QCOMPARE(Zodiac::name(static_cast<Zodiac::Sign>(i)), Signs[i].first);
            QCOMPARE(Zodiac::description(static_cast<Zodiac::Sign>(i)), Signs[i].second);
        }
        // In the order of Web::Page.
        const QStringList keys{
            u"home-page"_s, u"help-web-page"_s, u"download-web-page"_s, u"donate"_s,
            u"co-brand"_s,  u"fully-branded"_s, u"lanternsoftwares"_s,  u"qkpx-refer-a-friend"_s};
        for (int page = 0; page < keys.size(); ++page)
            QCOMPARE(Web::redirectAddress(static_cast<Web::Page>(page)),
                     Root + u"/starquill-free/ssd.php?page="_s + keys[page]);
        QCOMPARE(Web::productPageAddress(), Root + u"/starquill-free/"_s);
        QCOMPARE(Web::siteName(), u"www.lanternsoftwares.com"_s);
        QCOMPARE(AppInfo::title(), u"Starquill"_s);
        QCOMPARE(AppInfo::caption(), u"Starquill v1.15"_s);
        for (int month = 1; month <= 12; ++month)
            QCOMPARE(BirthData::monthName(month), QLocale::c().monthName(month));
        QVERIFY(BirthData::monthName(0).isEmpty() && BirthData::monthName(13).isEmpty());
        QCOMPARE(Reminder::question(), u"There maybe an update to this software available\r"
                                       u"Do you want to check for an update?"_s);
        QCOMPARE(Referral::trimBlanks(entries(u" |  |\r\n| \t |"_s)).values,
                 entries(u"||\r\n|\t|"_s).values); // blanks only, never tabs or line breaks
        const Referral::Entries shown = entries(
            u"Your Name|Your Email Address|Your Message|Friend's Name|Friend's Email Address"_s);
        for (int i = 0; i < Referral::FieldCount; ++i)
            QCOMPARE(Referral::placeholder(static_cast<Referral::Field>(i)), shown.values[i]);
        QCOMPARE(Referral::initialMessage(), u"Your Message\r\n"_s);
        // Never reached by check(): a missing address has no "@" either.
        QCOMPARE(Referral::message(Referral::Problem::EmailMissing), u"Please Enter Your Email"_s);
        QCOMPARE(Referral::message(Referral::Problem::FriendEmailMissing),
                 u"Please Enter Your Friend's Email"_s);
        // An e-mail box refuses the blank alone; other white space goes in.
        QVERIFY(Referral::refusedInEmail(u" "_s) && Referral::refusedInEmail(u"a@b. c"_s));
        QVERIFY(!Referral::refusedInEmail(u"a@b.c\t\r\n"_s));
        QCOMPARE(Referral::acceptedInEmail(u" a @b.c\t "_s), u"a@b.c\t"_s);
        QCOMPARE(Referral::spaceInEmailMessage(), u"Email Address Cannot Contain Space"_s);
    }

    // Entries as typed, trimmed and checked as a submission does; those that
    // pass must reach the site whole, in order, whatever they hold.
    void referral_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString same = u"Please Enter Distinct Email Addresses"_s;
        const QString improper = u"Please Enter Proper Email Address"_s;
        const QString name = u"Please Enter Your Name"_s, text = u"Please Enter Your Message"_s;
        const QString friendName = u"Please Enter Your Friend's Name"_s;
        QTest::newRow("untouched") << u"ANN|a@b.c|Your Message\r\n|BOB|d@e.f"_s << QString();
        QTest::newRow("delimiters") << u" A&B=C |a+b@c.d|50% #1&taf6=x|D E/F|g@h.i"_s << QString();
        QTest::newRow("scripts") << u"ÉLODIE|josé@b.c|日本語 😀|Zoë|ü@ß.de"_s << QString();
        QTest::newRow("same emails first") << u"|a@b.c|||a@b.c"_s << same;
        QTest::newRow("same once trimmed") << u"A| a@b.c  |M|B|a@b.c"_s << same;
        QTest::newRow("both emails empty") << u"A||M|B|"_s << same;
        QTest::newRow("case differs") << u"A|A@b.c|M|B|a@b.c"_s << QString();
        QTest::newRow("no @ before no name") << u"|a.b.c|||d@e.f"_s << improper;
        QTest::newRow("no @ in friend's") << u"A|a@b.c|M|B|d.e.f"_s << improper;
        QTest::newRow("no . before no name") << u"|a@b|M|B|d@e.f"_s << improper;
        QTest::newRow("no . in friend's") << u"A|a@b.c|M|B|d@e"_s << improper;
        QTest::newRow("email placeholders")
            << u"A|Your Email Address|M|B|Friend's Email Address"_s << improper;
        QTest::newRow("dot and at sign") << u"A|.@|M|B|@."_s << QString();
        QTest::newRow("name before message") << u"|a@b.c|||d@e.f"_s << name;
        QTest::newRow("name placeholder") << u" Your Name |a@b.c|M|B|d@e.f"_s << name;
        QTest::newRow("name of a tab") << u"\t|a@b.c|M|B|d@e.f"_s << QString();
        QTest::newRow("message before friend") << u"A|a@b.c|   ||d@e.f"_s << text;
        QTest::newRow("message placeholder") << u"A|a@b.c|Your Message|B|d@e.f"_s << text;
        QTest::newRow("friend missing") << u"A|a@b.c|M| |d@e.f"_s << friendName;
        QTest::newRow("friend placeholder") << u"A|a@b.c|M|Friend's Name|d@e.f"_s << friendName;
        QTest::newRow("placeholders, other case")
            << u"your name|a@b.c|your message|friend's name|d@e.f"_s << QString();
    }
    void referral()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        const Referral::Entries trimmed = Referral::trimBlanks(entries(typed));
        QCOMPARE(Referral::message(Referral::check(trimmed)), message);
        if (!message.isEmpty())
            return;
        const QUrl url(Referral::address(trimmed), QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(url.errorString()));
        QCOMPARE(url.toString(QUrl::RemoveQuery), Root + u"/starquill-free/ssd.php"_s);
        QList<std::pair<QString, QString>> want{{u"page"_s, u"qkpx-refer-a-friend"_s}};
        for (int i = 0; i < Referral::FieldCount; ++i)
            want.append({u"taf%1"_s.arg(i + 1), trimmed.values[i]});
        want.append({u"taf6"_s, Root + u"/starquill-free/"_s});
        // Read as the site's form handling does, "+" standing for a blank.
        const QUrlQuery query(url.query(QUrl::FullyEncoded).replace(u'+', u"%20"_s));
        QCOMPARE(query.queryItems(QUrl::FullyDecoded), want);
    }

    // A box's text, and what it holds after gaining and after losing the focus.
    void referralFocus_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focusIn");
        QTest::addColumn<QString>("focusOut");
        const QString placeholder = u"Your Name"_s;
        QTest::newRow("placeholder") << placeholder << QString() << placeholder;
        QTest::newRow("placeholder, blanks") << u" Your Name  "_s << QString() << u" Your Name  "_s;
        QTest::newRow("empty") << QString() << QString() << placeholder;
        QTest::newRow("blanks") << u"   "_s << u"   "_s << placeholder;
        QTest::newRow("text kept") << u" A B "_s << u" A B "_s << u" A B "_s;
        QTest::newRow("other case") << u"your name"_s << u"your name"_s << u"your name"_s;
    }
    void referralFocus()
    {
        QFETCH(QString, text);
        QFETCH(QString, focusIn);
        QFETCH(QString, focusOut);
        const QString placeholder = Referral::placeholder(Referral::Field::Name);
        QCOMPARE(Referral::textOnFocusIn(text, placeholder), focusIn);
        QCOMPARE(Referral::textOnFocusOut(text, placeholder), focusOut);
    }

    // Calendar days either way from now, a minute past midnight: fourteen stay
    // quiet and fifteen ask, however many hours the stored time adds or takes.
    void reminder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("decision");
        QTest::newRow("first start") << QString() << u"store"_s;
        QTest::newRow("garbage") << u"soon"_s << u"store"_s;
        QTest::newRow("stamped now") << Reminder::stamp(Now) << u"quiet"_s;
        QTest::newRow("23:59 the day before") << u"2024-06-19T23:59:00"_s << u"quiet"_s;
        QTest::newRow("14 before at 00:00") << u"2024-06-06T00:00:00"_s << u"quiet"_s;
        QTest::newRow("15 before at 23:59") << u"2024-06-05T23:59:00"_s << u"ask"_s;
        QTest::newRow("14 after at 23:59") << u"2024-07-04T23:59:00"_s << u"quiet"_s;
        QTest::newRow("15 after at 00:00") << u"2024-07-05T00:00:00"_s << u"ask"_s;
        QTest::newRow("years before") << u"2019-01-01T12:00:00"_s << u"ask"_s;
    }
    void reminder()
    {
        QFETCH(QString, stored);
        QFETCH(QString, decision);
        const Reminder::Decision got = Reminder::decide(stored, Now);
        QCOMPARE(got.ask ? u"ask"_s : got.storeNow ? u"store"_s : u"quiet"_s, decision);
        QCOMPARE(got.storeNow, decision != u"quiet"_s);
    }

    void draws()
    {
        using enum Draws::Promotion;
        const std::array fronts{CoBrand, FullBrand, CoBrand, FullBrand, CoBrand, FullBrand};
        for (int number = 1; number <= 6; ++number)
            QCOMPARE(Draws::frontFor(number), fronts[static_cast<std::size_t>(number - 1)]);
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
