#include "app/settings/folder_list_values.h"

#include <optional>

#include "runtime/commands/conversion_commands.h"
#include "runtime/commands/text_split.h"

namespace vorlix::app {
namespace {

// ',' and '"' are below 0x40, so neither is ever the second byte of a GBK
// character nor a byte inside a four-byte GB18030 sequence: byte searches
// find only real commas and quotes.
constexpr char kQuote = '"';
constexpr char kComma = ',';

bool NeedsQuotes(std::string_view row) {
  return row.find(kComma) != std::string_view::npos || (!row.empty() && row.front() == kQuote);
}

void AppendQuoted(core::Text& out, std::string_view row) {
  out += kQuote;
  for (char c : row) {
    if (c == kQuote) out += kQuote;
    out += c;
  }
  out += kQuote;
}

// The quoted row at `pos` and the position after its comma, or none when
// the piece there is not a well-formed quoted row.
std::optional<std::pair<core::Text, std::size_t>> QuotedRowAt(std::string_view saved, std::size_t pos) {
  if (saved[pos] != kQuote) return std::nullopt;
  core::Text row;
  for (std::size_t at = pos + 1; at < saved.size(); ++at) {
    if (saved[at] != kQuote) {
      row += saved[at];
    } else if (at + 1 < saved.size() && saved[at + 1] == kQuote) {
      row += kQuote;
      ++at;
    } else if (at + 1 == saved.size() || saved[at + 1] == kComma) {
      return std::pair{std::move(row), at + 2};
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace

core::Text JoinFolderRows(std::span<const core::Text> rows) {
  core::Text saved;
  for (const core::Text& row : rows) {
    if (NeedsQuotes(row)) {
      AppendQuoted(saved, row);
    } else {
      saved += row;
    }
    saved += kComma;
  }
  return saved;
}

std::vector<core::Text> SplitFolderRows(std::string_view saved) {
  std::vector<core::Text> rows;
  std::size_t pos = 0;
  while (pos < saved.size()) {
    if (auto quoted = QuotedRowAt(saved, pos)) {
      rows.push_back(std::move(quoted->first));
      pos = quoted->second;
      continue;
    }
    std::size_t comma = saved.find(kComma, pos);
    if (comma == std::string_view::npos) comma = saved.size();
    rows.emplace_back(saved.substr(pos, comma - pos));
    pos = comma + 1;
  }
  return rows;
}

core::Text JoinCheckedRows(std::span<const std::int32_t> indices) {
  if (indices.empty()) return "-1";
  core::Text saved;
  for (std::int32_t index : indices) {
    if (!saved.empty()) saved += kComma;
    saved += commands::ToText(core::Value(index));
  }
  return saved;
}

std::vector<std::int32_t> SplitCheckedRows(std::string_view saved) {
  std::vector<std::int32_t> indices;
  if (saved == "-1") return indices;
  for (const core::Text& piece : commands::SplitText(saved, ",")) {
    indices.push_back(commands::ToInteger(core::Value(piece)));
  }
  return indices;
}

}  // namespace vorlix::app
