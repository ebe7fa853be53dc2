#include "runtime/commands/utf8_text.h"

#include <cstdint>
#include <span>

#include "platform/gbk_codec.h"
#include "platform/utf8_codec.h"

namespace vorlix::commands {

std::string TextInUtf8(std::string_view text) { return platform::Utf16ToUtf8(platform::GbkToUtf16(text)); }

core::Text TextFromUtf8(std::string_view utf8) {
  const auto bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
  return platform::Utf16ToGbk(platform::Utf8ToUtf16(std::span(bytes, utf8.size())));
}

}  // namespace vorlix::commands
