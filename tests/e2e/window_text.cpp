// Prints, in UTF-8, the text of the smallest child window of the top-level
// window captioned CAPTION that covers the screen point X Y: what a screen
// reader would say of a label there. Exit code 0 with the text, 1 when no
// such window is found, 2 on wrong arguments. The end-to-end suite reads
// the status line through it.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
  POINT point;
  HWND found = nullptr;
  long long area = 0;
};

BOOL CALLBACK Consider(HWND child, LPARAM state) {
  auto& search = *reinterpret_cast<Search*>(state);
  RECT place;
  if (!IsWindowVisible(child) || !GetWindowRect(child, &place) || !PtInRect(&place, search.point)) return TRUE;
  const long long area = static_cast<long long>(place.right - place.left) * (place.bottom - place.top);
  if (search.found == nullptr || area < search.area) {
    search.found = child;
    search.area = area;
  }
  return TRUE;
}

std::string Utf8(const std::wstring& wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
  return text;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) return 2;
  const HWND top = FindWindowW(nullptr, argv[1]);
  if (top == nullptr) return 1;
  Search search{{std::wcstol(argv[2], nullptr, 10), std::wcstol(argv[3], nullptr, 10)}};
  EnumChildWindows(top, Consider, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return 1;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(search.found)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(search.found, text.data(), static_cast<int>(text.size()))));
  std::fputs(Utf8(text).c_str(), stdout);
  return 0;
}
