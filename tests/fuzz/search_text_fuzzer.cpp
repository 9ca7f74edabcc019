// Fuzzes the Search dialog's round trip of a stored "SearchString": any bytes
// up to their first zero (at most 33, as the settings keep them) are shown as
// the edit shows them with a Unicode and with an 8-bit font, and the shown
// text is stored again. The stored search must be no longer than the stored
// value was, and search for the same: the same search classes in the same
// order, once the bytes the search skips are left out and runs of spaces
// count as one.
#include <string>
#include <vector>

#include "dialogs/hebrew_typing.h"
#include "dialogs/search_match.h"
#include "tests/fuzz/require.h"

namespace {

constexpr size_t kStoredMax = 33;

// What a search text searches for.
std::vector<uint8_t> Classes(const std::string& stored) {
    std::vector<uint8_t> classes;
    for (const char byte : stored) {
        const uint8_t value = SearchClass(static_cast<uint8_t>(byte));
        if (value == 0 || (value == ' ' && !classes.empty() && classes.back() == ' ')) continue;
        classes.push_back(value);
    }
    return classes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string stored;
    for (size_t i = 0; i < size && i < kStoredMax && data[i] != 0; ++i) stored.push_back(static_cast<char>(data[i]));
    for (const int base : {kUnicodeAsciiBase, kEightBitAsciiBase}) {
        const DisplayFont font{base, false};
        const std::u16string shown = SearchTextForEdit(stored.data(), stored.size(), font);
        // An 8-bit font has no points: a search of points alone shows as nothing.
        if (base == kUnicodeAsciiBase) Require(stored.empty() == shown.empty(), "a stored search shows as text");
        const std::string back = SearchTextFromEdit(shown.data(), shown.size(), font, kStoredMax);
        Require(back.size() <= stored.size(), "storing the shown text makes it no longer");
        // The 8-bit table maps a code to an 8-bit letter that a Unicode edit
        // would hold as a Latin letter: only the Unicode font's text goes back
        // to the same letters.
        if (base == kUnicodeAsciiBase) Require(Classes(back) == Classes(stored), "the same search comes back");
    }
    return 0;
}
