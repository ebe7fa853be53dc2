#pragma once

#include <string_view>

namespace vorlix::platform {

// Makes every missing folder of the GBK path, from its drive or share
// down. True when the path then names a folder (also when it already
// did); false when a part of it is a file or cannot be made.
bool MakeFolderPath(std::string_view path);

}  // namespace vorlix::platform
