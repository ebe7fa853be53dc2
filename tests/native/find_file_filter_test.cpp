#include "runtime/commands/find_file_filter.h"

#include <gtest/gtest.h>

namespace vorlix::commands {
namespace {

constexpr std::uint32_t kReadOnly = 0x01, kHidden = 0x02, kSystem = 0x04, kDirectory = 0x10, kArchive = 0x20;
constexpr std::uint32_t kNormal = 0x80;

TEST(FindFileFilter, without_filter_everything_but_folders_passes) {
  EXPECT_TRUE(FindFilePasses(kArchive, std::nullopt));
  EXPECT_TRUE(FindFilePasses(kHidden | kSystem, std::nullopt));
  EXPECT_TRUE(FindFilePasses(0, std::nullopt));
  EXPECT_FALSE(FindFilePasses(kDirectory, std::nullopt));
  EXPECT_FALSE(FindFilePasses(kDirectory | kHidden, std::nullopt));
}

TEST(FindFileFilter, the_folder_filter_passes_hidden_and_system_folders_too) {
  EXPECT_TRUE(FindFilePasses(kDirectory | kHidden | kSystem, 0x10));
  EXPECT_FALSE(FindFilePasses(kArchive, 0x10));
}

TEST(FindFileFilter, any_one_bit_of_the_mask_is_enough) {
  EXPECT_TRUE(FindFilePasses(kReadOnly | kArchive, kHidden | kReadOnly));
  EXPECT_FALSE(FindFilePasses(kArchive, kHidden | kReadOnly));
}

TEST(FindFileFilter, filter_zero_passes_only_an_attribute_word_of_exactly_zero) {
  EXPECT_TRUE(FindFilePasses(0, 0));
  EXPECT_FALSE(FindFilePasses(kNormal, 0));
  EXPECT_FALSE(FindFilePasses(kArchive, 0));
}

TEST(FindFileFilter, bits_outside_the_five_attributes_are_dropped_from_the_filter) {
  // 0x80 alone leaves an empty mask, which then means "attribute word 0".
  EXPECT_FALSE(FindFilePasses(kNormal, 0x80));
  EXPECT_TRUE(FindFilePasses(0, 0x80));
  EXPECT_TRUE(FindFilePasses(kDirectory, 0x10 | 0x400));
  EXPECT_TRUE(FindFilePasses(kArchive, -1));
}

}  // namespace
}  // namespace vorlix::commands
