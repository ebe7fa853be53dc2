#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/stream_reading.h"

namespace vorlix::platform {
namespace {

StreamContent Failed(int error) { return {false, {}, std::strerror(error)}; }

}  // namespace

// A named pipe blocks the open until a writer comes, as cat waits for one.
StreamContent ReadToEnd(std::string_view path) {
  int file = -1;
  do {
    file = open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC);
  } while (file < 0 && errno == EINTR);
  if (file < 0) return Failed(errno);
  StreamContent content{true, {}, {}};
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t got = read(file, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      content = Failed(errno);
      break;
    }
    if (got == 0) break;
    content.bytes.append(buffer, static_cast<std::size_t>(got));
  }
  close(file);
  return content;
}

}  // namespace vorlix::platform
