// The export of every article of the built library: the text fits the buffer
// its size formula gives in each mode, comes out in reading order, and holds
// none of the characters whose Rich Text escaping goes beyond the plain bytes.
#include <gtest/gtest.h>

#include <string>

#include "output/export_text.h"
#include "settings/settings.h"
#include "tests/tools/library_reference.h"

namespace {

Bytes ArticleFor(int number) {
    int error = 0;
    const std::string path = VELMORA_GENERATED_DIR "/article_" + std::to_string(kArticleResourceBase + number) + ".bin";
    return DecodeBlock(ReadFileBytes(path), &error);
}

// The export text's lines, each record's characters in the order given.
std::u16string ExpectedLines(const Bytes& text) {
    size_t end = 0;
    std::u16string lines;
    for (const Record& record : SplitRecords(text, &end)) {
        for (const char32_t c : ReadingText(record.text)) lines += static_cast<char16_t>(c);
        lines += (record.attr & kAttrParagraphGap) ? u"\r\n\r\n" : u"\r\n";
    }
    return lines;
}

}  // namespace

TEST(LibraryExport, EveryArticleFitsAndReadsInOrder) {
    for (int number = 1; number <= kArticleCount; ++number) {
        SCOPED_TRACE(number);
        const ArticleText text = ArticleFor(number);
        ASSERT_FALSE(text.empty());
        const size_t bytes = ExportTextSize(text) * 2 + 2;
        for (const uint32_t flags : {kDefaultFlags, kDefaultFlags | kFlagReverse}) {
            for (const int fontAsciiBase : {kUnicodeAsciiBase, kEightBitAsciiBase}) {
                std::u16string buffer(bytes / 2, u'?');
                EXPECT_EQ(BuildExportText(text, buffer.data(), bytes, DisplayFont{fontAsciiBase, IsReverseOn(flags)}), 0);
            }
        }
        std::u16string exported(bytes / 2, u'?');
        BuildExportText(text, exported.data(), bytes, DisplayFont{kUnicodeAsciiBase, false});
        exported.resize(exported.find(u'\0'));
        EXPECT_EQ(exported, ExpectedLines(text));
        EXPECT_EQ(exported.find_first_of(u"\\{}0123456789"), std::u16string::npos);
    }
}
