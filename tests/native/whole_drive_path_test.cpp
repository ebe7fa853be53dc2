#include "platform/whole_drive_path.h"

#include <gtest/gtest.h>

namespace vorlix::platform {
namespace {

TEST(WholeDrivePath, drives_drive_roots_and_share_roots_are_whole) {
  const std::u16string_view whole[] = {
      u"D:", u"d:", u"D:\\", u"D:/", u"D:\\\\", u"", u"\\", u"/",
      u"\\\\server", u"\\\\server\\share", u"\\\\server\\share\\", u"//server/share/", u"\\\\server\\\\share",
      u"\\\\?\\D:\\", u"\\\\.\\D:", u"\\\\?\\UNC\\server\\share\\", u"\\\\?\\unc\\server",
      u"\\\\?\\Volume{1b3b1146-4076-11e1-84aa-806e6f6e6963}\\", u"\\\\?\\", u"\\\\照片服务器\\共享",
  };
  for (std::u16string_view path : whole) {
    EXPECT_TRUE(IsWholeDrivePath(path)) << std::string(path.begin(), path.end());
  }
}

TEST(WholeDrivePath, anything_on_a_drive_or_share_is_not) {
  const std::u16string_view inside[] = {
      u"D:\\d", u"D:\\photos\\", u"D:d", u"C:\\Users\\me\\照片", u"\\Windows", u"relative\\x.txt", u"D",
      u"DD:", u"1:", u"\\\\server\\share\\folder", u"//server/share/a.txt", u"\\\\?\\D:\\x",
      u"\\\\.\\D:\\x", u"\\\\?\\UNC\\server\\share\\x", u"\\\\?\\Volume{1b3b1146}\\x",
  };
  for (std::u16string_view path : inside) {
    EXPECT_FALSE(IsWholeDrivePath(path)) << std::string(path.begin(), path.end());
  }
}

}  // namespace
}  // namespace vorlix::platform
