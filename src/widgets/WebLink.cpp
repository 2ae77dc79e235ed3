// SPDX-License-Identifier: MIT
#include "WebLink.h"

#include <QDesktopServices>
#include <QUrl>

namespace WebLink {

void openAddress(const QString& address)
{
    // Strict parsing: the addresses are already encoded and must reach the
    // browser exactly as built.
    const QUrl url(address, QUrl::StrictMode);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

void open(Web::Page page)
{
    openAddress(Web::redirectAddress(page));
}

} // namespace WebLink
