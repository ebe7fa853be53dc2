#include "runtime/core/program/external_function_table.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/mainwindow/external_function_declarations.h"
#include "runtime/core/events/event_dispatch.h"
#include "native/fatal_error_capture.h"
#include "texts.h"

namespace vorlix::core {
namespace {

LibrarySearchPlaces Places() { return {"", "C:\\nowhere", "C:\\nowhere\\"}; }

// The text of the fatal error that resolving the table's only entry raises.
std::string FatalTextOfResolving(ExternalFunctionDeclaration declaration) {
  ExternalFunctionTable table({std::move(declaration)}, Places());
  auto raised = test::FatalErrorOf([&] { table.Entry(0); });
  return raised ? raised->text : "(no fatal error)";
}

void* SystemExport(const wchar_t* library, const char* function) {
  return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(library), function));
}

TEST(ExternalFunctionTable, entry_without_library_is_found_in_shell32_after_the_five_before_it) {
  // Mpr.dll is the fifth system library tried; nothing else loads it here,
  // so it must be unloaded again once Shell32.dll turns out to hold the export.
  ASSERT_EQ(GetModuleHandleW(L"mpr.dll"), nullptr) << "mpr.dll was loaded before the test";
  ExternalFunctionTable table(app::ExternalFunctionDeclarations(), Places());
  void* entry = table.Entry(app::kShFileOperation);
  ASSERT_NE(GetModuleHandleW(L"shell32.dll"), nullptr);
  EXPECT_EQ(entry, SystemExport(L"shell32.dll", "SHFileOperation"));
  EXPECT_EQ(GetModuleHandleW(L"mpr.dll"), nullptr) << "mpr.dll was left loaded";
}

TEST(ExternalFunctionTable, every_declared_entry_of_the_program_resolves) {
  const auto declarations = app::ExternalFunctionDeclarations();
  ExternalFunctionTable table(declarations, Places());
  for (unsigned index = 0; index < declarations.size(); ++index) {
    EXPECT_NE(table.Entry(index), nullptr) << "entry " << index;
  }
  EXPECT_EQ(table.Entry(app::kMoveMemoryHeader), table.Entry(app::kMoveMemoryList));
  EXPECT_EQ(table.Entry(app::kGetModuleFileNameA), SystemExport(L"kernel32.dll", "GetModuleFileNameA"));
}

TEST(ExternalFunctionTable, ordinal_names_find_the_export_with_that_ordinal) {
  HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  // Ordinals differ between builds of the system, so take one from the
  // module's own export directory: the first named export's ordinal.
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(kernel32);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(reinterpret_cast<BYTE*>(kernel32) + dos->e_lfanew);
  auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  auto* exports = reinterpret_cast<IMAGE_EXPORT_DIRECTORY*>(reinterpret_cast<BYTE*>(kernel32) + directory.VirtualAddress);
  auto* names = reinterpret_cast<DWORD*>(reinterpret_cast<BYTE*>(kernel32) + exports->AddressOfNames);
  auto* ordinals = reinterpret_cast<WORD*>(reinterpret_cast<BYTE*>(kernel32) + exports->AddressOfNameOrdinals);
  const char* name = reinterpret_cast<const char*>(kernel32) + names[0];
  unsigned ordinal = exports->Base + ordinals[0];

  ExternalFunctionTable table({{"kernel32", "#" + std::to_string(ordinal)}}, Places());
  EXPECT_EQ(table.Entry(0), SystemExport(L"kernel32.dll", name)) << name << " has ordinal " << ordinal;
}

TEST(ExternalFunctionTable, unknown_function_of_a_named_library_is_fatal_with_both_names) {
  std::string expected(texts::kExternalFunctionNotFound);
  expected.replace(expected.find("%s"), 2, "kernel32");
  expected.replace(expected.find("%s"), 2, "NoSuchFunction");
  EXPECT_EQ(FatalTextOfResolving({"kernel32", "NoSuchFunction"}), expected);
}

TEST(ExternalFunctionTable, unknown_function_of_the_system_libraries_is_fatal_with_its_name) {
  std::string expected(texts::kExternalFunctionNotFoundNoLibrary);
  expected.replace(expected.find("%s"), 2, "NoSuchFunction");
  EXPECT_EQ(FatalTextOfResolving({"", "NoSuchFunction"}), expected);
}

TEST(ExternalFunctionTable, a_missing_library_is_fatal_like_a_missing_function) {
  std::string expected(texts::kExternalFunctionNotFound);
  expected.replace(expected.find("%s"), 2, "no_such_library.dll");
  expected.replace(expected.find("%s"), 2, "Anything");
  EXPECT_EQ(FatalTextOfResolving({"no_such_library.dll", "Anything"}), expected);
}

}  // namespace
}  // namespace vorlix::core
