// SPDX-License-Identifier: MIT
#include "Ending.h"

#include <QCoreApplication>

namespace Ending {

void endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace Ending
