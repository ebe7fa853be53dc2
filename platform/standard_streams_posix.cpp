#include <unistd.h>

#include <cerrno>

#include "platform/standard_streams.h"

namespace vorlix::platform {
namespace {

bool WriteAll(int stream, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = write(stream, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool WriteStandardOutput(std::string_view text) { return WriteAll(STDOUT_FILENO, text); }

void WriteStandardError(std::string_view text) { WriteAll(STDERR_FILENO, text); }

std::optional<std::string> ReadStandardInput() {
  std::string input;
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) return input;
    input.append(buffer, static_cast<std::size_t>(got));
  }
}

std::vector<std::string> ProgramArguments(int argc, char** argv) { return std::vector<std::string>(argv + 1, argv + argc); }

}  // namespace vorlix::platform
