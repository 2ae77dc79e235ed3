#include "psyche/modPlanetSign.h"
#include "result/SignDescriptions.h"

#include <QDate>
#include <QLocale>
#include <QTest>

#include <map>
#include <set>

using modPlanetSign::Lookup;

namespace {

QString monthName(int month)
{
    return QLocale(QLocale::English).standaloneMonthName(month, QLocale::LongFormat);
}

QString signOn(int year, int month, int day)
{
    const Lookup result =
        modPlanetSign::lookupSign(QString::number(year), monthName(month), QString::number(day));
    return result.found() ? SignName(result.sign) : QStringLiteral("<none>");
}

const QStringList ZodiacOrder{
    QStringLiteral("Aries"),     QStringLiteral("Taurus"),   QStringLiteral("Gemini"),
    QStringLiteral("Cancer"),    QStringLiteral("Leo"),      QStringLiteral("Virgo"),
    QStringLiteral("Libra"),     QStringLiteral("Scorpio"),  QStringLiteral("Sagittarius"),
    QStringLiteral("Capricorn"), QStringLiteral("Aquarius"), QStringLiteral("Pisces")};

} // namespace

class TestPsyche : public QObject
{
    Q_OBJECT

private slots:
    // --- the table ---
    void tableShape()
    {
        const auto& table = PsycheIngressTable();
        QCOMPARE(table.front().year, 1940);
        QCOMPARE(table.back().year, 1990);
        std::map<int, int> rowsByCount;
        int total = 0;
        for (const IngressRow& row : table) {
            ++rowsByCount[row.ingressCount];
            total += row.ingressCount;
        }
        QCOMPARE(total, 122);
        QCOMPARE(rowsByCount[1], 8);
        QCOMPARE(rowsByCount[2], 23);
        QCOMPARE(rowsByCount[3], 12);
        QCOMPARE(rowsByCount[4], 8);
        QVERIFY(!ingressRow(1939));
        QVERIFY(!ingressRow(1991));
    }

    void everyIngressIsARealDayInItsMonthAndNeverInFebruary()
    {
        for (const IngressRow& row : PsycheIngressTable())
            for (int k = 0; k < row.ingressCount; ++k) {
                const Ingress& in = row.ingresses[static_cast<std::size_t>(k)];
                QVERIFY2(QDate(row.year, in.month, in.day).isValid(),
                         qPrintable(QString::number(row.year)));
                QVERIFY(in.month != 2);
            }
    }

    void yearsJoinUpExceptAt1974()
    {
        for (int year = 1940; year < 1990; ++year) {
            const QString endOfYear = signOn(year, 12, 31);
            const QString nextStart = SignName(ingressRow(year + 1)->startSign);
            if (year == 1973) {
                QCOMPARE(endOfYear, QStringLiteral("Sagittarius"));
                QCOMPARE(nextStart, QStringLiteral("Capricorn"));
            } else {
                QCOMPARE(endOfYear, nextStart);
            }
        }
    }

    void decemberIngresses()
    {
        const std::map<int, int> expected{{1978, 30}, {1979, 31}, {1983, 30},
                                          {1984, 30}, {1988, 29}, {1989, 10}};
        for (const IngressRow& row : PsycheIngressTable()) {
            const Ingress& last = row.ingresses[static_cast<std::size_t>(row.ingressCount - 1)];
            const auto it = expected.find(row.year);
            if (it == expected.end())
                QVERIFY2(last.month != 12, qPrintable(QString::number(row.year)));
            else
                QCOMPARE(last.day, it->second);
        }
    }

    // --- the lookup over the whole range ---
    void everyDayFromSign1940To1990()
    {
        // Walk every day in order, changing sign only on an ingress day or at
        // a new year's start sign: the lookup must agree on all 18,628 days,
        // and each change must be one step along the zodiac.
        QString current = SignName(ingressRow(1940)->startSign);
        std::set<QString> seen;
        int days = 0;
        for (QDate date(1940, 1, 1); date <= QDate(1990, 12, 31); date = date.addDays(1), ++days) {
            const IngressRow* row = ingressRow(date.year());
            if (date.dayOfYear() == 1)
                current = SignName(row->startSign);
            for (int k = 0; k < row->ingressCount; ++k) {
                const Ingress& in = row->ingresses[static_cast<std::size_t>(k)];
                if (in.month == date.month() && in.day == date.day()) {
                    const QString next = SignName(in.sign);
                    QCOMPARE(ZodiacOrder.indexOf(next), (ZodiacOrder.indexOf(current) + 1) % 12);
                    current = next;
                }
            }
            const QString found = signOn(date.year(), date.month(), date.day());
            if (found != current)
                QFAIL(qPrintable(date.toString(Qt::ISODate) + QStringLiteral(": ") + found +
                                 QStringLiteral(" instead of ") + current));
            QVERIFY(ZodiacOrder.contains(found));
            QVERIFY(!DescribeSign(found).isEmpty());
            seen.insert(found);
        }
        QCOMPARE(days, 18628);
        QCOMPARE(seen.size(), std::size_t(12));
    }

