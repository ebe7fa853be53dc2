#pragma once

// Reads CSV back as a spreadsheet program does (RFC 4180): records end
// with CR LF, fields are separated by commas, a field in quotes may hold
// commas, quotes (doubled), CR and LF. Strict, so that a test sees any
// deviation: a quote inside an unquoted field, text after a closing quote
// or a record without its CR LF gives no records at all.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::testing {

using CsvRecords = std::vector<std::vector<std::string>>;

inline std::optional<CsvRecords> ReadCsv(std::string_view text) {
  CsvRecords records;
  std::vector<std::string> record;
  std::string field;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == '"') {
      for (++at;; ++at) {
        if (at >= text.size()) return std::nullopt;
        if (text[at] != '"') {
          field += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == '"') {
          field += '"';
          ++at;
        } else {
          ++at;
          break;
        }
      }
    } else {
      while (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n') {
        if (text[at] == '"') return std::nullopt;
        field += text[at++];
      }
    }
    record.push_back(std::move(field));
    field.clear();
    if (at < text.size() && text[at] == ',') {
      ++at;
      continue;
    }
    if (text.substr(at, 2) != "\r\n") return std::nullopt;
    at += 2;
    records.push_back(std::move(record));
    record.clear();
  }
  return records;
}

}  // namespace vorlix::testing
