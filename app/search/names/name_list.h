#pragma once

#include <string_view>
#include <vector>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// The name box after a search request has tidied it, and the keywords it
// gives. A line is blank when nothing but ASCII and full-width spaces is on
// it; blank lines go, every other line stays byte for byte and ends with
// CR LF. The keywords are the kept lines, duplicates included.
struct TidiedNames {
  core::Text box_content;
  std::vector<core::Text> keywords;
};

TidiedNames TidyNameList(std::string_view box_content);

// The name box's lines: the pieces between CR LF pairs, without the empty
// remainder after the last one.
std::vector<core::Text> NameBoxLines(std::string_view box_content);

}  // namespace vorlix::app
