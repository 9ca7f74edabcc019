// Fuzzes the reading of a font's GPOS table (which comes from whatever fonts
// are installed) with blocks of any bytes: it is read only inside the block
// (the sanitizers watch the copy) and gives either nothing or one flag for
// every 16-bit glyph number, the same each time.
#include <vector>

#include "dialogs/mark_glyphs.h"
#include "tests/fuzz/require.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> table(data, data + size);
    const std::vector<bool> glyphs = TrailingMarkGlyphs(table.data(), table.size());
    Require(glyphs.empty() || glyphs.size() == 65536, "no flags or one per glyph number");
    Require(TrailingMarkGlyphs(table.data(), table.size()) == glyphs, "the same flags again");
    return 0;
}
