// Refer-a-friend: the trimming, the two checks and the address built from
// the five boxes. The address must be plain encoded ASCII that decodes back
// to exactly what was entered.
#include "FuzzText.h"

#include "promotion/modTellAFriend.h"
#include "web/modHelp.h"

#include <QStringDecoder>
#include <QUrl>
#include <QUrlQuery>

#include <cstdio>
#include <cstdlib>

namespace {

void checkTrimmed(const QString& text)
{
    const QString trimmed = modTellAFriend::trimBlanks(text);
    FUZZ_CHECK(!trimmed.startsWith(u' ') && !trimmed.endsWith(u' '));
    // Only blanks go, and only at the ends.
    const qsizetype first = text.indexOf(trimmed);
    FUZZ_CHECK(first >= 0);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (i < first || i >= first + trimmed.size())
            FUZZ_CHECK(text.at(i) == u' ');
    FUZZ_CHECK(modTellAFriend::trimBlanks(trimmed) == trimmed);
}

bool known(const QString& problem, std::initializer_list<const QString*> messages)
{
    if (problem.isEmpty())
        return true;
    for (const QString* message : messages)
        if (problem == *message)
            return true;
    return false;
}

// UTF-8 decoded as the site does: a leading U+FEFF is text, not a byte-order
// mark to drop (QString::fromUtf8 drops it).
QString utf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

// What survives UTF-8: a lone surrogate cannot be sent and becomes U+FFFD.
QString sendable(const QString& text)
{
    return utf8(text.toUtf8());
}

// QUrl's own decoder turns the noncharacters (U+FFFE, U+FFFF, ...) into
// U+FFFD although their UTF-8 is sent exactly; a plain UTF-8 decoder gets
// them back.
bool hasNonCharacter(const QString& text)
{
    for (char32_t code : text.toUcs4())
        if (QChar::isNonCharacter(code))
            return true;
    return false;
}

// The parameter's value as QUrlQuery splits it out of the address, decoded.
bool carries(const QUrlQuery& query, const char* key, const QString& entry)
{
    const QString name = QString::fromLatin1(key);
    const QString expected = sendable(entry);
    const QByteArray encoded = query.queryItemValue(name, QUrl::FullyEncoded).toLatin1();
    if (utf8(QByteArray::fromPercentEncoding(encoded)) != expected)
        return false;
    return hasNonCharacter(expected) || query.queryItemValue(name, QUrl::FullyDecoded) == expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    using namespace modTellAFriend;
    FuzzedDataProvider data(bytes, size);
    Referral entries;
    for (QString* box : {&entries.name, &entries.email, &entries.message, &entries.friendName,
                         &entries.friendEmail})
        *box = consumeText(data, 1024);
    for (const QString& box :
         {entries.name, entries.email, entries.message, entries.friendName, entries.friendEmail})
        checkTrimmed(box);

    const Referral trimmed = trimBlanks(entries);
    const QString emails = emailProblem(trimmed);
    FUZZ_CHECK(known(emails, {&DistinctEmailsMessage, &ProperEmailMessage}));
    if (emails.isEmpty())
        FUZZ_CHECK(trimmed.email != trimmed.friendEmail && trimmed.email.contains(u'@') &&
                   trimmed.email.contains(u'.') && trimmed.friendEmail.contains(u'@') &&
                   trimmed.friendEmail.contains(u'.'));
    const QString missing = entryProblem(trimmed);
    FUZZ_CHECK(known(missing, {&NameMissingMessage, &EmailMissingMessage, &MessageMissingMessage,
                               &FriendNameMissingMessage, &FriendEmailMissingMessage}));

    const QString address = buildReferralAddress(trimmed);
    for (QChar c : address)
        FUZZ_CHECK(c.unicode() > 32 && c.unicode() < 127);
    const QUrl url(address, QUrl::StrictMode);
    FUZZ_CHECK(url.isValid());
    const QUrlQuery query(url);
    FUZZ_CHECK(carries(query, "taf1", trimmed.name));
    FUZZ_CHECK(carries(query, "taf2", trimmed.email));
    FUZZ_CHECK(carries(query, "taf3", trimmed.message));
    FUZZ_CHECK(carries(query, "taf4", trimmed.friendName));
    FUZZ_CHECK(carries(query, "taf5", trimmed.friendEmail));
    FUZZ_CHECK(carries(query, "taf6", modHelp::ProductPageAddress()));
    FUZZ_CHECK(query.queryItems().size() == 7); // page and taf1 to taf6

    // The placeholders come and go with the focus, never touching real text.
    const QString in = textOnFocusIn(entries.name, NamePlaceholder);
    FUZZ_CHECK(in == entries.name || in.isEmpty());
    const QString out = textOnFocusOut(entries.name, NamePlaceholder);
    FUZZ_CHECK(out == entries.name || out == NamePlaceholder);
    return 0;
}
