#include "platform/process.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace vorlix::platform {

void ExitProcessNow(int exit_code) { ExitProcess(static_cast<UINT>(exit_code)); }

void WaitForProcessEnd() {
  for (;;) Sleep(INFINITE);
}

std::uint32_t CurrentThreadId() { return GetCurrentThreadId(); }

bool SetCurrentDirectoryTo(const std::string& gbk_path) {
  return SetCurrentDirectoryW(Wide(gbk_path).c_str()) != 0;
}

std::string CurrentDirectory() {
  DWORD size = GetCurrentDirectoryW(0, nullptr);
  std::wstring path(size, L'\0');
  DWORD length = GetCurrentDirectoryW(size, path.data());
  path.resize(length < size ? length : 0);
  return Narrow(path);
}

}  // namespace vorlix::platform
