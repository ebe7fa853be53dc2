#include "app/results/csv_text.h"

#include "runtime/commands/utf8_text.h"
#include "runtime/core/values/text_format.h"

namespace vorlix::app {
namespace {

void AppendField(std::string& line, std::string_view utf8) {
  if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) {
    line += utf8;
    return;
  }
  line += '"';
  for (const char byte : utf8) {
    if (byte == '"') line += '"';
    line += byte;
  }
  line += '"';
}

}  // namespace

std::string CsvLine(std::span<const core::Text> fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    AppendField(line, commands::TextInUtf8(fields[i]));
  }
  line += "\r\n";
  return line;
}

core::Text TimeText(const core::CalendarTime& time) {
  return core::FormatText("%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day, time.hour, time.minute,
                          time.second);
}

}  // namespace vorlix::app
