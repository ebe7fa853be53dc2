#include "platform/unit_picture.h"

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstring>

namespace vorlix::platform {
namespace {

HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// The picture object owns its handle; the unit keeps a copy of its own.
UnitPicture CopyOut(IPicture& picture) {
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  picture.get_Type(&type);
  picture.get_Handle(&handle);
  const auto native = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(handle));
  if (type == PICTYPE_ICON) {
    return {UnitPicture::Kind::kIcon, reinterpret_cast<std::uintptr_t>(CopyIcon(static_cast<HICON>(native)))};
  }
  if (type == PICTYPE_BITMAP) {
    HANDLE copy = CopyImage(native, IMAGE_BITMAP, 0, 0, 0);
    return {UnitPicture::Kind::kBitmap, reinterpret_cast<std::uintptr_t>(copy)};
  }
  return {};
}

}  // namespace

UnitPicture LoadUnitPicture(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return {};
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (memory == nullptr) return {};
  std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return {};
  }
  IPicture* picture = nullptr;
  UnitPicture loaded;
  if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                               reinterpret_cast<void**>(&picture)))) {
    loaded = CopyOut(*picture);
    picture->Release();
  }
  stream->Release();
  return loaded.handle != 0 ? loaded : UnitPicture{};
}

void DestroyUnitPicture(const UnitPicture& picture) {
  if (picture.kind == UnitPicture::Kind::kIcon) DestroyIcon(reinterpret_cast<HICON>(picture.handle));
  if (picture.kind == UnitPicture::Kind::kBitmap) DeleteObject(reinterpret_cast<HBITMAP>(picture.handle));
}

void SetButtonPicture(WindowHandle button, const UnitPicture& picture) {
  const auto style = static_cast<DWORD>(GetWindowLongW(H(button), GWL_STYLE)) & ~(BS_BITMAP | BS_ICON);
  DWORD added = 0;
  if (picture.kind == UnitPicture::Kind::kBitmap) added = BS_BITMAP;
  if (picture.kind == UnitPicture::Kind::kIcon) added = BS_ICON;
  SetWindowLongW(H(button), GWL_STYLE, static_cast<LONG>(style | added));
  const WPARAM image = picture.kind == UnitPicture::Kind::kIcon ? IMAGE_ICON : IMAGE_BITMAP;
  SendMessageW(H(button), BM_SETIMAGE, image, static_cast<LPARAM>(picture.handle));
  InvalidateRect(H(button), nullptr, TRUE);
}

void SetWindowIcon(WindowHandle window, const UnitPicture& picture) {
  const LPARAM icon = picture.kind == UnitPicture::Kind::kIcon ? static_cast<LPARAM>(picture.handle) : 0;
  SendMessageW(H(window), WM_SETICON, ICON_BIG, icon);
  SendMessageW(H(window), WM_SETICON, ICON_SMALL, icon);
}

}  // namespace vorlix::platform
