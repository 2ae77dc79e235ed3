#include "modHelp.h"

#include <QDesktopServices>
#include <QUrl>

namespace modHelp {

#define SQ_SITE_ROOT STARQUILL_SITE_ROOT
#define SQ_REDIRECT(key) SQ_SITE_ROOT "/starquill-free/ssd.php?page=" key

QString siteRoot()
{
    return QStringLiteral(SQ_SITE_ROOT);
}

QString siteName()
{
    const QString host = QUrl(siteRoot()).host();
    return host.isEmpty() ? siteRoot() : host;
}

QString ProductPageAddress()
{
    return QStringLiteral(SQ_SITE_ROOT "/starquill-free/");
}

QString RedirectAddress(Page page)
{
    switch (page) {
    case Page::Home:
        return QStringLiteral(SQ_REDIRECT("home-page"));
    case Page::HelpWebPage:
        return QStringLiteral(SQ_REDIRECT("help-web-page"));
    case Page::DownloadWebPage:
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

void OpenWebPage(const QString& address)
{
    // Strict parsing: the addresses are already encoded and must reach the
    // browser exactly as built.
    const QUrl url(address, QUrl::StrictMode);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

void OpenHomePage()
{
    OpenWebPage(RedirectAddress(Page::Home));
}

void OpenHelpWebPage()
{
    OpenWebPage(RedirectAddress(Page::HelpWebPage));
}

void OpenDownloadWebPage()
{
    OpenWebPage(RedirectAddress(Page::DownloadWebPage));
}

void OpenDonatePage()
{
    OpenWebPage(RedirectAddress(Page::Donate));
}

void OpenCoBrandPage()
{
    OpenWebPage(RedirectAddress(Page::CoBrand));
}

void OpenFullyBrandedPage()
{
    OpenWebPage(RedirectAddress(Page::FullyBranded));
}

void OpenLanternSoftwaresPage()
{
    OpenWebPage(RedirectAddress(Page::LanternSoftwares));
}

} // namespace modHelp
