// SPDX-License-Identifier: MIT
#pragma once

// What ending the program means on its platform: on the desktop, leaving the
// event loop, after which main() returns. A web page cannot close its own
// tab: there the page is told, and it shows that Starquill has ended and
// offers to start it again. One source file per platform: Ending.cpp and
// Ending_wasm.cpp.
namespace Ending {

void endProgram();

} // namespace Ending
