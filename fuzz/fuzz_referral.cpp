// SPDX-License-Identifier: MIT
// Refer-a-friend: the trimming, the two checks and the address built from
// the five boxes. The address must be plain encoded ASCII that decodes back
// to exactly what was entered.
#include "FuzzText.h"

#include "core/Referral.h"
#include "core/Web.h"

#include <QStringDecoder>
#include <QUrl>
#include <QUrlQuery>

namespace {

void checkTrimmed(const QString& text)
{
    const QString trimmed = Referral::trimBlanks(text);
    FUZZ_CHECK(!trimmed.startsWith(u' ') && !trimmed.endsWith(u' '));
    // Only blanks go, and only at the ends.
    const qsizetype first = text.indexOf(trimmed);
    FUZZ_CHECK(first >= 0);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (i < first || i >= first + trimmed.size())
            FUZZ_CHECK(text.at(i) == u' ');
    FUZZ_CHECK(Referral::trimBlanks(trimmed) == trimmed);
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
    using namespace Referral;
    FuzzedDataProvider data(bytes, size);
    Entries entries;
    for (QString& box : entries.values) {
        box = consumeText(data, 1024);
        checkTrimmed(box);
    }
    const Entries trimmed = trimBlanks(entries);
    const Problem problem = check(trimmed);
    FUZZ_CHECK(message(problem).isEmpty() == (problem == Problem::None));
    if (problem == Problem::None)
        for (const QString& email : {trimmed[Field::Email], trimmed[Field::FriendEmail]})
            FUZZ_CHECK(email.contains(u'@') && email.contains(u'.'));

    // Plain encoded ASCII that decodes back to exactly what was entered.
    const QString built = address(trimmed);
    for (QChar c : built)
        FUZZ_CHECK(c.unicode() > 32 && c.unicode() < 127);
    const QUrl url(built, QUrl::StrictMode);
    FUZZ_CHECK(url.isValid());
    const QUrlQuery query(url);
    const char* keys[] = {"taf1", "taf2", "taf3", "taf4", "taf5"};
    for (int i = 0; i < FieldCount; ++i)
        FUZZ_CHECK(carries(query, keys[i], trimmed.values[static_cast<std::size_t>(i)]));
    FUZZ_CHECK(carries(query, "taf6", Web::productPageAddress()));
    FUZZ_CHECK(query.queryItems().size() == 7); // page and taf1 to taf6

    // The placeholders come and go with the focus, never touching real text.
    const QString name = entries[Field::Name];
    const QString in = textOnFocusIn(name, placeholder(Field::Name));
    FUZZ_CHECK(in == name || in.isEmpty());
    const QString out = textOnFocusOut(name, placeholder(Field::Name));
    FUZZ_CHECK(out == name || out == placeholder(Field::Name));
    return 0;
}
