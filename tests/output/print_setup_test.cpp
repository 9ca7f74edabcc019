// The registry reader that hands the stored device mode to the page set-up
// dialog: a movable block of exactly the stored bytes, or the fallback.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "output/printing.h"
#include "tests/support/scratch_registry.h"

class PrintSetup : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ClearProgramKeys()); }
    void TearDown() override { ASSERT_TRUE(ClearProgramKeys()); }
};

TEST_F(PrintSetup, GlobalBlockHoldsTheStoredBytesInMovableMemory) {
    std::vector<BYTE> stored(300);
    for (size_t i = 0; i < stored.size(); ++i) stored[i] = static_cast<BYTE>(i * 7);
    WriteBinary(L"DevMode", stored);
    HGLOBAL block = RegReadGlobalBlock(u"DevMode", nullptr);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), stored.size());
    void* data = GlobalLock(block);
    ASSERT_NE(data, nullptr);
    // A fixed block's handle is its address; a movable one's is not.
    EXPECT_NE(data, static_cast<void*>(block));
    EXPECT_EQ(std::memcmp(data, stored.data(), stored.size()), 0);
    GlobalUnlock(block);
    GlobalFree(block);
}

TEST_F(PrintSetup, GlobalBlockFallsBackWhenNothingUsableIsStored) {
    HGLOBAL fallback = GlobalAlloc(GMEM_MOVEABLE, 16);
    const struct {
        const char* what;
        size_t size;  // bytes to store, or none
        bool store;
    } cases[] = {{"missing", 0, false}, {"empty", 0, true}, {"larger than any device mode", 0x20001, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ClearProgramKeys();
        if (c.store) WriteBinary(L"DevMode", std::vector<BYTE>(c.size, 0x41));
        EXPECT_EQ(RegReadGlobalBlock(u"DevMode", fallback), fallback);
    }
    GlobalFree(fallback);
}
