#pragma once

#include <QString>

// The maker's web pages. Every page is reached through the site's redirect
// script by a fixed key; each address is complete at build time.
namespace modHelp {

// Scheme and host of the maker's web site, without a trailing slash.
QString siteRoot();
// The host name alone, as the windows name the site to the user.
QString siteName();

// The product's folder on the site, with its trailing slash.
QString ProductPageAddress();

enum class Page
{
    Home,
    HelpWebPage,
    DownloadWebPage,
    Donate,
    CoBrand,
    FullyBranded,
    LanternSoftwares,
    ReferAFriend,
};

// The complete redirect address of a page.
QString RedirectAddress(Page page);

// Hands the address to the desktop's default browser and returns at once;
// a failure to open it is ignored.
void OpenWebPage(const QString& address);

// One routine per page, as the menus, labels and buttons call them.
void OpenHomePage();
void OpenHelpWebPage();
void OpenDownloadWebPage();
void OpenDonatePage();
void OpenCoBrandPage();
void OpenFullyBrandedPage();
void OpenLanternSoftwaresPage();

} // namespace modHelp
