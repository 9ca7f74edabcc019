// Fuzzes the check of the stored "DevMode" value with blocks of any bytes and
// size. The check accepts exactly the whole device modes: at least the fixed
// fields, dmSize at least up to dmFields, dmSize + dmDriverExtra inside the
// block, and a device name of 1 to 31 units whose zero unit lies inside the
// block. The name of an accepted block is read up to its zero as the printing
// code reads it, and a longer block with the same bytes is accepted as well.
#include <string>
#include <vector>

#include "output/print_setup_data.h"
#include "tests/fuzz/require.h"

namespace {

unsigned Word(const std::vector<uint8_t>& block, size_t offset) { return block[offset] | (block[offset + 1] << 8); }

// The name's length when the block is whole, else -1, read straight from the
// record's layout.
int ExpectedNameLength(const std::vector<uint8_t>& block) {
    if (block.size() < kDevModeFieldsEnd) return -1;
    const size_t recordSize = Word(block, kDevModeSizeOffset);
    if (recordSize < kDevModeFieldsEnd || recordSize + Word(block, kDevModeDriverExtraOffset) > block.size()) return -1;
    for (size_t unit = 0; unit < kDevModeNameUnits; ++unit) {
        if (Word(block, 2 * unit) == 0) return unit == 0 ? -1 : static_cast<int>(unit);
    }
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The block alone, so that the sanitizer sees any read beyond it.
    std::vector<uint8_t> block(data, data + size);
    const int length = DevModeNameLength(block.data(), block.size());
    Require(length == ExpectedNameLength(block), "exactly the whole device modes are accepted");
    if (length < 0) return 0;
    Require(length >= 1 && length < static_cast<int>(kDevModeNameUnits), "a name of 1 to 31 units");
    std::u16string name;
    for (size_t unit = 0; Word(block, 2 * unit) != 0; ++unit) {
        name.push_back(static_cast<char16_t>(Word(block, 2 * unit)));
    }
    Require(name.size() == static_cast<size_t>(length), "the name ends at its length");
    block.push_back(0xFF);
    Require(DevModeNameLength(block.data(), block.size()) == length, "more bytes after a whole device mode do no harm");
    return 0;
}
