// SPDX-License-Identifier: MIT
#include "Referral.h"

#include "Web.h"

#include <QCoreApplication>
#include <QUrl>

namespace Referral {
namespace {

constexpr QChar Blank(u' ');

QString translated(const char* text)
{
    return QCoreApplication::translate("Referral", text);
}

bool missing(const QString& entry, Field field)
{
    return entry.isEmpty() || entry == placeholder(field);
}

} // namespace

QString placeholder(Field field)
{
    switch (field) {
    case Field::Name:
        return translated(QT_TRANSLATE_NOOP("Referral", "Your Name"));
    case Field::Email:
        return translated(QT_TRANSLATE_NOOP("Referral", "Your Email Address"));
    case Field::Message:
        return translated(QT_TRANSLATE_NOOP("Referral", "Your Message"));
    case Field::FriendName:
        return translated(QT_TRANSLATE_NOOP("Referral", "Friend's Name"));
    case Field::FriendEmail:
        return translated(QT_TRANSLATE_NOOP("Referral", "Friend's Email Address"));
    }
    return {};
}

QString initialMessage()
{
    return placeholder(Field::Message) + QStringLiteral("\r\n");
}

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == Blank)
        ++first;
    while (end > first && text.at(end - 1) == Blank)
        --end;
    return text.mid(first, end - first);
}

Entries trimBlanks(const Entries& entries)
{
    Entries trimmed;
    for (int i = 0; i < FieldCount; ++i)
        trimmed.values[i] = trimBlanks(entries.values[i]);
    return trimmed;
}

QString textOnFocusIn(const QString& text, const QString& placeholder)
{
    return trimBlanks(text) == placeholder ? QString() : text;
}

QString textOnFocusOut(const QString& text, const QString& placeholder)
{
    return trimBlanks(text).isEmpty() ? placeholder : text;
}

bool refusedInEmail(const QString& typed)
{
    return typed.contains(Blank);
}

QString acceptedInEmail(const QString& typed)
{
    QString accepted = typed;
    return accepted.remove(Blank);
}

QString spaceInEmailMessage()
{
    return translated(QT_TRANSLATE_NOOP("Referral", "Email Address Cannot Contain Space"));
}

Problem check(const Entries& trimmed)
{
    const QString& email = trimmed[Field::Email];
    const QString& friendEmail = trimmed[Field::FriendEmail];
    if (email == friendEmail)
        return Problem::SameEmails;
    // "@" and "." anywhere, in any order: nothing more is asked of an address.
    for (QChar mark : {QChar(u'@'), QChar(u'.')})
        if (!email.contains(mark) || !friendEmail.contains(mark))
            return Problem::ImproperEmail;
    if (missing(trimmed[Field::Name], Field::Name))
        return Problem::NameMissing;
    if (missing(email, Field::Email))
        return Problem::EmailMissing;
    if (missing(trimmed[Field::Message], Field::Message))
        return Problem::MessageMissing;
    if (missing(trimmed[Field::FriendName], Field::FriendName))
        return Problem::FriendNameMissing;
    if (missing(friendEmail, Field::FriendEmail))
        return Problem::FriendEmailMissing;
    return Problem::None;
}

QString message(Problem problem)
{
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::SameEmails:
        return translated(QT_TRANSLATE_NOOP("Referral", "Please Enter Distinct Email Addresses"));
    case Problem::ImproperEmail:
        return translated(QT_TRANSLATE_NOOP("Referral", "Please Enter Proper Email Address"));
    case Problem::NameMissing:
        return translated(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Name"));
    case Problem::EmailMissing:
        return translated(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Email"));
    case Problem::MessageMissing:
        return translated(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Message"));
    case Problem::FriendNameMissing:
        return translated(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Name"));
    case Problem::FriendEmailMissing:
        return translated(QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Email"));
    }
    return {};
}

QString address(const Entries& trimmed)
{
    QString built = Web::redirectAddress(Web::Page::ReferAFriend);
    const auto append = [&built](int number, const QString& value) {
        built += QStringLiteral("&taf%1=").arg(number) +
                 QString::fromLatin1(QUrl::toPercentEncoding(value));
    };
    for (int i = 0; i < FieldCount; ++i)
        append(i + 1, trimmed.values[i]);
    append(FieldCount + 1, Web::productPageAddress());
    return built;
}

} // namespace Referral
