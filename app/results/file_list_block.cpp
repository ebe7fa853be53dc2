#include "app/results/file_list_block.h"

namespace vorlix::app {
namespace {

void AppendWord(core::ByteSet& bytes, std::uint32_t word) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(word >> shift));
}

ByteSpan BytesOf(const std::string& text) { return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}; }

}  // namespace

core::ByteSet ConcatByteSets(std::span<const ByteSpan> parts) {
  std::size_t size = 0;
  for (ByteSpan part : parts) size += part.size();
  core::ByteSet joined;
  joined.reserve(size);
  for (ByteSpan part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

core::ByteSet FileListHeader(bool wide) {
  core::ByteSet header;
  AppendWord(header, kFileListHeaderSize);
  AppendWord(header, 0);  // drop point x
  AppendWord(header, 0);  // drop point y
  AppendWord(header, 0);  // in the non-client area
  AppendWord(header, wide ? 1 : 0);
  return header;
}

core::ByteSet AnsiFileList(std::span<const std::string> paths) {
  static constexpr std::uint8_t kZero[] = {0};
  std::vector<ByteSpan> parts;
  parts.reserve(2 * paths.size() + 1);
  for (const std::string& path : paths) {
    parts.push_back(BytesOf(path));
    parts.push_back(kZero);
  }
  parts.push_back(kZero);
  return ConcatByteSets(parts);
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
