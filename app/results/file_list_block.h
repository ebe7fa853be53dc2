#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// The clipboard's file list (CF_HDROP) is this 20-byte header (DROPFILES:
// the list's offset 20, drop point 0, 0, not in the non-client area, and
// whether the paths are UTF-16) followed by the list.
inline constexpr std::size_t kFileListHeaderSize = 20;
core::ByteSet FileListHeader(bool wide);

// Each path in order followed by a zero character, then one more zero
// character: bytes of the ANSI code page, or UTF-16 little-endian. The
// ANSI list is built a path at a time, so that a long one is not held twice.
core::ByteSet WideFileList(std::span<const std::u16string> paths);
class AnsiFileListBuilder {
 public:
  // Room for so many bytes is made at once: a long list grown by doubling
  // would be held twice over for a moment.
  explicit AnsiFileListBuilder(std::size_t bytes_expected) { list_.reserve(bytes_expected); }
  void Add(std::string_view path);
  core::ByteSet Finish() &&;

 private:
  core::ByteSet list_;
};

}  // namespace vorlix::app
