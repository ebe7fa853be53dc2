// The native build's program path, from the kernel's link to the executable.
#include <filesystem>
#include <system_error>

#include "platform/program_file.h"

namespace vorlix::platform {

std::string ProgramFilePath() {
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

}  // namespace vorlix::platform
