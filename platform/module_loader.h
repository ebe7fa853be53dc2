#pragma once

#include <string>

namespace vorlix::platform {

// Dynamic libraries, loaded by GBK path or bare name (the system's search order).
using ModuleHandle = void*;

// nullptr when the library cannot be loaded.
ModuleHandle LoadModule(const std::string& gbk_path);
void UnloadModule(ModuleHandle module);

// nullptr when the module has no such export.
void* FindExport(ModuleHandle module, const std::string& name);
void* FindExportByOrdinal(ModuleHandle module, unsigned ordinal);

}  // namespace vorlix::platform
