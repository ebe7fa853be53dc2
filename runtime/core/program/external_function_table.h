#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/module_loader.h"
#include "runtime/core/template/external_function_declaration.h"

namespace vorlix::core {

// Where a named library is looked for before the system's own search order.
struct LibrarySearchPlaces {
  std::string configured_folder;  // empty when none is configured
  std::string program_directory;  // without trailing backslash
  std::string module_folder;      // with trailing backslash
};

// Resolves each entry on first use and keeps it; the modules it loaded stay
// loaded until the table is unloaded at the program's end.
class ExternalFunctionTable {
 public:
  ExternalFunctionTable(std::vector<ExternalFunctionDeclaration> declarations, LibrarySearchPlaces places);
  ~ExternalFunctionTable();
  ExternalFunctionTable(const ExternalFunctionTable&) = delete;
  ExternalFunctionTable& operator=(const ExternalFunctionTable&) = delete;

  // The function's entry; an entry that cannot be found is a fatal error.
  void* Entry(std::size_t index);

  void UnloadAll();

 private:
  struct Slot {
    ExternalFunctionDeclaration declaration;
    platform::ModuleHandle module = nullptr;
    void* entry = nullptr;
  };

  void Resolve(Slot& slot);
  void ResolveInSystemLibraries(Slot& slot);
  platform::ModuleHandle LoadNamedLibrary(const std::string& library) const;

  std::vector<Slot> slots_;
  LibrarySearchPlaces places_;
};

}  // namespace vorlix::core
