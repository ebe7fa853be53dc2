#include "app/search/names/name_text.h"

#include "runtime/commands/double_byte.h"

namespace vorlix::app {
namespace {

using commands::AsciiLower;
using commands::IsLeadByte;

constexpr bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The position of the last single-byte character equal to `wanted`, or npos.
std::size_t LastCharacter(std::string_view text, char wanted, NameEncoding encoding) {
  if (encoding == NameEncoding::kUtf8) return text.rfind(wanted);
  std::size_t found = std::string_view::npos;
  for (std::size_t at = 0; at < text.size(); at += IsLeadByte(text[at]) ? 2 : 1) {
    if (text[at] == wanted) found = at;
  }
  return found;
}

}  // namespace

void LoweredName::Assign(std::string_view name, NameEncoding encoding) {
  text_.assign(name);
  encoding_ = encoding;
  last_dot_ = std::string_view::npos;
  if (encoding == NameEncoding::kUtf8) {
    // Two plain passes, which the compiler turns into wide ones.
    for (char& byte : text_) byte = AsciiLower(byte);
    last_dot_ = text_.rfind('.');
    return;
  }
  is_trail_.assign(text_.size(), 0);
  for (std::size_t at = 0; at < text_.size(); ++at) {
    if (IsLeadByte(text_[at])) {
      if (at + 1 < text_.size()) is_trail_[++at] = 1;
      continue;
    }
    text_[at] = AsciiLower(text_[at]);
    if (text_[at] == '.') last_dot_ = at;
  }
}

bool LoweredName::StartsCharacter(std::size_t at) const {
  if (encoding_ == NameEncoding::kUtf8) return !IsUtf8Continuation(text_[at]);
  return is_trail_[at] == 0;
}

// A dot at the start leaves an empty text, which no keyword equals.
std::string_view LoweredName::WithoutLastExtension() const {
  if (last_dot_ == std::string_view::npos) return {};
  return std::string_view(text_).substr(0, last_dot_);
}

std::string_view LastComponent(std::string_view path, char separator, NameEncoding encoding) {
  const std::size_t last = LastCharacter(path, separator, encoding);
  return last == std::string_view::npos ? path : path.substr(last + 1);
}

bool EndsWithSeparator(std::string_view path, char separator, NameEncoding encoding) {
  return !path.empty() && LastCharacter(path, separator, encoding) == path.size() - 1;
}

}  // namespace vorlix::app
