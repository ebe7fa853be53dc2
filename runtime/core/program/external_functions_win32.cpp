#include "runtime/core/program/external_functions.h"

#include <memory>

namespace vorlix::core {
namespace {

std::unique_ptr<ExternalFunctionTable> table;

}  // namespace

void CreateExternalFunctions(std::span<const ExternalFunctionDeclaration> declarations, LibrarySearchPlaces places) {
  table = std::make_unique<ExternalFunctionTable>(
      std::vector<ExternalFunctionDeclaration>(declarations.begin(), declarations.end()), std::move(places));
}

void* ExternalFunctionEntry(std::size_t index) { return table->Entry(index); }

void UnloadExternalFunctions() { table.reset(); }

}  // namespace vorlix::core
