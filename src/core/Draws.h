// SPDX-License-Identifier: MIT
#pragma once

class QRandomGenerator;

// The program's two draws of chance.
namespace Draws {

enum class Promotion
{
    FullBrand,
    CoBrand
};

// 1 to 6, each equally likely.
int coBrandNumber(QRandomGenerator& generator);
// Which promotion label the entry window shows in front: even numbers the
// full-brand one, odd numbers the co-brand one.
Promotion frontFor(int coBrandNumber);

// The number of the exit screen's support message, 0 to 3, each equally likely.
int supportMessageNumber(QRandomGenerator& generator);

} // namespace Draws
