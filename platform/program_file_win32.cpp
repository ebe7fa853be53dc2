#include "platform/program_file.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace vorlix::platform {

std::string ProgramFilePath() {
  // The path may be longer than MAX_PATH; grow until it fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace vorlix::platform
