#pragma once

#include <QtGlobal>

// The outcome of the last co-brand draw, 1 to 6; 0 before the first draw.
extern qint16 intCoBrandRandomNumber;

namespace CoBrand {

enum class Front
{
    FullBrand,
    CoBrand
};

// Even numbers show the full-brand label, odd ones the co-brand label.
Front frontFor(int number);

} // namespace CoBrand

// Draws 1 to 6 and brings the chosen promotion label of the entry window to
// the front (creating the window if it is not loaded). The result window is
// left alone.
void CoBrand_Randomize();
