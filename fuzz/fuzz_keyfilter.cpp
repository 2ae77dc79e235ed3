// The key filters: what typing a character into the name box does, what an
// e-mail box accepts, and the entry window's check of a request.
#include "FuzzText.h"

#include "entry/BirthData.h"
#include "promotion/modTellAFriend.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);

    const char32_t code = data.ConsumeIntegral<char32_t>();
    if (const std::optional<char32_t> passed = BirthData::filterNameCharacter(code)) {
        // Only capitals, backspace, Enter and the blank reach the text.
        FUZZ_CHECK((*passed >= U'A' && *passed <= U'Z') || *passed == 8 || *passed == 13 ||
                   *passed == U' ');
        FUZZ_CHECK(*passed == code || (code >= U'a' && code <= U'z' && *passed == code - 32));
    } else {
        FUZZ_CHECK(!(code >= U'A' && code <= U'Z') && !(code >= U'a' && code <= U'z'));
    }

    const QString typed = consumeText(data, 1024);
    const QString accepted = modTellAFriend::acceptedInEmail(typed);
    FUZZ_CHECK(modTellAFriend::refusedInEmail(typed) == typed.contains(u' '));
    FUZZ_CHECK(!modTellAFriend::refusedInEmail(accepted));
    FUZZ_CHECK(accepted.size() == typed.size() - typed.count(u' '));
    FUZZ_CHECK(modTellAFriend::acceptedInEmail(accepted) == accepted);

    const QString name = consumeText(data, 1024);
    const int day = data.ConsumeIntegral<int>();
    const int month = data.ConsumeIntegral<int>();
    const int year = data.ConsumeIntegral<int>();
    const BirthData::Check check = BirthData::check(name, day, month, year);
    FUZZ_CHECK((check == BirthData::Check::NameMissing) == name.isEmpty());
    FUZZ_CHECK(BirthData::message(check).isEmpty() == (check == BirthData::Check::Ok));
    return 0;
}
