#pragma once

#include <array>
#include <cstdint>

#include <QString>

// The twelve zodiac signs, in the order Psyche passes through them.
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

// The sign's name as the program shows it ("Aries" ... "Pisces").
QString SignName(Sign sign);
// The sign Psyche enters after this one (Aries follows Pisces).
constexpr Sign nextSign(Sign sign)
{
    return static_cast<Sign>((static_cast<int>(sign) + 1) % SignCount);
}

// Psyche enters `sign` on this day; the day is the first day in the new sign.
struct Ingress
{
    int day;
    int month;
    Sign sign;
};

struct IngressRow
{
    int year;
    Sign startSign; // in force on 1 January
    int ingressCount;
    std::array<Ingress, 4> ingresses; // the first ingressCount, in date order
};

inline constexpr int FirstTableYear = 1940;
inline constexpr int LastTableYear = 1990;

// One row per year from 1940 to 1990, in ascending order.
const std::array<IngressRow, LastTableYear - FirstTableYear + 1>& PsycheIngressTable();

// The row of a year, or null for a year outside the table.
const IngressRow* ingressRow(int year);
