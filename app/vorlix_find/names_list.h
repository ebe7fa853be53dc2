#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/search/name_text.h"

namespace vorlix::app {

// The keywords of a names file (UTF-8, one name a line): a CR before a LF
// is dropped, and so is a UTF-8 byte-order mark at the start; a line that
// holds nothing but ASCII spaces and full-width spaces (U+3000) is no
// keyword, as the name box drops it; every other line is a keyword byte for
// byte, duplicates included. For GBK the keywords are converted, characters
// GBK lacks becoming GB18030 four-byte sequences as file names do.
std::vector<std::string> KeywordsOfNamesFile(std::string_view utf8, NameEncoding encoding);

}  // namespace vorlix::app
