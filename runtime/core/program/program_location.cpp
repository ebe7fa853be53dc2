#include "runtime/core/program/program_location.h"

#include <utility>

#include "platform/program_file.h"
#include "runtime/core/values/gbk_chars.h"

namespace vorlix::core {

ProgramLocation SplitProgramPath(std::string_view path) {
  // '\' may be the second byte of a GBK character, so only character starts count.
  std::size_t separator = std::string_view::npos;
  for (std::size_t pos = 0; pos < path.size(); pos += GbkCharLengthAt(path, pos)) {
    if (path[pos] == '\\' || path[pos] == '/') separator = pos;
  }
  if (separator == std::string_view::npos) return {std::string(), std::string(path)};
  return {std::string(path.substr(0, separator)), std::string(path.substr(separator + 1))};
}

namespace {

ProgramLocation& Location() {
  static ProgramLocation location = SplitProgramPath(platform::ProgramFilePath());
  return location;
}

}  // namespace

const ProgramLocation& ThisProgram() { return Location(); }

void SetProgramDirectory(std::string directory) { Location().directory = std::move(directory); }

}  // namespace vorlix::core
