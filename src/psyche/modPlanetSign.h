#pragma once

#include "PsycheIngressTable.h"

#include <QString>
#include <QStringView>

namespace modPlanetSign {

// The outcome of looking up one date given as the entry window's three texts.
struct Lookup
{
    enum class Status
    {
        Found,             // `sign` holds the sign in force that day
        NoSign,            // the year or the month is not in the table
        ConversionFailure, // a text that had to be a number was not one
    };
    Status status;
    Sign sign = Sign::Aries;

    bool found() const { return status == Status::Found; }
};

// The month's number, 1 for "January" to 12 for "December"; 0 for any other
// text (the comparison is exact and case-sensitive).
int monthNumber(QStringView monthText);

// The sign in which Psyche stood on that day. The day is not checked against
// the month's length: impossible dates are refused before a lookup.
Lookup lookupSign(QStringView yearText, QStringView monthText, QStringView dayText);

// Looks the date up and stores a found sign in PsycheSign; a lookup that finds
// none leaves PsycheSign as it was.
Lookup storePsycheSign(QStringView yearText, QStringView monthText, QStringView dayText);

// Reads the entry window's year, month and day lists and stores the sign found
// in PsycheSign (defined beside the entry window, whose lists it reads).
void FindPsycheSign();

// The sign name of the last successful lookup; empty before the first one.
extern QString PsycheSign;

} // namespace modPlanetSign
