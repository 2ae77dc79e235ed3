#include "BirthData.h"

namespace BirthData {

Check check(const QString& name, int dayPosition, int monthPosition, int year)
{
    if (name.isEmpty())
        return Check::NameMissing;
    // Every fourth year is a leap year; there is no century year in range.
    const bool leapYear = year % 4 == 0;
    constexpr int February = 1;
    if (monthPosition == February && dayPosition >= (leapYear ? 29 : 28))
        return Check::BadFebruaryDay;
    constexpr int April = 3, June = 5, September = 8, November = 10;
    const bool thirtyDays = monthPosition == April || monthPosition == June ||
                            monthPosition == September || monthPosition == November;
    if (thirtyDays && dayPosition == 30)
        return Check::BadThirtyDayMonth;
    return Check::Ok;
}

QString message(Check result)
{
    switch (result) {
    case Check::Ok:
        return {};
    case Check::NameMissing:
        return QStringLiteral("Please Enter Your Name");
    case Check::BadFebruaryDay:
        return QStringLiteral("Please Enter Correct Date Or Month!");
    case Check::BadThirtyDayMonth:
        return QStringLiteral("Please Enter Correct Date Or Month !");
    }
    return {};
}

std::optional<char32_t> filterNameCharacter(char32_t code)
{
    if (code >= U'A' && code <= U'Z')
        return code;
    if (code >= U'a' && code <= U'z')
        return code - 32;
    if (code == 8 || code == 13 || code == U' ')
        return code;
    return std::nullopt;
}

} // namespace BirthData
