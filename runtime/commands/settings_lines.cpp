#include "runtime/commands/settings_lines.h"

#include "runtime/commands/settings_names.h"
#include "runtime/core/values/gbk_chars.h"

namespace vorlix::commands::settings {
namespace {

// The position of the last ']' that starts a character, or npos.
std::size_t LastClosingBracket(std::string_view text) {
  std::size_t found = std::string_view::npos;
  for (std::size_t pos = 0; pos < text.size(); pos += core::GbkCharLengthAt(text, pos)) {
    if (text[pos] == ']') found = pos;
  }
  return found;
}

void ClassifySection(std::string_view trimmed, Line& line) {
  std::size_t close = LastClosingBracket(trimmed);
  if (close == std::string_view::npos) return;
  line.kind = LineKind::kSection;
  line.name = TrimBlanks(trimmed.substr(1, close - 1));
}

void ClassifyEntry(std::string_view content, std::string_view trimmed, Line& line) {
  line.kind = LineKind::kEntry;
  std::size_t equals = trimmed.find('=');  // '=' is never a second byte
  if (equals == std::string_view::npos) {
    line.name = trimmed;
    return;
  }
  line.name = TrimBlanks(trimmed.substr(0, equals));
  std::string_view rest = trimmed.substr(equals + 1);
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  line.value = rest;
  line.value_begin = static_cast<std::size_t>(rest.data() - content.data());
}

Line ClassifyLine(std::string_view content, std::size_t begin, std::size_t end) {
  Line line;
  line.begin = begin;
  line.end = end;
  std::string_view trimmed = TrimBlanks(content.substr(begin, end - begin));
  if (trimmed.empty()) return line;
  if (trimmed.front() == ';') {
    line.kind = LineKind::kComment;
    return line;
  }
  if (trimmed.front() == '[') ClassifySection(trimmed, line);
  if (line.kind == LineKind::kBlank) ClassifyEntry(content, trimmed, line);
  return line;
}

}  // namespace

std::vector<Line> SplitLines(std::string_view content) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < content.size()) {
    std::size_t end = content.find_first_of("\r\n", begin);
    if (end == std::string_view::npos) end = content.size();
    Line line = ClassifyLine(content, begin, end);
    std::size_t next = end;
    if (next < content.size()) next += (content.compare(next, 2, "\r\n") == 0) ? 2 : 1;
    line.next = next;
    lines.push_back(line);
    begin = next;
  }
  return lines;
}

}  // namespace vorlix::commands::settings
