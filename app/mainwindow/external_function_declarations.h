#pragma once

#include <vector>

#include "runtime/core/template/external_function_declaration.h"

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
  kMoveMemoryHeader,  // RtlMoveMemory(address, header, n): the clipboard block's header
  kMoveMemoryList,    // RtlMoveMemory(address, byte set, n): its file list
  kGlobalUnlock,
  kSetClipboardData,
  kCloseClipboard,
  kShFileOperationW,
  kShBrowseForFolderW,
  kShGetPathFromIdListEx,
  kIlCreateFromPathW,
  kGlobalFree,
  kPathIsDirectoryW,
};

std::vector<core::ExternalFunctionDeclaration> ExternalFunctionDeclarations();

}  // namespace vorlix::app
