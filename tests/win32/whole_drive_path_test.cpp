// The portable judge of whole drives against the system's own resolution
// of the same paths.
#include "platform/whole_drive_path.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/wide_text.h"
#include "tests/native/whole_drive_path_cases.h"

namespace vorlix::platform {
namespace {

// Whether a full path, as GetFullPathNameW gives it, names no more than a
// root: "X:\", "\\server\share", "\\server", "\\.\X:" or "\\.\".
bool IsRoot(const std::wstring& full) {
  std::vector<std::wstring> parts;
  std::wstring part;
  for (wchar_t c : full + L'\\') {
    if (c != L'\\') {
      part += c;
    } else if (!part.empty()) {
      parts.push_back(std::exchange(part, {}));
    }
  }
  if (full.starts_with(L"\\\\")) return parts.size() <= 2;
  return parts.size() == 1 && parts[0].size() == 2 && parts[0][1] == L':';
}

// Relative paths are resolved against a root as current folder, the case in
// which they name a whole drive. "\\?\" paths are left out: the system
// resolves them here but opens them as written.
TEST(WholeDrivePath, the_judge_agrees_with_the_system_s_resolution_of_each_path) {
  wchar_t before[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, before);
  ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\"));
  for (const test::WholeDriveCase& c : test::kWholeDriveCases) {
    const std::wstring path(c.path.begin(), c.path.end());
    // The system resolves neither "" nor " ".
    if (path.starts_with(L"\\\\?\\") || path.empty() || path == L" ") continue;
    wchar_t full[MAX_PATH];
    ASSERT_NE(GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr), 0u) << Narrow(path);
    EXPECT_EQ(IsRoot(full), c.whole) << "\"" << Narrow(path) << "\" resolves to \"" << Narrow(full) << "\"";
  }
  SetCurrentDirectoryW(before);
}

}  // namespace
}  // namespace vorlix::platform
