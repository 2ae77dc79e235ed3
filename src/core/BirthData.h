// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// What the entry window accepts: the name's key rule, the months it lists and
// the check of a request before a reading.
namespace BirthData {

// The control characters the name box takes: the two keys that edit and
// send, and the one a key that deletes forward types.
constexpr char32_t Backspace = 8;
constexpr char32_t CarriageReturn = 13;
constexpr char32_t Delete = 127;

enum class Problem
{
    None,
    NameMissing,      // the name box is empty
    BadFebruaryDay,   // 30 or 31 February, or 29 February outside a leap year
    BadThirtyDayMonth // the 31st of April, June, September or November
};

// Checks a request (month 1 to 12, day 1 to 31), stopping at the first problem.
Problem check(const QString& name, int year, int month, int day);

// What the user is told of a problem; empty for None.
QString message(Problem problem);

// The month's name as the month list shows it, 1 for January.
QString monthName(int month);

// What typing one character into the name box does: the character that
// reaches the text (a letter of any script, as its capital where it has one;
// a combining mark), or none when the character is refused.
std::optional<char32_t> filterNameCharacter(char32_t code);

// What the user is told of a refused character.
QString onlyLettersMessage();

} // namespace BirthData
