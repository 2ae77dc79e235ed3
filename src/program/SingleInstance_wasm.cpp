// SPDX-License-Identifier: MIT
#include "SingleInstance.h"

#include <emscripten.h>

// In a web page the lock is one of the browser's Web Locks, shared by every tab
// of the same site in the same browser profile and released when its page
// goes, however it goes. Taking one only answers later, so the page asks for it
// before it starts the program, holds it while the program runs, and leaves
// its answer in starquillInstance: "held" or "taken". A page that has no
// locks to offer (one served over plain HTTP from another machine) says
// nothing, and then the program runs rather than claim another one does.
// The body is JavaScript, which clang-format would break.
// clang-format off
EM_JS(int, starquill_instance_taken, (), { return globalThis.starquillInstance === 'taken'; });
// clang-format on

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryAcquire()
{
    return !starquill_instance_taken();
}
