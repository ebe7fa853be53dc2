#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlix::platform {

// The system's own text codec: GBK as Windows' code page 936 maps it, and
// every character that code page lacks as a GB18030 four-byte sequence, so
// that no file name is lost to "?". Portable, since Wine has no code page
// 54936. Utf16ToGbk then GbkToUtf16 gives back every Unicode scalar value.

// Bytes that form no character become U+FFFD: 0xFF, a lead byte whose next
// byte cannot follow it (that byte is then read again), an unassigned
// four-byte code, and a sequence cut off by the end of the text.
std::u16string GbkToUtf16(std::string_view gbk);
// The same into `out`, which has room for gbk.size() units (no sequence
// gives more): for callers that must not allocate. Returns the units written.
std::size_t GbkToUtf16Into(std::string_view gbk, char16_t* out);

// An unpaired surrogate becomes "?".
std::string Utf16ToGbk(std::u16string_view utf16);

}  // namespace vorlix::platform
