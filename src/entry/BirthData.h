#pragma once

#include <QString>

#include <optional>

namespace BirthData {

enum class Check
{
    Ok,
    NameMissing,      // the name box is empty
    BadFebruaryDay,   // 30 or 31 February, or 29 February outside a leap year
    BadThirtyDayMonth // the 31st of April, June, September or November
};

// Checks a request: the name text, the selected day position (0 = the 1st),
// month position (0 = January) and year, stopping at the first failure.
Check check(const QString& name, int dayPosition, int monthPosition, int year);

// The message the user sees for a failed check; empty for Ok.
QString message(Check result);

// What typing one character into the name box does: the character that
// reaches the text (a small letter becomes its capital), or nothing when the
// character is refused.
std::optional<char32_t> filterNameCharacter(char32_t code);

inline const QString OnlyLettersMessage = QStringLiteral("Please Enter only Letters");

} // namespace BirthData
