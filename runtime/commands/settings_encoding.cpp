#include "runtime/commands/settings_encoding.h"

#include <algorithm>

#include "platform/gbk_codec.h"
#include "platform/utf8_codec.h"

namespace vorlix::commands::settings {
namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> mark) {
  return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

std::u16string Utf16FromBytes(std::span<const std::uint8_t> bytes, bool big_endian) {
  std::u16string out;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    out.push_back(static_cast<char16_t>(big_endian ? (bytes[i] << 8) | bytes[i + 1] : bytes[i] | (bytes[i + 1] << 8)));
  }
  return out;
}

std::string Utf16ToBytes(std::u16string_view text, bool big_endian) {
  std::string out;
  for (char16_t unit : text) {
    char high = static_cast<char>(unit >> 8);
    char low = static_cast<char>(unit & 0xFF);
    out.push_back(big_endian ? high : low);
    out.push_back(big_endian ? low : high);
  }
  return out;
}

}  // namespace

DecodedFile DecodeFile(std::span<const std::uint8_t> bytes) {
  if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) {
    return {FileEncoding::kUtf8, platform::Utf16ToGbk(platform::Utf8ToUtf16(bytes.subspan(3)))};
  }
  if (StartsWith(bytes, {0xFF, 0xFE})) {
    return {FileEncoding::kUtf16LittleEndian, platform::Utf16ToGbk(Utf16FromBytes(bytes.subspan(2), false))};
  }
  if (StartsWith(bytes, {0xFE, 0xFF})) {
    return {FileEncoding::kUtf16BigEndian, platform::Utf16ToGbk(Utf16FromBytes(bytes.subspan(2), true))};
  }
  return {FileEncoding::kGbk, std::string(bytes.begin(), bytes.end())};
}

std::string EncodeFile(std::string_view gbk_text, FileEncoding encoding) {
  switch (encoding) {
    case FileEncoding::kUtf8: return "\xEF\xBB\xBF" + platform::Utf16ToUtf8(platform::GbkToUtf16(gbk_text));
    case FileEncoding::kUtf16LittleEndian: return "\xFF\xFE" + Utf16ToBytes(platform::GbkToUtf16(gbk_text), false);
    case FileEncoding::kUtf16BigEndian: return "\xFE\xFF" + Utf16ToBytes(platform::GbkToUtf16(gbk_text), true);
    case FileEncoding::kGbk: break;
  }
  return std::string(gbk_text);
}

}  // namespace vorlix::commands::settings
