// The build's texts generator (Python's gbk codec) against the system's own
// codec: every text of the table must mean the same in both.
#include <gtest/gtest.h>

#include <iterator>

#include "platform/gbk_codec.h"
#include "texts_utf16.h"

namespace vorlix::texts {
namespace {

TEST(GbkTexts, every_text_decodes_to_the_tables_characters) {
  ASSERT_GT(std::size(kAllTexts), 0u);
  for (const TextWithUtf16& text : kAllTexts) {
    EXPECT_TRUE(platform::GbkToUtf16(text.gbk) == text.utf16) << text.name;
    EXPECT_EQ(platform::Utf16ToGbk(text.utf16), text.gbk) << text.name;
  }
}

}  // namespace
}  // namespace vorlix::texts
