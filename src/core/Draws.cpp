// SPDX-License-Identifier: MIT
#include "Draws.h"

#include <QRandomGenerator>

namespace Draws {

int coBrandNumber(QRandomGenerator& generator)
{
    return static_cast<int>(generator.bounded(1, 7));
}

Promotion frontFor(int coBrandNumber)
{
    return coBrandNumber % 2 == 0 ? Promotion::FullBrand : Promotion::CoBrand;
}

int supportMessageNumber(QRandomGenerator& generator)
{
    return static_cast<int>(generator.bounded(4u));
}

} // namespace Draws
