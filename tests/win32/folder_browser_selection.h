#pragma once

// The shell's folder browser, driven from inside its own message loop.
#include <windows.h>

#include <string>

namespace vorlix::testing {

// Asks the browser to select `path`; true once its tree shows that folder
// selected. The tree fills as it goes, so a caller asks again until it does.
bool SelectInFolderBrowser(HWND dialog, const std::wstring& path);

}  // namespace vorlix::testing
