#include "platform/whole_drive_path.h"

#include <span>
#include <vector>

namespace vorlix::platform {
namespace {

using Parts = std::vector<std::u16string_view>;

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

Parts Components(std::u16string_view path) {
  Parts parts;
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

std::u16string_view WithoutTrailingDotsAndSpaces(std::u16string_view part) {
  while (!part.empty() && (part.back() == u'.' || part.back() == u' ')) part.remove_suffix(1);
  return part;
}

// How the system reads the components after a path's root.
struct Reading {
  // "\\?\" paths are opened as written, but for "." and "..", which no
  // item can be named, so such a path names what they resolve to or nothing.
  bool literal = false;
  // A separator after the last component keeps its trailing dots and spaces.
  bool separator_follows = false;
};

// The names that are left once the system has resolved the components: "."
// goes, ".." takes the one before it; with none before it, it stays at the
// root, or climbs above a current folder that cannot be known here, and
// leaves no name either way. The last component loses its trailing dots
// and spaces ("D:\ " and "D:\..." are "D:\"), but "x.\" keeps its dot.
// Only whether names are left matters here, so the one trailing dot that
// the system drops from the others is left on.
Parts Resolved(std::span<const std::u16string_view> parts, Reading reading) {
  Parts kept;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    std::u16string_view part = parts[i];
    const bool trimmed = !reading.literal && !reading.separator_follows && i + 1 == parts.size();
    if (part != u"." && part != u".." && trimmed) part = WithoutTrailingDotsAndSpaces(part);
    if (part.empty() || part == u".") continue;
    if (part != u"..") {
      kept.push_back(part);
    } else if (!kept.empty()) {
      kept.pop_back();
    }
  }
  return kept;
}

bool IsDevicePrefix(std::u16string_view part) { return part == u"?" || part == u"."; }

// After the two leading separators: "\\server\share" is a root that ".."
// never takes away; "\\?\" and "\\.\" lead into the device space, where
// ".." can take anything but the prefix.
bool IsWholeShareOrDevice(std::u16string_view after_separators, Reading reading) {
  const Parts parts = Components(after_separators);
  if (parts.empty()) return true;
  if (IsDevicePrefix(parts[0])) {
    // Only "\\?\" itself: "//?/" is resolved as "\\.\" is.
    reading.literal = after_separators.starts_with(u"?\\");
    const Parts device = Resolved(std::span(parts).subspan(1), reading);
    const bool unc = !device.empty() && SameIgnoringAsciiCase(device[0], u"UNC");
    return device.size() <= (unc ? 3u : 1u);
  }
  return parts.size() <= 2 || Resolved(std::span(parts).subspan(2), reading).empty();
}

}  // namespace

bool IsWholeDrivePath(std::u16string_view path) {
  Reading reading;
  reading.separator_follows = !path.empty() && IsSeparator(path.back());
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    return IsWholeShareOrDevice(path.substr(2), reading);
  }
  // The system takes any character before the colon for a drive letter.
  if (path.size() >= 2 && !IsSeparator(path[0]) && path[1] == u':') path.remove_prefix(2);
  // Nothing left of a relative path is the current folder or one above it,
  // and either may be a root.
  return Resolved(Components(path), reading).empty();
}

}  // namespace vorlix::platform
