#include "platform/whole_drive_path.h"

#include <vector>

namespace vorlix::platform {
namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool IsLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

std::vector<std::u16string_view> Components(std::u16string_view path) {
  std::vector<std::u16string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= path.size(); ++i) {
    if (i == path.size() || IsSeparator(path[i])) {
      if (i > start) parts.push_back(path.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

bool SameIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool IsDrive(std::u16string_view part) { return part.size() == 2 && IsLetter(part[0]) && part[1] == u':'; }

}  // namespace

bool IsWholeDrivePath(std::u16string_view path) {
  const bool two_leading = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
  std::vector<std::u16string_view> parts = Components(path);
  if (parts.empty()) return true;
  if (!two_leading) return parts.size() == 1 && IsDrive(parts[0]);
  // "\\?\" and "\\.\" lead to a path in the device space.
  if (parts[0] == u"?" || parts[0] == u".") {
    parts.erase(parts.begin());
    if (!parts.empty() && SameIgnoringAsciiCase(parts[0], u"UNC")) return parts.size() <= 3;
    return parts.size() <= 1;
  }
  return parts.size() <= 2;
}

}  // namespace vorlix::platform
