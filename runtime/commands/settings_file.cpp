#include "runtime/commands/settings_file.h"

#include <vector>

#include "runtime/commands/settings_lines.h"
#include "runtime/commands/settings_names.h"

namespace vorlix::commands::settings {
namespace {

// A section: the index of its header and one past the index of its last
// entry (the header's own index + 1 when it has none).
struct SectionSpan {
  std::size_t header;
  std::size_t entries_end;
  std::size_t lines_end;  // the next header, or the end of the file
};

SectionSpan SpanOf(const std::vector<Line>& lines, std::size_t header) {
  SectionSpan span{header, header + 1, header + 1};
  for (std::size_t i = header + 1; i < lines.size() && lines[i].kind != LineKind::kSection; ++i) {
    if (lines[i].kind == LineKind::kEntry) span.entries_end = i + 1;
    span.lines_end = i + 1;
  }
  return span;
}

std::vector<SectionSpan> SectionsNamed(const std::vector<Line>& lines, std::string_view name) {
  std::vector<SectionSpan> spans;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind == LineKind::kSection && SameName(lines[i].name, name)) spans.push_back(SpanOf(lines, i));
  }
  return spans;
}

std::optional<std::size_t> FirstEntry(const std::vector<Line>& lines, const SectionSpan& span, std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.lines_end; ++i) {
    if (lines[i].kind == LineKind::kEntry && SameName(lines[i].name, key)) return i;
  }
  return std::nullopt;
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The value as it must stand in the file so that Unquoted gives it back.
std::string Stored(std::string_view value) {
  if (value.empty()) return {};
  bool blank_at_end = IsBlank(value.front()) || IsBlank(value.back());
  if (blank_at_end || Unquoted(value).size() != value.size()) return '"' + std::string(value) + '"';
  return std::string(value);
}

std::string_view LineBreakOf(std::string_view content) {
  std::size_t pos = content.find_first_of("\r\n");
  if (pos != std::string_view::npos && content[pos] == '\n') return "\n";
  return "\r\n";
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool Storable(std::string_view section, std::string_view key, std::string_view value) {
  if (section.empty() || key.empty()) return false;
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return false;
  return key.find('=') == std::string_view::npos && key.front() != '[' && key.front() != ';';
}

// Inserts text as a line of its own after the given line (or at the start).
std::string InsertLineAfter(std::string_view content, const Line* after, std::string_view text) {
  std::string_view line_break = LineBreakOf(content);
  std::size_t at = after ? after->next : 0;
  std::string result(content.substr(0, at));
  if (after && after->next == after->end && !content.empty()) {
    result.append(line_break).append(text);  // the file ended without a line break
  } else {
    result.append(text).append(line_break);
  }
  result.append(content.substr(at));
  return result;
}

std::string ReplaceEntryValue(std::string_view content, const Line& line, std::string_view stored) {
  std::string result;
  if (line.value_begin) {
    result.append(content.substr(0, *line.value_begin));
  } else {
    std::size_t name_end = static_cast<std::size_t>(line.name.data() + line.name.size() - content.data());
    result.append(content.substr(0, name_end)).append("=");
  }
  result.append(stored).append(content.substr(line.end));
  return result;
}

std::string WithoutLines(std::string_view content, const std::vector<Line>& lines, const std::vector<bool>& removed) {
  std::string result;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!removed[i]) result.append(content.substr(lines[i].begin, lines[i].next - lines[i].begin));
  }
  return result;
}

}  // namespace

std::optional<std::string> FindValue(std::string_view content, std::string_view section, std::string_view key) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  if (section.empty() || key.empty()) return std::nullopt;
  std::vector<Line> lines = SplitLines(content);
  std::vector<SectionSpan> spans = SectionsNamed(lines, section);
  if (spans.empty()) return std::nullopt;
  std::optional<std::size_t> entry = FirstEntry(lines, spans.front(), key);
  if (!entry || !lines[*entry].value_begin) return std::nullopt;
  return std::string(Unquoted(lines[*entry].value));
}

std::optional<std::string> SetValue(std::string_view content, std::string_view section, std::string_view key,
                                    std::string_view value) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  if (!Storable(section, key, value)) return std::nullopt;
  std::string entry_text = std::string(key) + "=" + Stored(value);
  std::vector<Line> lines = SplitLines(content);
  std::vector<SectionSpan> spans = SectionsNamed(lines, section);
  if (spans.empty()) {
    std::string header = "[" + std::string(section) + "]";
    std::string with_header = InsertLineAfter(content, lines.empty() ? nullptr : &lines.back(), header);
    std::vector<Line> new_lines = SplitLines(with_header);
    return InsertLineAfter(with_header, &new_lines[lines.size()], entry_text);
  }
  if (std::optional<std::size_t> entry = FirstEntry(lines, spans.front(), key)) {
    return ReplaceEntryValue(content, lines[*entry], Stored(value));
  }
  return InsertLineAfter(content, &lines[spans.front().entries_end - 1], entry_text);
}

std::string RemoveKey(std::string_view content, std::string_view section, std::string_view key) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  if (section.empty() || key.empty()) return std::string(content);
  std::vector<Line> lines = SplitLines(content);
  std::vector<bool> removed(lines.size(), false);
  for (const SectionSpan& span : SectionsNamed(lines, section)) {
    for (std::size_t i = span.header + 1; i < span.lines_end; ++i) {
      if (lines[i].kind == LineKind::kEntry && SameName(lines[i].name, key)) removed[i] = true;
    }
  }
  return WithoutLines(content, lines, removed);
}

std::string RemoveSection(std::string_view content, std::string_view section) {
  section = TrimBlanks(section);
  if (section.empty()) return std::string(content);
  std::vector<Line> lines = SplitLines(content);
  std::vector<bool> removed(lines.size(), false);
  for (const SectionSpan& span : SectionsNamed(lines, section)) {
    for (std::size_t i = span.header; i < span.entries_end; ++i) removed[i] = true;
  }
  return WithoutLines(content, lines, removed);
}

}  // namespace vorlix::commands::settings
