#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "platform/user_cache.h"

namespace vorlix::platform {
namespace {

// Only an absolute path counts, as the XDG base directory rules say.
std::string CacheFolder() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache != nullptr && cache[0] == '/') return cache;
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] != '/') return {};
  return std::string(home) + "/.cache";
}

bool MakeFolders(const std::string& path) {
  for (std::size_t at = path.find('/', 1);; at = path.find('/', at + 1)) {
    const std::string part = path.substr(0, at);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (at == std::string::npos) return true;
  }
}

}  // namespace

std::string UserCacheFile(std::string_view name) {
  const std::string folder = CacheFolder();
  if (folder.empty() || !MakeFolders(folder + "/vorlix")) return {};
  return folder + "/vorlix/" + std::string(name);
}

}  // namespace vorlix::platform
