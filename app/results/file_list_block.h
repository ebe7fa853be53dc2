#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "runtime/core/values/value.h"

namespace vorlix::app {

using ByteSpan = std::span<const std::uint8_t>;

// The bytes of each part one after the other; empty parts add nothing.
core::ByteSet ConcatByteSets(std::span<const ByteSpan> parts);

// The clipboard's file list (CF_HDROP) is this 20-byte header (DROPFILES:
// the list's offset 20, drop point 0, 0, not in the non-client area, and
// whether the paths are UTF-16) followed by the list.
inline constexpr std::size_t kFileListHeaderSize = 20;
core::ByteSet FileListHeader(bool wide);

// Each path in order followed by a zero character, then one more zero
// character: bytes of the ANSI code page, or UTF-16 little-endian.
core::ByteSet AnsiFileList(std::span<const std::string> paths);
core::ByteSet WideFileList(std::span<const std::u16string> paths);

}  // namespace vorlix::app
