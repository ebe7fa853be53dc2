#include "app/mainwindow/external_function_declarations.h"

namespace vorlix::app {

// Entry 0 names no library: it is looked for in the system libraries.
// Entries 12 and 13 are one function declared with two argument shapes.
// From entry 17 on: the shell's wide functions, which take paths of any
// code page, and GlobalFree for a block that the clipboard refused.
// PathIsDirectoryA keeps its place; roots are tested with the W function.
std::vector<core::ExternalFunctionDeclaration> ExternalFunctionDeclarations() {
  return {
      {"", "SHFileOperation"},
      {"shlwapi.dll", "PathIsDirectoryA"},
      {"shell32.dll", "SHBrowseForFolderA"},
      {"shell32.dll", "SHGetPathFromIDListA"},
      {"Shell32", "ILCreateFromPathA"},
      {"Shell32", "SHOpenFolderAndSelectItems"},
      {"Shell32", "ILFree"},
      {"kernel32", "GetModuleFileNameA"},
      {"user32", "OpenClipboard"},
      {"user32", "EmptyClipboard"},
      {"kernel32", "GlobalAlloc"},
      {"kernel32", "GlobalLock"},
      {"kernel32", "RtlMoveMemory"},
      {"kernel32", "RtlMoveMemory"},
      {"kernel32", "GlobalUnlock"},
      {"user32", "SetClipboardData"},
      {"user32", "CloseClipboard"},
      {"shell32.dll", "SHFileOperationW"},
      {"shell32.dll", "SHBrowseForFolderW"},
      {"shell32.dll", "SHGetPathFromIDListEx"},
      {"Shell32", "ILCreateFromPathW"},
      {"kernel32", "GlobalFree"},
      {"shlwapi.dll", "PathIsDirectoryW"},
  };
}

}  // namespace vorlix::app
