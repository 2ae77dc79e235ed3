#pragma once

#include <QString>

// The paragraph for a sign name ("Aries" ... "Pisces", exactly as written);
// the empty text for anything else.
QString DescribeSign(const QString& signName);
