#include "platform/module_loader.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace vorlix::platform {

ModuleHandle LoadModule(const std::string& gbk_path) { return LoadLibraryW(Wide(gbk_path).c_str()); }

void UnloadModule(ModuleHandle module) {
  if (module != nullptr) FreeLibrary(static_cast<HMODULE>(module));
}

// Export names are ASCII, so the ANSI lookup is exact whatever the code page.
void* FindExport(ModuleHandle module, const std::string& name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name.c_str()));
}

void* FindExportByOrdinal(ModuleHandle module, unsigned ordinal) {
  return reinterpret_cast<void*>(
      GetProcAddress(static_cast<HMODULE>(module), MAKEINTRESOURCEA(ordinal & 0xFFFF)));
}

}  // namespace vorlix::platform
