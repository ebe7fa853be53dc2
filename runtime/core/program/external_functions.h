#pragma once

#include <cstddef>
#include <span>

#include "runtime/core/program/external_function_table.h"

namespace vorlix::core {

// The running program's table of external functions: made at start-up from
// the program header, emptied by the orderly end.
void CreateExternalFunctions(std::span<const ExternalFunctionDeclaration> declarations, LibrarySearchPlaces places);

// The entry of the function declared at `index`, resolved on first use; the
// fatal error when it cannot be found. The caller calls it with the
// declared arguments.
void* ExternalFunctionEntry(std::size_t index);

template <class Function>
Function* ExternalFunction(std::size_t index) {
  return reinterpret_cast<Function*>(ExternalFunctionEntry(index));
}

// Unloads the modules loaded for the table and forgets the table.
void UnloadExternalFunctions();

}  // namespace vorlix::core
