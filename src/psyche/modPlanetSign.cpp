#include "modPlanetSign.h"

#include <array>

namespace modPlanetSign {

QString PsycheSign;

namespace {

// A whole number written in decimal, blanks around it allowed.
bool toNumber(QStringView text, int* number)
{
    bool ok = false;
    *number = text.trimmed().toInt(&ok, 10);
    return ok;
}

} // namespace

int monthNumber(QStringView monthText)
{
    static const std::array<QString, 12> months{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    for (std::size_t i = 0; i < months.size(); ++i)
        if (monthText == months[i])
            return static_cast<int>(i) + 1;
    return 0;
}

Lookup lookupSign(QStringView yearText, QStringView monthText, QStringView dayText)
{
    int year = 0;
    if (!toNumber(yearText, &year))
        return {Lookup::Status::ConversionFailure};
    const IngressRow* row = ingressRow(year);
    if (!row)
        return {Lookup::Status::NoSign};
    const int month = monthNumber(monthText);
    if (month == 0)
        return {Lookup::Status::NoSign};

    // The sign in force on the first of the month, and the month's own
    // ingress after its first day, if any (a month holds at most one).
    Sign atMonthStart = row->startSign;
    const Ingress* laterInMonth = nullptr;
    for (int k = 0; k < row->ingressCount; ++k) {
        const Ingress& ingress = row->ingresses[static_cast<std::size_t>(k)];
        if (ingress.month < month || (ingress.month == month && ingress.day == 1))
            atMonthStart = ingress.sign;
        else if (ingress.month == month)
            laterInMonth = &ingress;
    }
    if (!laterInMonth)
        return {Lookup::Status::Found, atMonthStart};

    int day = 0;
    if (!toNumber(dayText, &day))
        return {Lookup::Status::ConversionFailure};
    // The ingress day is the first day in the new sign.
    return {Lookup::Status::Found, day < laterInMonth->day ? atMonthStart : laterInMonth->sign};
}

Lookup storePsycheSign(QStringView yearText, QStringView monthText, QStringView dayText)
{
    const Lookup result = lookupSign(yearText, monthText, dayText);
    if (result.found())
        PsycheSign = SignName(result.sign);
    return result;
}

} // namespace modPlanetSign
