#include "modTellAFriend.h"

#include "app/MessageBox.h"
#include "web/modHelp.h"

#include <QUrl>

namespace modTellAFriend {

Referral ReferralFields;
QString ReferralAddress;

namespace {

const QChar Blank(u' ');

bool missing(const QString& entry, const QString& placeholder)
{
    return entry.isEmpty() || entry == placeholder;
}

QString encoded(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

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

Referral trimBlanks(const Referral& entries)
{
    return {trimBlanks(entries.name), trimBlanks(entries.email), trimBlanks(entries.message),
            trimBlanks(entries.friendName), trimBlanks(entries.friendEmail)};
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
    accepted.remove(Blank);
    return accepted;
}

QString emailProblem(const Referral& trimmed)
{
    if (trimmed.email == trimmed.friendEmail)
        return DistinctEmailsMessage;
    const QChar at(u'@');
    const QChar dot(u'.');
    if (!trimmed.email.contains(at) || !trimmed.friendEmail.contains(at))
        return ProperEmailMessage;
    if (!trimmed.email.contains(dot) || !trimmed.friendEmail.contains(dot))
        return ProperEmailMessage;
    return {};
}

QString entryProblem(const Referral& trimmed)
{
    if (missing(trimmed.name, NamePlaceholder))
        return NameMissingMessage;
    if (missing(trimmed.email, EmailPlaceholder))
        return EmailMissingMessage;
    if (missing(trimmed.message, MessagePlaceholder))
        return MessageMissingMessage;
    if (missing(trimmed.friendName, FriendNamePlaceholder))
        return FriendNameMissingMessage;
    if (missing(trimmed.friendEmail, FriendEmailPlaceholder))
        return FriendEmailMissingMessage;
    return {};
}

QString buildReferralAddress(const Referral& trimmed)
{
    return modHelp::RedirectAddress(modHelp::Page::ReferAFriend) + QStringLiteral("&taf1=") +
           encoded(trimmed.name) + QStringLiteral("&taf2=") + encoded(trimmed.email) +
           QStringLiteral("&taf3=") + encoded(trimmed.message) + QStringLiteral("&taf4=") +
           encoded(trimmed.friendName) + QStringLiteral("&taf5=") + encoded(trimmed.friendEmail) +
           QStringLiteral("&taf6=") + encoded(modHelp::ProductPageAddress());
}

bool Submit(const Referral& boxTexts)
{
    ReferralFields = trimBlanks(boxTexts);
    const QString problem = emailProblem(ReferralFields);
    if (!problem.isEmpty()) {
        MessageBox::critical(problem);
        return false;
    }
    return SendReferral();
}

bool SendReferral()
{
    const QString problem = entryProblem(ReferralFields);
    if (!problem.isEmpty()) {
        MessageBox::critical(problem);
        return false;
    }
    ReferralAddress = buildReferralAddress(ReferralFields);
    modHelp::OpenWebPage(ReferralAddress);
    return true;
}

} // namespace modTellAFriend
