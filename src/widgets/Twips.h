// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

// The windows are laid out in twips; one twip is 1/15 of a logical pixel.
constexpr int twips(int n)
{
    // Round half away from zero so that abutting controls stay abutting.
    return n >= 0 ? (n * 2 + 15) / 30 : -((-n * 2 + 15) / 30);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// A rectangle given in twips (left, top, width, height), in pixels.
constexpr QRect twipsRect(const QRect& t)
{
    return twipsRect(t.x(), t.y(), t.width(), t.height());
}

constexpr QSize twipsSize(int width, int height)
{
    return QSize(twips(width), twips(height));
}
