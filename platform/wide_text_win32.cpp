#include "platform/wide_text.h"

#include "platform/gbk_codec.h"

namespace vorlix::platform {

// wchar_t is UTF-16 on Windows, so the two string types share their layout.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Wide(std::string_view gbk) {
  std::u16string utf16 = GbkToUtf16(gbk);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string Narrow(std::wstring_view wide) {
  return Utf16ToGbk(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

}  // namespace vorlix::platform
