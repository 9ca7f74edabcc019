#include <gtest/gtest.h>
#include <filesystem>
TEST(Library, GeneratedFolderExists) { EXPECT_TRUE(std::filesystem::exists(VELMORA_GENERATED_DIR "/library.rc")); }
