// Prints the version resource of a program as Explorer reads it
// (GetFileVersionInfoW, VerQueryValueW), one "Name=value" a line:
// the fixed file and product versions, then the strings of its first
// language. Exit code 0 when the file has a version resource, 1 when it
// has none, 2 on a wrong call. The package checks run it on each program.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
  return text;
}

std::string FourParts(DWORD high, DWORD low) {
  char text[64];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned{HIWORD(high)}, unsigned{LOWORD(high)},
                unsigned{HIWORD(low)}, unsigned{LOWORD(low)});
  return text;
}

void PrintFixed(const std::vector<BYTE>& info) {
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT size = 0;
  if (!VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size) || size < sizeof *fixed) return;
  std::printf("FixedFileVersion=%s\n", FourParts(fixed->dwFileVersionMS, fixed->dwFileVersionLS).c_str());
  std::printf("FixedProductVersion=%s\n", FourParts(fixed->dwProductVersionMS, fixed->dwProductVersionLS).c_str());
}

void PrintStrings(const std::vector<BYTE>& info) {
  WORD* translation = nullptr;
  UINT size = 0;
  if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
      size < 2 * sizeof(WORD)) {
    return;
  }
  for (const wchar_t* name : {L"ProductName", L"ProductVersion", L"FileVersion", L"FileDescription",
                              L"OriginalFilename"}) {
    wchar_t path[128];
    std::swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1], name);
    wchar_t* value = nullptr;
    if (VerQueryValueW(info.data(), path, reinterpret_cast<void**>(&value), &size) && value) {
      std::printf("%s=%s\n", Utf8(name).c_str(), Utf8(value).c_str());
    }
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: version_info FILE\n", stderr);
    return 2;
  }
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(argv[1], &ignored);
  if (size == 0) return 1;
  std::vector<BYTE> info(size);
  if (!GetFileVersionInfoW(argv[1], 0, size, info.data())) return 1;
  PrintFixed(info);
  PrintStrings(info);
  return 0;
}
