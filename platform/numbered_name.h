#pragma once

#include <string>
#include <string_view>

namespace vorlix::platform {

// The name that the Windows shell gives a copy whose own name is taken in
// the target folder: " (n)" before a file's last extension ("report (2).txt",
// "archive.tar (2).gz", "README (2)"), at the end of a folder's name or of a
// name that is all extension (".profile (2)").
std::u16string NumberedName(std::u16string_view name, int number, bool is_folder);

}  // namespace vorlix::platform
