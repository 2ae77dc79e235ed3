// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The maker's web pages. Each is reached through the site's redirect script
// by a fixed key; every address is complete when the program is built.
namespace Web {

enum class Page
{
    Home,
    Help,
    Download,
    Donate,
    CoBrand,
    FullyBranded,
    LanternSoftwares,
    ReferAFriend,
};

// The complete redirect address of a page.
QString redirectAddress(Page page);

// The product's folder on the site, with its trailing slash.
QString productPageAddress();

// The site's host name, as the windows name the site to the user.
QString siteName();

} // namespace Web
