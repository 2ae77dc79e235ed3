// SPDX-License-Identifier: MIT
// Refer-a-friend on any entries: the trimming, the checks, and an address of
// plain ASCII whose parameters decode back to exactly what was entered.
#include "FuzzText.h"

#include "core/Referral.h"
#include "core/Web.h"

#include <QStringDecoder>
#include <QUrl>
#include <QUrlQuery>

namespace {

// UTF-8 decoded as the site does: a leading U+FEFF is text, not a byte-order
// mark to drop, and a lone surrogate, which UTF-8 cannot carry, is U+FFFD.
QString utf8(const QByteArray& bytes)
{
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
        .decode(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    using namespace Referral;
    FuzzedDataProvider data(bytes, size);
    Entries entries;
    for (QString& box : entries.values) {
        box = consumeText(data, 1024);
        // Only blanks go, and only at the ends.
        const QString trimmed = trimBlanks(box);
        const qsizetype first = box.indexOf(trimmed);
        FUZZ_CHECK(!trimmed.startsWith(u' ') && !trimmed.endsWith(u' ') && first >= 0);
        FUZZ_CHECK(QStringView(box).left(first).count(u' ') == first);
        FUZZ_CHECK(box.size() - first - trimmed.size() ==
                   QStringView(box).mid(first + trimmed.size()).count(u' '));
    }
    const Entries trimmed = trimBlanks(entries);
    const Problem problem = check(trimmed);
    FUZZ_CHECK(message(problem).isEmpty() == (problem == Problem::None));
    if (problem == Problem::None)
        for (const QString& email : {trimmed[Field::Email], trimmed[Field::FriendEmail]})
            FUZZ_CHECK(email.contains(u'@') && email.contains(u'.'));

    const QString built = address(trimmed);
    for (QChar c : built)
        FUZZ_CHECK(c.unicode() > 32 && c.unicode() < 127);
    const QUrl url(built, QUrl::StrictMode);
    FUZZ_CHECK(url.isValid());
    // Split as the site splits the query, then each value's bytes as UTF-8.
    const QList<std::pair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyEncoded);
    FUZZ_CHECK(items.size() == FieldCount + 2); // page, taf1 to taf6
    for (int i = 0; i <= FieldCount; ++i) {
        const QString sent = i < FieldCount ? trimmed.values[i] : Web::productPageAddress();
        FUZZ_CHECK(items[i + 1].first == QStringLiteral("taf%1").arg(i + 1));
        FUZZ_CHECK(utf8(QByteArray::fromPercentEncoding(items[i + 1].second.toLatin1())) ==
                   utf8(sent.toUtf8()));
    }
    return 0;
}