    void boundaryDates_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("sign");
        const struct
        {
            int y, m, d;
            const char* sign;
        } cases[] = {
            {1940, 1, 1, "Aquarius"},  {1940, 1, 7, "Aquarius"},      {1940, 1, 8, "Pisces"},
            {1940, 2, 29, "Pisces"},   {1942, 8, 31, "Virgo"},        {1942, 9, 1, "Libra"},
            {1943, 10, 16, "Scorpio"}, {1943, 10, 17, "Sagittarius"}, {1973, 12, 31, "Sagittarius"},
            {1974, 1, 1, "Capricorn"}, {1978, 10, 11, "Scorpio"},     {1978, 10, 12, "Sagittarius"},
            {1960, 3, 1, "Pisces"},    {1960, 3, 2, "Aries"},         {1979, 12, 30, "Aquarius"},
            {1979, 12, 31, "Pisces"},  {1980, 1, 1, "Pisces"},        {1989, 12, 9, "Aquarius"},
            {1989, 12, 10, "Pisces"},  {1990, 5, 20, "Aries"},        {1990, 6, 1, "Aries"},
            {1990, 7, 14, "Aries"},    {1990, 7, 15, "Taurus"},       {1990, 12, 31, "Taurus"},
            {1947, 8, 30, "Virgo"},    {1947, 8, 31, "Libra"},
        };
        for (const auto& c : cases)
            QTest::addRow("%d-%02d-%02d", c.y, c.m, c.d)
                << c.y << c.m << c.d << QString::fromLatin1(c.sign);
    }

    void boundaryDates()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, sign);
        QCOMPARE(signOn(year, month, day), sign);
    }

    // --- texts the lists never offer ---
    void impossibleDatesStillGiveTheMonthsSign()
    {
        QCOMPARE(signOn(1940, 4, 31), QStringLiteral("Aries"));
        QCOMPARE(signOn(1940, 2, 30), QStringLiteral("Pisces"));
    }

    void unknownYearOrMonthGivesNoSign()
    {
        using S = Lookup::Status;
        QCOMPARE(modPlanetSign::lookupSign(u"1939", u"May", u"1").status, S::NoSign);
        QCOMPARE(modPlanetSign::lookupSign(u"1991", u"May", u"1").status, S::NoSign);
        QCOMPARE(modPlanetSign::lookupSign(u"1940", u"january", u"1").status, S::NoSign);
        QCOMPARE(modPlanetSign::lookupSign(u"1940", u" January", u"1").status, S::NoSign);
        QCOMPARE(modPlanetSign::lookupSign(u"1940", u"", u"1").status, S::NoSign);
    }

    void textsThatAreNotNumbers()
    {
        using S = Lookup::Status;
        QCOMPARE(modPlanetSign::lookupSign(u"abc", u"May", u"1").status, S::ConversionFailure);
        QCOMPARE(modPlanetSign::lookupSign(u"", u"May", u"1").status, S::ConversionFailure);
        // February 1940 holds no ingress after its first day: the day is never read.
        const Lookup feb = modPlanetSign::lookupSign(u"1940", u"February", u"x");
        QVERIFY(feb.found());
        QCOMPARE(SignName(feb.sign), QStringLiteral("Pisces"));
        QCOMPARE(modPlanetSign::lookupSign(u"1940", u"March", u"x").status, S::ConversionFailure);
        QCOMPARE(modPlanetSign::lookupSign(u"1940", u"March", u"99999999999999999999").status,
                 S::ConversionFailure);
    }

    void storeKeepsTheLastSignWhenNothingIsFound()
    {
        modPlanetSign::PsycheSign.clear();
        modPlanetSign::storePsycheSign(u"1939", u"May", u"1");
        QCOMPARE(modPlanetSign::PsycheSign, QString());
        modPlanetSign::storePsycheSign(u"1940", u"January", u"8");
        QCOMPARE(modPlanetSign::PsycheSign, QStringLiteral("Pisces"));
        modPlanetSign::storePsycheSign(u"1991", u"May", u"1");
        modPlanetSign::storePsycheSign(u"1940", u"january", u"1");
        modPlanetSign::storePsycheSign(u"1940", u"March", u"x");
        QCOMPARE(modPlanetSign::PsycheSign, QStringLiteral("Pisces"));
    }

    // --- descriptions ---
    void descriptions()
    {
        QSet<QString> texts;
        for (const QString& sign : ZodiacOrder) {
            const QString text = DescribeSign(sign);
            QVERIFY(text.size() >= 77 && text.size() <= 219);
            texts.insert(text);
        }
        QCOMPARE(texts.size(), 12);
        QVERIFY(DescribeSign(QStringLiteral("Aquarius")).endsWith(QStringLiteral("imagination. ")));
        QVERIFY(DescribeSign(QStringLiteral("Pisces")).contains(QStringLiteral("have  a lot")));
        QCOMPARE(DescribeSign(QStringLiteral("Capricorn")).size(), 77);
        QCOMPARE(DescribeSign(QStringLiteral("Virgo")).size(), 219);
        QCOMPARE(DescribeSign(QStringLiteral("leo")), QString());
        QCOMPARE(DescribeSign(QStringLiteral("Leo ")), QString());
        QCOMPARE(DescribeSign(QString()), QString());
    }
};

QTEST_APPLESS_MAIN(TestPsyche)
#include "tst_psyche.moc"
