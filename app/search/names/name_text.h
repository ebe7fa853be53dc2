#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::app {

// How the bytes of a name form characters. Matching lowers only ASCII
// letters that stand alone as characters and lets a match start only where
// a character starts, so one Chinese character never matches part of
// another.
enum class NameEncoding {
  // The window's texts: a byte of 0x80 or above and the byte after it are
  // one character (a GB18030 four-byte sequence walks as two of them).
  kGbk,
  // Linux file names: every byte outside 0x80-0xBF starts a character, so a
  // name that is not valid UTF-8 still matches byte for byte.
  kUtf8,
};

// A name with its single-byte ASCII capitals made small, remembering where
// its characters start and where its last "." is. Reused from name to name
// without allocating once it has grown.
class LoweredName {
 public:
  void Assign(std::string_view name, NameEncoding encoding);

  std::string_view text() const { return text_; }
  bool StartsCharacter(std::size_t at) const;
  // The bytes before the last "."; empty when there is no "." or the only
  // one is the first byte, so that only the whole name can match.
  std::string_view WithoutLastExtension() const;

 private:
  std::string text_;
  NameEncoding encoding_ = NameEncoding::kUtf8;
  std::vector<std::uint8_t> is_trail_;  // GBK only: 1 on the second byte of a character
  std::size_t last_dot_ = std::string_view::npos;
};

// The text after the last separator that stands alone as a character: the
// whole path when it has none, empty when it ends with one. A GBK trail
// byte can equal the backslash and is not a separator.
std::string_view LastComponent(std::string_view path, char separator, NameEncoding encoding);

// Whether the last character of the path is the separator itself.
bool EndsWithSeparator(std::string_view path, char separator, NameEncoding encoding);

}  // namespace vorlix::app
