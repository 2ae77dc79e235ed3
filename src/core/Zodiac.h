// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>

// The twelve signs, their names as shown and what each says of the reader.
namespace Zodiac {

// In the order Psyche passes through them; Aries follows Pisces.
enum class Sign : std::uint8_t
{
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};

inline constexpr int SignCount = 12;

constexpr Sign next(Sign sign)
{
    return static_cast<Sign>((static_cast<int>(sign) + 1) % SignCount);
}

// "Aries" ... "Pisces", translated.
QString name(Sign sign);

// The paragraph on what this placement says about the reader's expectations
// of a partner, translated.
QString description(Sign sign);

} // namespace Zodiac
