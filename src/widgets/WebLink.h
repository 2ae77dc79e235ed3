// SPDX-License-Identifier: MIT
#pragma once

#include "core/Web.h"

// Opening the maker's pages in the desktop's default browser.
namespace WebLink {

// Hands the address to the browser and returns at once; a failure to open it
// is ignored.
void openAddress(const QString& address);
void open(Web::Page page);

} // namespace WebLink
