#include "platform/unit_cursor.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/unit_cursor_win32.h"

namespace vorlix::platform {
namespace {

constexpr wchar_t kCursorProperty[] = L"VorlixCursor";

// The cursor file's directory entry, little-endian as stored.
std::uint32_t Word32(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::uint32_t value = 0;
  std::memcpy(&value, bytes.data() + at, sizeof value);
  return value;
}
std::uint16_t Word16(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::uint16_t value = 0;
  std::memcpy(&value, bytes.data() + at, sizeof value);
  return value;
}

}  // namespace

CursorHandle StandardCursor(int number) {
  static const LPCWSTR kNames[] = {IDC_ARROW,    IDC_CROSS,  IDC_IBEAM,  IDC_SIZEALL, IDC_SIZENESW,
                                   IDC_SIZENS,   IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT,
                                   IDC_NO,       IDC_APPSTARTING, IDC_HELP, IDC_HAND};
  if (number < 1 || number >= kStandardCursorCount) return 0;
  return reinterpret_cast<CursorHandle>(LoadCursorW(nullptr, kNames[number - 1]));
}

CursorHandle CursorFromFileBytes(std::span<const std::uint8_t> bytes) {
  // Header: reserved, type 2 (cursor), count; then 16-byte entries with the
  // hot spot at +4 and +6, the size at +8 and the offset at +12.
  constexpr std::size_t kHeader = 6;
  constexpr std::size_t kEntry = 16;
  if (bytes.size() < kHeader + kEntry || Word16(bytes, 2) != 2 || Word16(bytes, 4) == 0) return 0;
  const std::uint32_t size = Word32(bytes, kHeader + 8);
  const std::uint32_t offset = Word32(bytes, kHeader + 12);
  if (offset > bytes.size() || size > bytes.size() - offset) return 0;
  // The resource form puts the hot spot in front of the image.
  std::vector<std::uint8_t> resource(4 + size);
  std::memcpy(resource.data(), bytes.data() + kHeader + 4, 4);
  std::memcpy(resource.data() + 4, bytes.data() + offset, size);
  HICON cursor = CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()), FALSE, 0x00030000,
                                          0, 0, LR_DEFAULTCOLOR);
  return reinterpret_cast<CursorHandle>(cursor);
}

void DestroyFileCursor(CursorHandle cursor) {
  if (cursor != 0) DestroyCursor(reinterpret_cast<HCURSOR>(cursor));
}

void SetWindowCursor(WindowHandle window, CursorHandle cursor) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  if (cursor == 0) {
    RemovePropW(hwnd, kCursorProperty);
  } else {
    SetPropW(hwnd, kCursorProperty, reinterpret_cast<HANDLE>(cursor));
  }
}

bool AnswerCursorRequest(HWND window, LPARAM hit_test) {
  if (LOWORD(hit_test) != HTCLIENT) return false;
  HANDLE cursor = GetPropW(window, kCursorProperty);
  if (cursor == nullptr) return false;
  SetCursor(static_cast<HCURSOR>(cursor));
  return true;
}

void ForgetWindowCursor(HWND window) { RemovePropW(window, kCursorProperty); }

}  // namespace vorlix::platform
