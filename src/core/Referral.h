// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

// Refer-a-friend: the five entries of the exit screen, their checks and the
// address that carries them to the maker's site.
namespace Referral {

// In the order the site numbers them, taf1 to taf5.
enum class Field
{
    Name,
    Email,
    Message,
    FriendName,
    FriendEmail
};
inline constexpr int FieldCount = 5;

struct Entries
{
    std::array<QString, FieldCount> values;

    QString& operator[](Field field) { return values[static_cast<std::size_t>(field)]; }
    const QString& operator[](Field field) const { return values[static_cast<std::size_t>(field)]; }
    bool operator==(const Entries&) const = default;
};

// What a box shows while it holds nothing ("Your Name", ...).
QString placeholder(Field field);
// What the hidden message box holds at first: its placeholder and a line
// break, so an untouched box still sends a message.
QString initialMessage();

// The text without leading and trailing blanks; tabs and line breaks stay.
QString trimBlanks(const QString& text);
Entries trimBlanks(const Entries& entries);

// What a box holds after it gains the focus: nothing instead of its placeholder.
QString textOnFocusIn(const QString& text, const QString& placeholder);
// What a box holds after it loses the focus: its placeholder instead of nothing.
QString textOnFocusOut(const QString& text, const QString& placeholder);

// An e-mail box refuses typed text that holds a blank.
bool refusedInEmail(const QString& typed);
// Typed text as an e-mail box takes it: without its blanks.
QString acceptedInEmail(const QString& typed);
QString spaceInEmailMessage();

enum class Problem
{
    None,
    SameEmails,
    ImproperEmail,
    NameMissing,
    EmailMissing,
    MessageMissing,
    FriendNameMissing,
    FriendEmailMissing
};

// The first problem with trimmed entries: the two addresses first, then each
// entry still empty or showing its placeholder.
Problem check(const Entries& trimmed);
// What the user is told of a problem; empty for None.
QString message(Problem problem);

// The referral page's address with the entries and the product page
// appended, each percent-encoded as UTF-8, so that "&", "#", "=", "+", line
// breaks and any script arrive whole.
QString address(const Entries& trimmed);

} // namespace Referral
