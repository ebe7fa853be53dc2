#pragma once

#include <string>
#include <string_view>

namespace vorlix::core {

struct ProgramLocation {
  // Everything before the last backslash: no trailing backslash, also at a
  // drive's root ("C:"); empty when the path holds no backslash.
  std::string directory;
  // The part after the last backslash.
  std::string file_name;
};

// Splits the full path of a program file. The native build's paths use '/',
// which counts as a backslash here; a Windows module path never holds one.
ProgramLocation SplitProgramPath(std::string_view path);

// The running program's location, worked out once at first use.
const ProgramLocation& ThisProgram();

// Makes another folder the program's folder from now on. For a host that
// runs the application's handlers inside a program file of its own (the
// tests), so that the files kept beside the program go where it says.
void SetProgramDirectory(std::string directory);

}  // namespace vorlix::core
