#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace vorlix::commands::settings {

enum class LineKind { kBlank, kComment, kSection, kEntry };

// One line of a settings file as the platform's reader understands it.
// Positions are byte offsets into the content.
struct Line {
  std::size_t begin = 0;  // first byte of the line
  std::size_t end = 0;    // one past the last byte before the line break
  std::size_t next = 0;   // first byte after the line break
  LineKind kind = LineKind::kBlank;
  // The section's name or the entry's key, without surrounding blanks.
  std::string_view name;
  // Where the entry's value starts (after '=' and the blanks behind it);
  // none for an entry line without '='.
  std::optional<std::size_t> value_begin;
  // The entry's value, without surrounding blanks and still quoted.
  std::string_view value;
};

// Splits at CR LF, LF or CR. A line whose first non-blank byte is '[' and
// that has a ']' is a section header named by what lies between '[' and
// the last ']'; a line starting with ';' is a comment; every other
// non-blank line is an entry: key=value, split at the first '='.
std::vector<Line> SplitLines(std::string_view content);

}  // namespace vorlix::commands::settings
