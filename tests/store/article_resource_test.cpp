// Loading the article blocks that are linked into this test program, as the
// reader loads them from its own resources.
#include "store/article_resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <set>
#include <thread>

#include "app/program.h"
#include "store/article_text.h"

namespace {

// The header of a block as stored, read without the code under test: the
// text length U (big-endian at offset 8), or -1 when the resource is missing.
int StoredTextLength(int resourceId) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10));
    if (resource == nullptr || SizeofResource(module, resource) < kBlockHeaderSize) return -1;
    const auto* block = static_cast<const uint8_t*>(LockResource(LoadResource(module, resource)));
    return (block[8] << 8) | block[9];
}

// Watches, on a thread of its own, for a message box of this process: one
// that appears is counted and closed, so that a load that shows one returns
// instead of waiting for a click.
class MessageBoxWatch {
public:
    MessageBoxWatch() : thread_([this] { Run(); }) {}
    ~MessageBoxWatch() {
        stop_ = true;
        thread_.join();
    }
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    // Message boxes seen so far, each counted once.
    int Seen() {
        std::lock_guard<std::mutex> lock(mutex_);
        return static_cast<int>(seen_.size());
    }

private:
    void Run() {
        while (!stop_) {
            EnumWindows(CloseOwnDialog, reinterpret_cast<LPARAM>(this));
            Sleep(5);
        }
    }

    static BOOL CALLBACK CloseOwnDialog(HWND window, LPARAM self) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (process == GetCurrentProcessId() && lstrcmpW(name, L"#32770") == 0) {
            auto* watch = reinterpret_cast<MessageBoxWatch*>(self);
            std::lock_guard<std::mutex> lock(watch->mutex_);
            if (watch->seen_.insert(window).second) PostMessageW(window, WM_COMMAND, IDOK, 0);
        }
        return TRUE;
    }

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::set<HWND> seen_;
    std::thread thread_;
};

}  // namespace

class ArticleResource : public ::testing::Test {
protected:
    void SetUp() override {
        program = ProgramState{};
        program.instance = GetModuleHandleW(nullptr);
    }
    void TearDown() override { program = ProgramState{}; }
};

// Each decoded text is U bytes, a zero after them and one spare byte; an
// article opens with its section heading followed by its title.
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
        if (article == kIndexArticleNumber) {
            // The first row is the first group heading: identifier 0xBFFE, shown.
            EXPECT_EQ(text[0], 0xFE);
            EXPECT_EQ(text[1], 0xBF);
            EXPECT_EQ(text[2], 0x8C);
            continue;
        }
        ASSERT_EQ(text[0], kAttrSectionHeading);
        const size_t headingEnd = std::find(text.begin() + 2, text.end(), 0) - text.begin();
        ASSERT_LT(headingEnd + 1, text.size());
        EXPECT_GT(headingEnd, 2u) << "empty heading";
        EXPECT_EQ(text[headingEnd + 1], kAttrTitle);
    }
}

// The identifier is 1000 + number taken as a 16-bit value.
TEST_F(ArticleResource, NumberWrapsAt16Bits) {
    const ArticleText first = LoadArticleResource(1, nullptr);
    const ArticleText index = LoadArticleResource(kIndexArticleNumber, nullptr);
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(index.empty());
    int error = -1;
    EXPECT_TRUE(LoadArticleResource(1 + 65536, &error) == first);
    EXPECT_EQ(error, kUnCompressOk);
    EXPECT_TRUE(LoadArticleResource(kIndexArticleNumber + 65536, nullptr) == index);
}

TEST_F(ArticleResource, NumbersBelowOneGiveNothingAndNoErrorCode) {
    for (const int number : {0, -5, -1000}) {
        SCOPED_TRACE(number);
        int error = 12345;
        EXPECT_TRUE(LoadArticleResource(number, &error).empty());
        EXPECT_EQ(error, 12345);
    }
}

// 64650 names identifier 114, which is a bitmap and no article block.
TEST_F(ArticleResource, MissingArticleGivesErrorOneWithoutAMessage) {
    MessageBoxWatch watch;
    MessageBoxW(nullptr, L"The watch sees this one", nullptr, MB_OK);
    ASSERT_EQ(watch.Seen(), 1);
    for (const int number : {kArticleCount + 1, 999, 31766, 64650}) {
        SCOPED_TRACE(number);
        int error = -1;
        EXPECT_TRUE(LoadArticleResource(number, &error).empty());
        EXPECT_EQ(error, kNoSuchResource);
        EXPECT_TRUE(LoadArticleResource(number, nullptr).empty());
    }
    EXPECT_EQ(watch.Seen(), 1) << "a message box was shown";
}
