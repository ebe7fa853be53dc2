#include "app/results/file_list_block.h"

namespace vorlix::app {
namespace {

void AppendWord(core::ByteSet& bytes, std::uint32_t word) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(word >> shift));
}

}  // namespace

core::ByteSet FileListHeader(bool wide) {
  core::ByteSet header;
  AppendWord(header, kFileListHeaderSize);
  AppendWord(header, 0);  // drop point x
  AppendWord(header, 0);  // drop point y
  AppendWord(header, 0);  // in the non-client area
  AppendWord(header, wide ? 1 : 0);
  return header;
}

void AnsiFileListBuilder::Add(std::string_view path) {
  list_.insert(list_.end(), path.begin(), path.end());
  list_.push_back(0);
}

core::ByteSet AnsiFileListBuilder::Finish() && {
  list_.push_back(0);
  return std::move(list_);
}

core::ByteSet WideFileList(std::span<const std::u16string> paths) {
  core::ByteSet list;
  const auto append = [&](char16_t unit) {
    list.push_back(static_cast<std::uint8_t>(unit));
    list.push_back(static_cast<std::uint8_t>(unit >> 8));
  };
  for (const std::u16string& path : paths) {
    for (char16_t unit : path) append(unit);
    append(0);
  }
  append(0);
  return list;
}

}  // namespace vorlix::app
