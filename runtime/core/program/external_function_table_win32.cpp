#include "runtime/core/program/external_function_table.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "runtime/core/values/fatal_error.h"
#include "texts.h"

namespace vorlix::core {
namespace {

constexpr std::array<std::string_view, 6> kSystemLibraries{
    "Kernel32.dll", "Gdi32.dll", "User32.dll", "Advapi32.dll", "Mpr.dll", "Shell32.dll"};

void* FindFunction(platform::ModuleHandle module, const std::string& function) {
  if (!function.empty() && function.front() == '#') {
    return platform::FindExportByOrdinal(module, std::strtoul(function.c_str() + 1, nullptr, 10));
  }
  return platform::FindExport(module, function);
}

// Fills the "%s" places of a message in order. GBK trail bytes never take
// the value of '%', so a byte search is safe.
std::string FillPlaces(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string text(pattern);
  std::size_t from = 0;
  for (std::string_view value : values) {
    std::size_t place = text.find("%s", from);
    if (place == std::string::npos) break;
    text.replace(place, 2, value);
    from = place + value.size();
  }
  return text;
}

}  // namespace

ExternalFunctionTable::ExternalFunctionTable(std::vector<ExternalFunctionDeclaration> declarations,
                                             LibrarySearchPlaces places)
    : places_(std::move(places)) {
  slots_.reserve(declarations.size());
  for (auto& declaration : declarations) slots_.push_back(Slot{std::move(declaration)});
}

ExternalFunctionTable::~ExternalFunctionTable() { UnloadAll(); }

void* ExternalFunctionTable::Entry(std::size_t index) {
  Slot& slot = slots_.at(index);
  if (slot.entry == nullptr) Resolve(slot);
  return slot.entry;
}

void ExternalFunctionTable::UnloadAll() {
  for (Slot& slot : slots_) {
    platform::UnloadModule(slot.module);
    slot.module = nullptr;
    slot.entry = nullptr;
  }
}

void ExternalFunctionTable::Resolve(Slot& slot) {
  const auto& [library_file, function] = slot.declaration;
  if (library_file.empty()) {
    ResolveInSystemLibraries(slot);
    if (slot.entry == nullptr) {
      FatalError(FillPlaces(texts::kExternalFunctionNotFoundNoLibrary, {function}));
    }
    return;
  }
  platform::ModuleHandle module = LoadNamedLibrary(library_file);
  void* entry = module != nullptr ? FindFunction(module, function) : nullptr;
  if (entry == nullptr) {
    platform::UnloadModule(module);
    FatalError(FillPlaces(texts::kExternalFunctionNotFound, {library_file, function}));
  }
  slot.module = module;
  slot.entry = entry;
}

// Each system library is loaded in turn; the first that has the function is
// kept and every other is let go again.
void ExternalFunctionTable::ResolveInSystemLibraries(Slot& slot) {
  for (std::string_view library : kSystemLibraries) {
    platform::ModuleHandle module = platform::LoadModule(std::string(library));
    if (module == nullptr) continue;
    if (void* entry = FindFunction(module, slot.declaration.function)) {
      slot.module = module;
      slot.entry = entry;
      return;
    }
    platform::UnloadModule(module);
  }
}

// The first place where the library loads is the library: the configured
// folder, the program's folder, the program module's folder, then the
// system's own search. A name with a drive or scheme (":") is taken as given.
platform::ModuleHandle ExternalFunctionTable::LoadNamedLibrary(const std::string& library) const {
  if (library.find(':') != std::string::npos) return platform::LoadModule(library);
  std::vector<std::string> candidates;
  if (!places_.configured_folder.empty()) candidates.push_back(places_.configured_folder + library);
  candidates.push_back(places_.program_directory + "\\" + library);
  candidates.push_back(places_.module_folder + library);
  candidates.push_back(library);
  for (const std::string& candidate : candidates) {
    if (platform::ModuleHandle module = platform::LoadModule(candidate)) return module;
  }
  return nullptr;
}

}  // namespace vorlix::core
