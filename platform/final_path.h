#pragma once

#include <optional>
#include <string>

namespace vorlix::platform {

// The path an item leads to once links and junctions are followed, as the
// system resolves it, in the plain form the volume functions take: without
// the "\\?\" that GetFinalPathNameByHandleW puts before it ("\\?\UNC\"
// becomes "\\"). None when the item cannot be opened.
std::optional<std::wstring> FinalPath(const std::wstring& path);

}  // namespace vorlix::platform
