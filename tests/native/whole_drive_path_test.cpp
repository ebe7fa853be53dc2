#include "platform/whole_drive_path.h"

#include <gtest/gtest.h>

#include "tests/native/whole_drive_path_cases.h"

namespace vorlix::platform {
namespace {

std::string Printable(std::u16string_view path) {
  std::string printable;
  for (char16_t c : path) printable += c < 0x80 ? static_cast<char>(c) : '?';
  return "\"" + printable + "\"";
}

TEST(WholeDrivePath, a_path_is_whole_when_it_resolves_to_a_drive_or_share_root) {
  for (const test::WholeDriveCase& c : test::kWholeDriveCases) {
    EXPECT_EQ(IsWholeDrivePath(c.path), c.whole) << Printable(c.path);
  }
}

}  // namespace
}  // namespace vorlix::platform
