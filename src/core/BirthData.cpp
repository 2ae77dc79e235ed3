// SPDX-License-Identifier: MIT
#include "BirthData.h"

#include <QCoreApplication>

#include <array>

namespace BirthData {

Problem check(const QString& name, int year, int month, int day)
{
    if (name.isEmpty())
        return Problem::NameMissing;
    // Every fourth year is a leap year: no century year lies in the lists.
    const bool leapYear = year % 4 == 0;
    if (month == 2 && day > (leapYear ? 29 : 28))
        return Problem::BadFebruaryDay;
    const bool thirtyDays = month == 4 || month == 6 || month == 9 || month == 11;
    if (thirtyDays && day > 30)
        return Problem::BadThirtyDayMonth;
    return Problem::None;
}

QString message(Problem problem)
{
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::NameMissing:
        return QCoreApplication::translate("BirthData", "Please Enter Your Name");
    case Problem::BadFebruaryDay:
        return QCoreApplication::translate("BirthData", "Please Enter Correct Date Or Month!");
    case Problem::BadThirtyDayMonth:
        // The blank before "!" is how the program has always said it.
        return QCoreApplication::translate("BirthData", "Please Enter Correct Date Or Month !");
    }
    return {};
}

QString monthName(int month)
{
    static constexpr std::array<const char*, 12> Months{
        QT_TRANSLATE_NOOP("BirthData", "January"),   QT_TRANSLATE_NOOP("BirthData", "February"),
        QT_TRANSLATE_NOOP("BirthData", "March"),     QT_TRANSLATE_NOOP("BirthData", "April"),
        QT_TRANSLATE_NOOP("BirthData", "May"),       QT_TRANSLATE_NOOP("BirthData", "June"),
        QT_TRANSLATE_NOOP("BirthData", "July"),      QT_TRANSLATE_NOOP("BirthData", "August"),
        QT_TRANSLATE_NOOP("BirthData", "September"), QT_TRANSLATE_NOOP("BirthData", "October"),
        QT_TRANSLATE_NOOP("BirthData", "November"),  QT_TRANSLATE_NOOP("BirthData", "December")};
    if (month < 1 || month > 12)
        return {};
    return QCoreApplication::translate("BirthData", Months[static_cast<std::size_t>(month - 1)]);
}

std::optional<char32_t> filterNameCharacter(char32_t code)
{
    // Names are written in every script: any letter passes, as its capital
    // where it has a single-letter one, and so do the marks that letters
    // carry (accents from dead keys, Devanagari vowel signs and viramas).
    if (QChar::isLetter(code))
        return QChar::toUpper(code);
    if (QChar::isMark(code))
        return code;
    // Backspace, Enter and the blank pass without a word.
    if (code == Backspace || code == CarriageReturn || code == U' ')
        return code;
    return std::nullopt;
}

QString onlyLettersMessage()
{
    return QCoreApplication::translate("BirthData", "Please Enter only Letters");
}

} // namespace BirthData
