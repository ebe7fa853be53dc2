#pragma once

#include <string>
#include <string_view>

namespace vorlix::platform {

// The path of the file `name` in the program's own folder "vorlix" of the
// user's cache (XDG_CACHE_HOME, or ~/.cache, on Linux; the local
// application data folder on Windows), the folders made when missing.
// Empty when there is no such place or it cannot be made.
std::string UserCacheFile(std::string_view name);

}  // namespace vorlix::platform
