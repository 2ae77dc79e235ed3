// SPDX-License-Identifier: MIT
#pragma once

#include "Zodiac.h"

#include <array>
#include <optional>
#include <span>

// Where the asteroid Psyche stood: a fixed table of the days on which it
// entered each sign from 1940 to 1990, and the lookup of one date in it.
namespace Psyche {

inline constexpr int FirstYear = 1940;
inline constexpr int LastYear = 1990;

// Psyche enters `sign` on this day, which is the first day in the new sign.
struct Ingress
{
    int day;
    int month;
    Zodiac::Sign sign;
};

struct Row
{
    int year;
    Zodiac::Sign startSign; // in force on 1 January
    int ingressCount;
    std::array<Ingress, 4> stored; // the first ingressCount are used, in date order

    constexpr std::span<const Ingress> ingresses() const
    {
        return {stored.data(), static_cast<std::size_t>(ingressCount)};
    }
};

// The row of a year, or null for a year outside the table.
const Row* row(int year);

// The sign Psyche stood in on that day (month 1 to 12), or none for a year
// outside the table or a month that does not exist. The day is compared as
// a number only: impossible dates are refused before anyone asks.
std::optional<Zodiac::Sign> signOn(int year, int month, int day);

} // namespace Psyche
