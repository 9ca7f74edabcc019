// Loading the article blocks that are linked into this test program, as the
// reader loads them from its own resources.
#include "store/article_resource.h"

#include <gtest/gtest.h>

#include "app/program.h"

namespace {

// The text length U of a block as stored (big-endian at offset 8), read
// without the code under test, or -1 when the resource is missing.
int StoredTextLength(int resourceId) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10));
    if (resource == nullptr || SizeofResource(module, resource) < kBlockHeaderSize) return -1;
    const auto* block = static_cast<const uint8_t*>(LockResource(LoadResource(module, resource)));
    return (block[8] << 8) | block[9];
}

// Counts the windows that this thread tries to make while the hook is set, and
// refuses them, so that a message box returns at once instead of waiting.
int windowsRefused = 0;

LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HCBT_CREATEWND) return CallNextHookEx(nullptr, code, wParam, lParam);
    ++windowsRefused;
    return 1;
}

}  // namespace

class ArticleResource : public ::testing::Test {
protected:
    void SetUp() override {
        program = ProgramState{};
        program.instance = GetModuleHandleW(nullptr);
    }
    void TearDown() override { program = ProgramState{}; }
};

// Each decoded text is U bytes, a zero after them and one spare byte.
TEST_F(ArticleResource, EveryArticleAndTheIndexDecode) {
    for (int number = 1; number <= kArticleCount + 1; ++number) {
        const int article = number <= kArticleCount ? number : kIndexArticleNumber;
        SCOPED_TRACE(article);
        const int length = StoredTextLength(kArticleResourceBase + article);
        ASSERT_GT(length, 0) << "block missing from the resources";
        int error = -1;
        const ArticleText text = LoadArticleResource(article, &error);
        EXPECT_EQ(error, kUnCompressOk);
        ASSERT_EQ(text.size(), static_cast<size_t>(length) + 2);
        EXPECT_EQ(text[length], 0);
        EXPECT_EQ(text[length + 1], 0);
    }
}

// The identifier is 1000 + number taken as a 16-bit value.
TEST_F(ArticleResource, NumberWrapsAt16Bits) {
    for (const int number : {1, kIndexArticleNumber}) {
        SCOPED_TRACE(number);
        const ArticleText text = LoadArticleResource(number, nullptr);
        ASSERT_FALSE(text.empty());
        int error = -1;
        EXPECT_TRUE(LoadArticleResource(number + 65536, &error) == text);
        EXPECT_EQ(error, kUnCompressOk);
    }
}

// 64650 names identifier 114, which is a bitmap and no article block.
TEST_F(ArticleResource, MissingOrNonPositiveArticlesGiveNothingAndNoMessage) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    MessageBoxW(nullptr, L"The hook sees this one", nullptr, MB_OK);
    EXPECT_GT(windowsRefused, 0) << "the hook misses message boxes";
    windowsRefused = 0;
    for (const int number : {0, -5, -1000}) {
        SCOPED_TRACE(number);
        int error = 12345;
        EXPECT_TRUE(LoadArticleResource(number, &error).empty());
        EXPECT_EQ(error, 12345);
    }
    for (const int number : {kArticleCount + 1, 999, 31765, 64650}) {
        SCOPED_TRACE(number);
        int error = -1;
        EXPECT_TRUE(LoadArticleResource(number, &error).empty());
        EXPECT_EQ(error, kNoSuchResource);
        EXPECT_TRUE(LoadArticleResource(number, nullptr).empty());
    }
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(windowsRefused, 0) << "a message box was shown";
}
