#include "platform/utf8_codec.h"

namespace vorlix::platform {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

std::size_t SequenceLength(std::uint8_t lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead < 0xE0) return 2;
  if (lead >= 0xE0 && lead < 0xF0) return 3;
  if (lead >= 0xF0 && lead < 0xF5) return 4;
  return 0;
}

// The length of the well-formed sequence at the start, with its code point;
// 0 when there is none.
std::size_t DecodeSequence(std::span<const std::uint8_t> bytes, char32_t& code_point) {
  std::size_t length = SequenceLength(bytes[0]);
  if (length == 0 || length > bytes.size()) return 0;
  code_point = length == 1 ? bytes[0] : bytes[0] & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((bytes[i] & 0xC0) != 0x80) return 0;
    code_point = (code_point << 6) | (bytes[i] & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
  if (code_point < kSmallest[length] || code_point > 0x10FFFF || surrogate) return 0;
  return length;
}

void AppendUtf16(char32_t code_point, std::u16string& out) {
  if (code_point < 0x10000) {
    out.push_back(static_cast<char16_t>(code_point));
    return;
  }
  out.push_back(static_cast<char16_t>(0xD800 + ((code_point - 0x10000) >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + ((code_point - 0x10000) & 0x3FF)));
}

void AppendUtf8(char32_t code_point, std::string& out) {
  if (code_point < 0x80) {
    out.push_back(static_cast<char>(code_point));
    return;
  }
  int continuation = code_point < 0x800 ? 1 : code_point < 0x10000 ? 2 : 3;
  constexpr std::uint8_t kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
  out.push_back(static_cast<char>(kLeadMarks[continuation] | (code_point >> (6 * continuation))));
  for (int i = continuation - 1; i >= 0; --i) out.push_back(static_cast<char>(0x80 | ((code_point >> (6 * i)) & 0x3F)));
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string Utf8ToUtf16(std::span<const std::uint8_t> utf8) {
  std::u16string out;
  while (!utf8.empty()) {
    char32_t code_point = 0;
    std::size_t length = DecodeSequence(utf8, code_point);
    AppendUtf16(length == 0 ? kReplacement : code_point, out);
    utf8 = utf8.subspan(length == 0 ? 1 : length);
  }
  return out;
}

std::size_t WellFormedUtf8Prefix(std::span<const std::uint8_t> utf8) {
  std::size_t prefix = 0;
  char32_t code_point = 0;
  while (prefix < utf8.size()) {
    const std::size_t length = DecodeSequence(utf8.subspan(prefix), code_point);
    if (length == 0) break;
    prefix += length;
  }
  return prefix;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t unit = utf16[i];
    if (IsHighSurrogate(unit) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) {
      AppendUtf8(0x10000 + ((unit - 0xD800) << 10) + (utf16[++i] - 0xDC00), out);
    } else {
      AppendUtf8(IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacement : unit, out);
    }
  }
  return out;
}

}  // namespace vorlix::platform
