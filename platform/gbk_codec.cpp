#include "platform/gbk_codec.h"

#include <cstddef>
#include <cstdint>
#include <iterator>

#include "gbk_tables.h"

namespace vorlix::platform {
namespace {

using gbk_tables::kFourByteToUtf16;
using gbk_tables::kTwoByteToUtf16;
using gbk_tables::kUtf16ToGbk;

constexpr char16_t kReplacement = u'\uFFFD';
constexpr char16_t kEuroSign = u'\u20AC';
// GB18030's linear index of 0x90308130, the four-byte code of U+10000; the
// supplementary planes follow it in order.
constexpr std::uint32_t kSupplementaryStart = 189000;

bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool IsTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }
bool IsFourByteDigit(unsigned char byte) { return byte >= 0x30 && byte <= 0x39; }
bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

template <class Out>
void AppendCodePoint(Out& out, char32_t code_point) {
  if (code_point < 0x10000) {
    out.push_back(static_cast<char16_t>(code_point));
    return;
  }
  code_point -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (code_point >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (code_point & 0x3FF)));
}

char32_t FourByteCodePoint(const unsigned char* bytes) {
  std::uint32_t index =
      (((bytes[0] - 0x81u) * 10 + (bytes[1] - 0x30u)) * 126 + (bytes[2] - 0x81u)) * 10 + (bytes[3] - 0x30u);
  if (index < std::size(kFourByteToUtf16)) return kFourByteToUtf16[index];
  if (index >= kSupplementaryStart && index - kSupplementaryStart <= 0x10FFFF - 0x10000) {
    return 0x10000 + (index - kSupplementaryStart);
  }
  return kReplacement;
}

// Decodes the sequence that starts with a lead byte and returns how many
// bytes it used. A sequence that breaks off mid-text uses only its lead
// byte, so that the bytes after it are read again; one cut off by the end
// of the text is a single U+FFFD.
template <class Out>
std::size_t DecodeMultiByte(const unsigned char* bytes, std::size_t available, Out& out) {
  if (available >= 2 && IsTrailByte(bytes[1])) {
    out.push_back(kTwoByteToUtf16[(bytes[0] - 0x81) * 191 + (bytes[1] - 0x40)]);
    return 2;
  }
  if (available >= 2 && IsFourByteDigit(bytes[1])) {
    bool third_fits = available < 3 || IsLeadByte(bytes[2]);
    bool fourth_fits = available < 4 || IsFourByteDigit(bytes[3]);
    if (third_fits && fourth_fits) {
      if (available < 4) {
        out.push_back(kReplacement);
        return available;
      }
      AppendCodePoint(out, FourByteCodePoint(bytes));
      return 4;
    }
  }
  out.push_back(kReplacement);
  return 1;
}

void AppendGbk(std::string& out, std::uint32_t packed) {
  if (packed >= 0x10000) {
    out.push_back(static_cast<char>(packed >> 24));
    out.push_back(static_cast<char>(packed >> 16));
  }
  if (packed >= 0x100) out.push_back(static_cast<char>(packed >> 8));
  out.push_back(static_cast<char>(packed));
}

void AppendFourByteIndex(std::string& out, std::uint32_t index) {
  out.push_back(static_cast<char>(0x81 + index / 12600));
  out.push_back(static_cast<char>(0x30 + index / 1260 % 10));
  out.push_back(static_cast<char>(0x81 + index / 10 % 126));
  out.push_back(static_cast<char>(0x30 + index % 10));
}

template <class Out>
void DecodeGbk(std::string_view gbk, Out& out) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(gbk.data());
  for (std::size_t i = 0; i < gbk.size();) {
    unsigned char byte = bytes[i];
    if (byte < 0x80) {
      out.push_back(byte);
      ++i;
    } else if (byte == 0x80) {  // cp936's own single-byte euro sign
      out.push_back(kEuroSign);
      ++i;
    } else if (IsLeadByte(byte)) {
      i += DecodeMultiByte(bytes + i, gbk.size() - i, out);
    } else {  // 0xFF
      out.push_back(kReplacement);
      ++i;
    }
  }
}

// A buffer that the caller made big enough.
struct BufferSink {
  char16_t* next;
  void push_back(char16_t unit) { *next++ = unit; }
};

}  // namespace

std::u16string GbkToUtf16(std::string_view gbk) {
  std::u16string out;
  out.reserve(gbk.size());  // no sequence gives more UTF-16 units than it has bytes
  DecodeGbk(gbk, out);
  return out;
}

std::size_t GbkToUtf16Into(std::string_view gbk, char16_t* out) {
  BufferSink sink{out};
  DecodeGbk(gbk, sink);
  return static_cast<std::size_t>(sink.next - out);
}

std::string Utf16ToGbk(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 2);  // enough for Chinese text, the common case
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char16_t unit = utf16[i];
    if (unit < 0x80) {
      out.push_back(static_cast<char>(unit));
    } else if (IsHighSurrogate(unit) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) {
      std::uint32_t offset = ((unit - 0xD800u) << 10) + (utf16[i + 1] - 0xDC00u);
      AppendFourByteIndex(out, kSupplementaryStart + offset);
      ++i;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      out.push_back('?');
    } else {
      AppendGbk(out, kUtf16ToGbk[unit]);
    }
  }
  return out;
}

}  // namespace vorlix::platform
