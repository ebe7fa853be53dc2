#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorlix::commands::settings {

// A settings file is in the ANSI code page (GBK here) unless it starts with
// a byte-order mark, as the platform's functions read it: a file that an
// editor saved as UTF-8 or UTF-16 stays readable, and is written back in
// its own encoding with its mark.
enum class FileEncoding { kGbk, kUtf8, kUtf16LittleEndian, kUtf16BigEndian };

struct DecodedFile {
  FileEncoding encoding = FileEncoding::kGbk;
  std::string text;  // GBK, characters outside GBK as GB18030 four-byte sequences
};

DecodedFile DecodeFile(std::span<const std::uint8_t> bytes);

// The text in the encoding, with its byte-order mark.
std::string EncodeFile(std::string_view gbk_text, FileEncoding encoding);

}  // namespace vorlix::commands::settings
