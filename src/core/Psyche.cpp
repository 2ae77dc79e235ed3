// SPDX-License-Identifier: MIT
#include "Psyche.h"

namespace Psyche {
namespace {

using enum Zodiac::Sign;

// Not every month sees an ingress.
[[maybe_unused]] constexpr int Jan = 1, Feb = 2, Mar = 3, Apr = 4, May = 5, Jun = 6, Jul = 7,
                               Aug = 8, Sep = 9, Oct = 10, Nov = 11, Dec = 12;

// clang-format off
constexpr std::array<Row, LastYear - FirstYear + 1> Table{{
    {1940, Aquarius,    4, {{{8, Jan, Pisces}, {15, Mar, Aries}, {18, May, Taurus}, {30, Jul, Gemini}}}},
    {1941, Gemini,      3, {{{6, May, Cancer}, {24, Jul, Leo}, {15, Oct, Virgo}}}},
    {1942, Virgo,       2, {{{1, Sep, Libra}, {28, Nov, Scorpio}}}},
    {1943, Scorpio,     1, {{{17, Oct, Sagittarius}}}},
    {1944, Sagittarius, 2, {{{5, Jan, Capricorn}, {28, Mar, Aquarius}}}},
    {1945, Aquarius,    4, {{{5, Jan, Pisces}, {13, Mar, Aries}, {17, May, Taurus}, {28, Jul, Gemini}}}},
    {1946, Gemini,      3, {{{5, May, Cancer}, {23, Jul, Leo}, {14, Oct, Virgo}}}},
    {1947, Virgo,       2, {{{31, Aug, Libra}, {27, Nov, Scorpio}}}},
    {1948, Scorpio,     1, {{{15, Oct, Sagittarius}}}},
    {1949, Sagittarius, 2, {{{3, Jan, Capricorn}, {26, Mar, Aquarius}}}},
    {1950, Aquarius,    4, {{{4, Jan, Pisces}, {12, Mar, Aries}, {16, May, Taurus}, {27, Jul, Gemini}}}},
    {1951, Gemini,      3, {{{5, May, Cancer}, {23, Jul, Leo}, {15, Oct, Virgo}}}},
    {1952, Virgo,       2, {{{30, Aug, Libra}, {26, Nov, Scorpio}}}},
    {1953, Scorpio,     1, {{{14, Oct, Sagittarius}}}},
    {1954, Sagittarius, 2, {{{3, Jan, Capricorn}, {26, Mar, Aquarius}}}},
    {1955, Aquarius,    4, {{{4, Jan, Pisces}, {12, Mar, Aries}, {16, May, Taurus}, {27, Jul, Gemini}}}},
    {1956, Gemini,      3, {{{4, May, Cancer}, {22, Jul, Leo}, {14, Oct, Virgo}}}},
    {1957, Virgo,       2, {{{29, Aug, Libra}, {26, Nov, Scorpio}}}},
    {1958, Scorpio,     1, {{{14, Oct, Sagittarius}}}},
    {1959, Sagittarius, 2, {{{3, Jan, Capricorn}, {27, Mar, Aquarius}}}},
    {1960, Aquarius,    4, {{{6, Jan, Pisces}, {2, Mar, Aries}, {17, May, Taurus}, {28, Jul, Gemini}}}},
    {1961, Gemini,      3, {{{5, May, Cancer}, {23, Jul, Leo}, {14, Oct, Virgo}}}},
    {1962, Virgo,       2, {{{29, Aug, Libra}, {26, Nov, Scorpio}}}},
    {1963, Scorpio,     1, {{{14, Oct, Sagittarius}}}},
    {1964, Sagittarius, 2, {{{3, Jan, Capricorn}, {26, Mar, Aquarius}}}},
    {1965, Aquarius,    4, {{{5, Jan, Pisces}, {13, Mar, Aries}, {17, May, Taurus}, {28, Jul, Gemini}}}},
    {1966, Gemini,      3, {{{5, May, Cancer}, {22, Jul, Leo}, {13, Oct, Virgo}}}},
    {1967, Virgo,       2, {{{29, Aug, Libra}, {25, Nov, Scorpio}}}},
    {1968, Scorpio,     1, {{{13, Oct, Sagittarius}}}},
    {1969, Sagittarius, 2, {{{3, Jan, Capricorn}, {26, Mar, Aquarius}}}},
    {1970, Aquarius,    4, {{{4, Jan, Pisces}, {12, Mar, Aries}, {15, May, Taurus}, {26, Jul, Gemini}}}},
    {1971, Gemini,      3, {{{3, May, Cancer}, {20, Jul, Leo}, {11, Oct, Virgo}}}},
    {1972, Virgo,       2, {{{26, Aug, Libra}, {23, Nov, Scorpio}}}},
    {1973, Scorpio,     1, {{{12, Oct, Sagittarius}}}},
    {1974, Capricorn,   1, {{{23, Mar, Aquarius}}}},
    {1975, Aquarius,    4, {{{3, Jan, Pisces}, {10, Mar, Aries}, {14, May, Taurus}, {23, Jul, Gemini}}}},
    {1976, Gemini,      3, {{{30, Apr, Cancer}, {18, Jul, Leo}, {9, Oct, Virgo}}}},
    {1977, Virgo,       2, {{{26, Aug, Libra}, {27, Nov, Scorpio}}}},
    {1978, Scorpio,     2, {{{12, Oct, Sagittarius}, {30, Dec, Capricorn}}}},
    {1979, Capricorn,   2, {{{22, Mar, Aquarius}, {31, Dec, Pisces}}}},
    {1980, Pisces,      3, {{{8, Mar, Aries}, {11, May, Taurus}, {20, Jul, Gemini}}}},
    {1981, Gemini,      3, {{{29, Apr, Cancer}, {18, Jul, Leo}, {8, Oct, Virgo}}}},
    {1982, Virgo,       2, {{{25, Aug, Libra}, {22, Nov, Scorpio}}}},
    {1983, Scorpio,     2, {{{10, Oct, Sagittarius}, {30, Dec, Capricorn}}}},
    {1984, Capricorn,   2, {{{19, Mar, Aquarius}, {30, Dec, Pisces}}}},
    {1985, Pisces,      3, {{{8, Mar, Aries}, {11, May, Taurus}, {22, Jul, Gemini}}}},
    {1986, Gemini,      3, {{{30, Apr, Cancer}, {19, Jul, Leo}, {9, Oct, Virgo}}}},
    {1987, Virgo,       2, {{{25, Aug, Libra}, {22, Nov, Scorpio}}}},
    {1988, Scorpio,     2, {{{8, Oct, Sagittarius}, {29, Dec, Capricorn}}}},
    {1989, Capricorn,   2, {{{19, Mar, Aquarius}, {10, Dec, Pisces}}}},
    {1990, Pisces,      2, {{{9, Mar, Aries}, {15, Jul, Taurus}}}},
}};
// clang-format on

// A mistyped row fails the build rather than a reading: years in order,
// ingresses in date order and at most one a month, each into the next sign.
constexpr bool rowsAreConsistent()
{
    for (std::size_t i = 0; i < Table.size(); ++i) {
        const Row& row = Table[i];
        if (row.year != FirstYear + static_cast<int>(i) || row.ingressCount < 1 ||
            row.ingressCount > 4)
            return false;
        Zodiac::Sign current = row.startSign;
        int lastMonth = 0;
        for (const Ingress& in : row.ingresses()) {
            if (in.month <= lastMonth || in.month > 12 || in.day < 1 || in.day > 31 ||
                in.sign != Zodiac::next(current))
                return false;
            lastMonth = in.month;
            current = in.sign;
        }
    }
    return true;
}
static_assert(rowsAreConsistent());

} // namespace

const Row* row(int year)
{
    if (year < FirstYear || year > LastYear)
        return nullptr;
    return &Table[static_cast<std::size_t>(year - FirstYear)];
}

std::optional<Zodiac::Sign> signOn(int year, int month, int day)
{
    const Row* found = row(year);
    if (!found || month < 1 || month > 12)
        return std::nullopt;
    Zodiac::Sign sign = found->startSign;
    for (const Ingress& ingress : found->ingresses()) {
        // Ingresses lie in date order: the first one not yet reached ends the
        // search. One on the 1st holds for the whole month, whatever the day.
        if (ingress.month > month ||
            (ingress.month == month && ingress.day > 1 && day < ingress.day))
            break;
        sign = ingress.sign;
    }
    return sign;
}

} // namespace Psyche
