#pragma once

#include <vector>

#include "runtime/core/external_function_table.h"

namespace vorlix::app {

// The operating-system functions the application calls directly, by index.
enum ExternalFunction : unsigned {
  kShFileOperation = 0,
  kPathIsDirectoryA,
  kShBrowseForFolderA,
  kShGetPathFromIdListA,
  kIlCreateFromPathA,
  kShOpenFolderAndSelectItems,
  kIlFree,
  kGetModuleFileNameA,
  kOpenClipboard,
  kEmptyClipboard,
  kGlobalAlloc,
  kGlobalLock,
  kCopyMemoryToAddress,    // RtlMoveMemory(address, bytes, n)
  kCopyMemoryFromAddress,  // RtlMoveMemory(bytes, address, n)
  kGlobalUnlock,
  kSetClipboardData,
  kCloseClipboard,
};

std::vector<core::ExternalFunctionDeclaration> ExternalFunctionDeclarations();

}  // namespace vorlix::app
