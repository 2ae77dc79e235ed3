// SPDX-License-Identifier: MIT
#include "WebAccessibility.h"

namespace WebAccessibility {

void install() {}

} // namespace WebAccessibility
