#include "platform/standard_streams.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/gbk_codec.h"
#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

bool WriteBytes(HANDLE stream, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 30));
    if (!WriteFile(stream, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// A console shows UTF-16 whatever its code page; a file or a pipe gets the
// console's code page, as other console programs write it.
bool Write(DWORD which, std::string_view gbk) {
  const HANDLE stream = GetStdHandle(which);
  if (stream == nullptr || stream == INVALID_HANDLE_VALUE) return false;
  const std::wstring wide = Wide(gbk);
  DWORD mode = 0;
  if (GetConsoleMode(stream, &mode)) {
    DWORD written = 0;
    return WriteConsoleW(stream, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
  }
  UINT code_page = GetConsoleOutputCP();
  if (code_page == 0) code_page = GetACP();
  const int size =
      WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), size, nullptr, nullptr);
  return WriteBytes(stream, bytes);
}

}  // namespace

bool WriteStandardOutput(std::string_view text) { return text.empty() || Write(STD_OUTPUT_HANDLE, text); }

void WriteStandardError(std::string_view text) { Write(STD_ERROR_HANDLE, text); }

std::optional<std::string> ReadStandardInput() {
  const HANDLE stream = GetStdHandle(STD_INPUT_HANDLE);
  std::string input;
  char buffer[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(stream, buffer, sizeof buffer, &got, nullptr)) {
      // A pipe whose writer has closed ends like a file.
      if (GetLastError() == ERROR_BROKEN_PIPE) return input;
      return std::nullopt;
    }
    if (got == 0) return input;
    input.append(buffer, got);
  }
}

std::vector<std::string> ProgramArguments(int, char**) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide && i < count; ++i) arguments.push_back(Narrow(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace vorlix::platform
