#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/search/names/name_text.h"

namespace vorlix::app {

// The keywords of a names file (UTF-8, one name a line): a CR before a LF
// is dropped, and so is a UTF-8 byte-order mark at the start; a line that
// holds nothing but ASCII spaces and full-width spaces (U+3000) is no
// keyword, as the name box drops it; every other line is a keyword byte for
// byte, duplicates included. For GBK the keywords are converted, characters
// GBK lacks becoming GB18030 four-byte sequences as file names do.
std::vector<std::string> KeywordsOfNamesFile(std::string_view utf8, NameEncoding encoding);

// The number (from 1) of the first line of a names file that is not UTF-8
// text: it holds a byte that starts no well-formed UTF-8 sequence, or a NUL,
// which no name holds (a UTF-16 file, a binary file); 0 when every line is
// text.
std::size_t FirstLineNotUtf8(std::string_view names_file);

}  // namespace vorlix::app
