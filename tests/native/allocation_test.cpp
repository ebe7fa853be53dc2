#include "runtime/core/values/allocation.h"

#include <gtest/gtest.h>

#include "native/fatal_error_capture.h"

namespace vorlix::core {
namespace {

TEST(AllocationFailure, ends_with_the_memory_error_naming_the_bytes_asked_for) {
  const auto raised = test::FatalErrorOf([] {
    AllocateOrFail(12345, []() -> int { throw std::bad_alloc(); });
  });
  ASSERT_TRUE(raised);
  // "分配 12345 字节内存失败!"
  EXPECT_EQ(raised->text, "\xB7\xD6\xC5\xE4 12345 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!");
  EXPECT_EQ(raised->code, 0);
}

TEST(AllocationFailure, a_count_beyond_the_int_range_is_named_in_full) {
  const auto raised = test::FatalErrorOf([] {
    AllocateOrFail(5'000'000'000u, []() -> int { throw std::length_error("too long"); });
  });
  ASSERT_TRUE(raised);
  EXPECT_NE(raised->text.find(" 5000000000 "), std::string::npos) << raised->text;
}

}  // namespace
}  // namespace vorlix::core
