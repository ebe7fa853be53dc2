// Prints the file list on the clipboard (CF_HDROP), one path a line in
// UTF-8, as a file manager that pastes it would read it. Exit code 0 with
// the list, 1 when the clipboard holds no file list, 2 when it cannot be
// opened. The end-to-end suite runs it while the program under test holds
// the clipboard's content.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& wide) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
  return text;
}

int PrintFileList(HDROP list) {
  const UINT count = DragQueryFileW(list, 0xFFFFFFFF, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    std::wstring path(DragQueryFileW(list, index, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(list, index, path.data(), static_cast<UINT>(path.size())));
    std::fputs((Utf8(path) + "\n").c_str(), stdout);
  }
  return 0;
}

}  // namespace

int main() {
  // Another program may hold the clipboard for a moment.
  bool opened = false;
  for (int attempt = 0; attempt < 50 && !opened; ++attempt) {
    opened = OpenClipboard(nullptr) != FALSE;
    if (!opened) Sleep(20);
  }
  if (!opened) return 2;
  const HANDLE data = GetClipboardData(CF_HDROP);
  const int result = data == nullptr ? 1 : PrintFileList(static_cast<HDROP>(data));
  CloseClipboard();
  return result;
}
