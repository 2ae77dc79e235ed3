// SPDX-License-Identifier: MIT
#include "Ending.h"

#include <QCoreApplication>

#include <emscripten.h>

// The page's starquillEnded() takes the program's canvas away, releases the
// single-instance lock and shows the end; without one (a page of another
// make) the windows are already gone, and that is the end.
// The body is JavaScript, which clang-format would break.
// clang-format off
EM_JS(void, starquill_tell_page_ended, (), {
    if (typeof globalThis.starquillEnded === 'function')
        globalThis.starquillEnded();
});
// clang-format on

namespace Ending {

void endProgram()
{
    QCoreApplication::exit(0);
    starquill_tell_page_ended();
}

} // namespace Ending
