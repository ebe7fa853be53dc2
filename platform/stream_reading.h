#pragma once

#include <string>
#include <string_view>

namespace vorlix::platform {

// What reading `path` from its start to its end gave. Any readable file
// serves: a regular file, a pipe or named pipe (a shell's <(...) and
// /dev/stdin among them), a character device. When it could not be
// opened or read, `failure` is the system's reason (a text of the
// program's own: GBK on Windows) and `bytes` holds nothing.
struct StreamContent {
  bool read = false;
  std::string bytes;
  std::string failure;
};
StreamContent ReadToEnd(std::string_view path);

}  // namespace vorlix::platform
