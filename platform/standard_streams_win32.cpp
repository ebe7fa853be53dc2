#include "platform/standard_streams.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <iterator>

#include "platform/gbk_codec.h"
#include "platform/utf8_codec.h"
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

bool IsConsole(HANDLE stream) {
  DWORD mode = 0;
  return GetConsoleMode(stream, &mode) != 0;
}

// A console shows UTF-16 whatever its code page. A file or a pipe gets
// UTF-8: a console code page (936, 437) lacks most of the characters that
// names hold, and the reader of a pipe, another program, does not know it.
bool Write(DWORD which, std::string_view gbk) {
  const HANDLE stream = GetStdHandle(which);
  if (stream == nullptr || stream == INVALID_HANDLE_VALUE) return false;
  if (IsConsole(stream)) {
    const std::wstring wide = Wide(gbk);
    DWORD written = 0;
    return WriteConsoleW(stream, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
  }
  return WriteBytes(stream, Utf16ToUtf8(GbkToUtf16(gbk)));
}

// Typed lines, until a line that starts with Ctrl+Z (as a console ends its
// input) or the console closes, as UTF-8.
std::optional<std::string> ReadTypedLines(HANDLE console) {
  constexpr wchar_t kEndOfInput = 0x1A;
  std::u16string typed;
  wchar_t buffer[4096];
  for (;;) {
    DWORD got = 0;
    if (!ReadConsoleW(console, buffer, static_cast<DWORD>(std::size(buffer)), &got, nullptr)) return std::nullopt;
    if (got == 0) break;
    const bool line_start = typed.empty() || typed.back() == u'\n';
    if (line_start && buffer[0] == kEndOfInput) break;
    typed.append(reinterpret_cast<const char16_t*>(buffer), got);
  }
  return Utf16ToUtf8(typed);
}

}  // namespace

bool WriteStandardOutput(std::string_view text) { return text.empty() || Write(STD_OUTPUT_HANDLE, text); }

void WriteStandardError(std::string_view text) { Write(STD_ERROR_HANDLE, text); }

std::optional<std::string> ReadStandardInput() {
  const HANDLE stream = GetStdHandle(STD_INPUT_HANDLE);
  if (IsConsole(stream)) return ReadTypedLines(stream);
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
