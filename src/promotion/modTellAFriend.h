#pragma once

#include <QString>

// Refer-a-friend: the checks of the exit screen's referral boxes and the
// address that carries the referral to the maker's site. Everything that
// decides something is a plain function of the box texts; the window only
// reads its boxes and writes back what these return.
namespace modTellAFriend {

// The five entries, in the order the site numbers them (taf1 to taf5).
struct Referral
{
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;

    bool operator==(const Referral&) const = default;
};

// What each box shows while it holds nothing.
inline const QString NamePlaceholder = QStringLiteral("Your Name");
inline const QString EmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString MessagePlaceholder = QStringLiteral("Your Message");
inline const QString FriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString FriendEmailPlaceholder = QStringLiteral("Friend's Email Address");
// The hidden message box starts with a line break after its placeholder, so
// it never counts as untouched and an unchanged box still sends a message.
inline const QString InitialMessage = QStringLiteral("Your Message\r\n");

inline const QString DistinctEmailsMessage =
    QStringLiteral("Please Enter Distinct Email Addresses");
inline const QString ProperEmailMessage = QStringLiteral("Please Enter Proper Email Address");
inline const QString NameMissingMessage = QStringLiteral("Please Enter Your Name");
inline const QString EmailMissingMessage = QStringLiteral("Please Enter Your Email");
inline const QString MessageMissingMessage = QStringLiteral("Please Enter Your Message");
inline const QString FriendNameMissingMessage = QStringLiteral("Please Enter Your Friend's Name");
inline const QString FriendEmailMissingMessage = QStringLiteral("Please Enter Your Friend's Email");
inline const QString SpaceInEmailMessage = QStringLiteral("Email Address Cannot Contain Space");

// The entries of the last press of "Refer A Friend Now", trimmed.
extern Referral ReferralFields;
// The address opened by the last successful referral; empty until then.
extern QString ReferralAddress;

// The text without leading and trailing blanks; tabs and line breaks stay.
QString trimBlanks(const QString& text);
Referral trimBlanks(const Referral& entries);

// What a box holds after it gains the focus: empty instead of its placeholder.
QString textOnFocusIn(const QString& text, const QString& placeholder);
// What a box holds after it loses the focus: its placeholder instead of nothing.
QString textOnFocusOut(const QString& text, const QString& placeholder);

// True when typing this text into an e-mail box is refused (it holds a blank).
bool refusedInEmail(const QString& typed);
// Typed text as an e-mail box accepts it: without its blanks.
QString acceptedInEmail(const QString& typed);

// The first complaint about the two addresses, or an empty text.
QString emailProblem(const Referral& trimmed);
// The first entry still missing or showing its placeholder, or an empty text.
QString entryProblem(const Referral& trimmed);

// The referral page's address with every entry appended, each percent-encoded
// as UTF-8 so that "&", "#", "=", "+", line breaks and any script arrive whole.
QString buildReferralAddress(const Referral& trimmed);

// The press of "Refer A Friend Now" with the five box texts as they stand:
// keeps them trimmed in ReferralFields, checks the addresses, and sends.
// Returns true when the referral page was opened.
bool Submit(const Referral& boxTexts);
// Checks ReferralFields, then opens the referral page with them.
bool SendReferral();

} // namespace modTellAFriend
