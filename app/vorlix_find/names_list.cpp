#include "app/vorlix_find/names_list.h"

#include <algorithm>
#include <span>

#include "platform/gbk_codec.h"
#include "platform/utf8_codec.h"

namespace vorlix::app {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kFullWidthSpace = "\xE3\x80\x80";

bool IsBlank(std::string_view line) {
  while (!line.empty()) {
    if (line.front() == ' ') {
      line.remove_prefix(1);
    } else if (line.starts_with(kFullWidthSpace)) {
      line.remove_prefix(kFullWidthSpace.size());
    } else {
      return false;
    }
  }
  return true;
}

std::string InEncoding(std::string_view utf8, NameEncoding encoding) {
  if (encoding == NameEncoding::kUtf8) return std::string(utf8);
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(utf8.data()), utf8.size());
  return platform::Utf16ToGbk(platform::Utf8ToUtf16(bytes));
}

}  // namespace

std::vector<std::string> KeywordsOfNamesFile(std::string_view utf8, NameEncoding encoding) {
  if (utf8.starts_with(kByteOrderMark)) utf8.remove_prefix(kByteOrderMark.size());
  std::vector<std::string> keywords;
  while (!utf8.empty()) {
    const std::size_t end = utf8.find('\n');
    std::string_view line = utf8.substr(0, end);
    utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
    if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    if (!IsBlank(line)) keywords.push_back(InEncoding(line, encoding));
  }
  return keywords;
}

std::size_t FirstLineNotUtf8(std::string_view names_file) {
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(names_file.data()), names_file.size());
  const std::size_t bad = std::min(platform::WellFormedUtf8Prefix(bytes), names_file.find('\0'));
  if (bad >= names_file.size()) return 0;
  return static_cast<std::size_t>(std::count(names_file.begin(), names_file.begin() + bad, '\n')) + 1;
}

}  // namespace vorlix::app
