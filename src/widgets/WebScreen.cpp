// SPDX-License-Identifier: MIT
#include "WebScreen.h"

namespace WebScreen {

void install() {}

} // namespace WebScreen
