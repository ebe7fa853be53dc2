#include "platform/numbered_name.h"

#include <gtest/gtest.h>

namespace vorlix::platform {
namespace {

TEST(NumberedName, puts_the_number_before_a_files_last_extension) {
  const struct {
    std::u16string_view name;
    int number;
    bool is_folder;
    std::u16string_view numbered;
  } cases[] = {
      {u"report.txt", 2, false, u"report (2).txt"},
      {u"archive.tar.gz", 3, false, u"archive.tar (3).gz"},
      {u"README", 2, false, u"README (2)"},
      {u".profile", 2, false, u".profile (2)"},
      {u"v1.2", 12, true, u"v1.2 (12)"},
      {u"照片.jpg", 2, false, u"照片 (2).jpg"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberedName(c.name, c.number, c.is_folder), c.numbered);
  }
}

}  // namespace
}  // namespace vorlix::platform
