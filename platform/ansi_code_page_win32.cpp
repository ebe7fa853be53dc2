#include "platform/ansi_code_page.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace vorlix::platform {

std::optional<std::string> InAnsiCodePage(std::string_view gbk) {
  if (gbk.empty()) return std::string();
  const std::wstring wide = Wide(gbk);
  // UTF-8 as the ANSI code page holds every character; it takes neither the
  // flag nor the default-character question.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL defaulted = FALSE;
  BOOL* asked = utf8 ? nullptr : &defaulted;
  const int size = WideCharToMultiByte(CP_ACP, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                       nullptr, asked);
  if (size == 0 || defaulted) return std::nullopt;
  std::string ansi(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, flags, wide.data(), static_cast<int>(wide.size()), ansi.data(), size, nullptr, asked);
  if (defaulted) return std::nullopt;
  return ansi;
}

}  // namespace vorlix::platform
