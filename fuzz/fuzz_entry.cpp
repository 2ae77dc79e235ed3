// SPDX-License-Identifier: MIT
// The entry window's rules on any input: the name's key rule, the check of a
// request, and the lookup of the date it lets through.
#include "FuzzText.h"

#include "core/BirthData.h"
#include "core/Psyche.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const char32_t code = data.ConsumeIntegral<char32_t>();
    const bool letter = (code >= U'A' && code <= U'Z') || (code >= U'a' && code <= U'z');
    if (const std::optional<char32_t> passed = BirthData::filterNameCharacter(code))
        // Only capitals, Backspace, Enter and the blank reach the text.
        FUZZ_CHECK((*passed >= U'A' && *passed <= U'Z') || *passed == 8 || *passed == 13 ||
                   *passed == U' ');
    else
        FUZZ_CHECK(!letter);

    const QString name = consumeText(data, 256);
    const int year = data.ConsumeIntegral<int>();
    const int month = data.ConsumeIntegral<int>();
    const int day = data.ConsumeIntegral<int>();
    const BirthData::Problem problem = BirthData::check(name, year, month, day);
    FUZZ_CHECK((problem == BirthData::Problem::NameMissing) == name.isEmpty());
    FUZZ_CHECK(BirthData::message(problem).isEmpty() == (problem == BirthData::Problem::None));
    // Any date in the table's years and months has a sign, whatever the day.
    const bool inTable =
        year >= Psyche::FirstYear && year <= Psyche::LastYear && month >= 1 && month <= 12;
    FUZZ_CHECK(Psyche::signOn(year, month, day).has_value() == inTable);
    return 0;
}
