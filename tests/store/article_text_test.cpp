#include "store/article_text.h"
#include <gtest/gtest.h>
TEST(ArticleText, Placeholder) { EXPECT_EQ(GlyphForCode(0x61, kUnicodeAsciiBase).first, 0x05D0); }
