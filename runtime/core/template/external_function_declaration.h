#pragma once

#include <string>

namespace vorlix::core {

// One function the application declares and calls by index: a library file
// name (empty: one of the system libraries) and a function name ("#n" for
// the export with ordinal n).
struct ExternalFunctionDeclaration {
  std::string library_file;
  std::string function;
};

}  // namespace vorlix::core
