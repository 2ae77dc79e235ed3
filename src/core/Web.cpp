// SPDX-License-Identifier: MIT
#include "Web.h"

#include <QUrl>

// One literal per address, put together by the compiler from the site root
// the build was configured with.
#define SQ_PRODUCT STARQUILL_SITE_ROOT "/starquill-free/"
#define SQ_REDIRECT(key) SQ_PRODUCT "ssd.php?page=" key

namespace Web {

QString redirectAddress(Page page)
{
    switch (page) {
    case Page::Home:
        return QStringLiteral(SQ_REDIRECT("home-page"));
    case Page::Help:
        return QStringLiteral(SQ_REDIRECT("help-web-page"));
    case Page::Download:
        return QStringLiteral(SQ_REDIRECT("download-web-page"));
    case Page::Donate:
        return QStringLiteral(SQ_REDIRECT("donate"));
    case Page::CoBrand:
        return QStringLiteral(SQ_REDIRECT("co-brand"));
    case Page::FullyBranded:
        return QStringLiteral(SQ_REDIRECT("fully-branded"));
    case Page::LanternSoftwares:
        return QStringLiteral(SQ_REDIRECT("lanternsoftwares"));
    case Page::ReferAFriend:
        return QStringLiteral(SQ_REDIRECT("qkpx-refer-a-friend"));
    }
    return {};
}

QString productPageAddress()
{
    return QStringLiteral(SQ_PRODUCT);
}

QString siteName()
{
    const QString root = QStringLiteral(STARQUILL_SITE_ROOT);
    const QString host = QUrl(root).host();
    return host.isEmpty() ? root : host;
}

} // namespace Web
