#include "platform/stream_reading.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

// The system's message for the error, without its closing period and line end.
std::string ReasonOf(DWORD error) {
  wchar_t* message = nullptr;
  const DWORD size =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
  std::wstring reason = size > 0 ? std::wstring(message, size) : L"error " + std::to_wstring(error);
  LocalFree(message);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L'.' ||
                             reason.back() == L' ' || reason.back() == L'\x3002')) {
    reason.pop_back();
  }
  return Narrow(reason);
}

StreamContent Failed(DWORD error) { return {false, {}, ReasonOf(error)}; }

}  // namespace

StreamContent ReadToEnd(std::string_view path) {
  const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Failed(GetLastError());
  StreamContent content{true, {}, {}};
  char buffer[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      // A pipe whose writer has closed ends like a file.
      const DWORD error = GetLastError();
      if (error != ERROR_BROKEN_PIPE) content = Failed(error);
      break;
    }
    if (got == 0) break;
    content.bytes.append(buffer, got);
  }
  CloseHandle(file);
  return content;
}

}  // namespace vorlix::platform
