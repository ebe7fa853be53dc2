#include "app/results/file_list_block.h"

#include <gtest/gtest.h>

namespace vorlix::app {
namespace {

core::ByteSet Bytes(std::string_view text) { return core::ByteSet(text.begin(), text.end()); }

core::ByteSet AnsiFileList(std::initializer_list<std::string_view> paths) {
  AnsiFileListBuilder list(0);
  for (std::string_view path : paths) list.Add(path);
  return std::move(list).Finish();
}

TEST(FileListBlock, header_gives_the_lists_offset_and_whether_it_is_wide) {
  const core::ByteSet ansi = Bytes(std::string_view("\x14\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 20));
  const core::ByteSet wide = Bytes(std::string_view("\x14\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x01\0\0\0", 20));
  EXPECT_EQ(FileListHeader(false), ansi);
  EXPECT_EQ(FileListHeader(true), wide);
}

TEST(FileListBlock, each_path_ends_in_a_zero_and_the_list_in_another) {
  EXPECT_EQ(AnsiFileList({"C:\\a.txt"}), Bytes(std::string_view("C:\\a.txt\0\0", 10)));
  EXPECT_EQ(AnsiFileList({"C:\\\xD6\xD0", "C:\\\xD6\xD0"}), Bytes(std::string_view("C:\\\xD6\xD0\0C:\\\xD6\xD0\0\0", 13)));
  const std::u16string wide[] = {u"C:\\中", u"D"};
  EXPECT_EQ(WideFileList(wide), Bytes(std::string_view("C\0:\0\\\0\x2D\x4E\0\0D\0\0\0\0\0", 16)));
}

}  // namespace
}  // namespace vorlix::app
