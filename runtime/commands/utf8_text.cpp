#include "runtime/commands/utf8_text.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "platform/gbk_codec.h"
#include "platform/utf8_codec.h"

namespace vorlix::commands {

// Plain ASCII, most of a record's or an export's fields, is the same in
// both and needs no trip through UTF-16.
std::string TextInUtf8(std::string_view text) {
  if (std::all_of(text.begin(), text.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; })) {
    return std::string(text);
  }
  return platform::Utf16ToUtf8(platform::GbkToUtf16(text));
}

core::Text TextFromUtf8(std::string_view utf8) {
  const auto bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
  return platform::Utf16ToGbk(platform::Utf8ToUtf16(std::span(bytes, utf8.size())));
}

}  // namespace vorlix::commands
