#include "platform/dropped_data_win32.h"

#include <shellapi.h>

#include <cstdint>
#include <span>

#include "platform/drop_rules.h"
#include "platform/utf8_codec.h"
#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

CLIPFORMAT Registered(const wchar_t* name) { return static_cast<CLIPFORMAT>(RegisterClipboardFormatW(name)); }

CLIPFORMAT HtmlFormat() {
  static const CLIPFORMAT format = Registered(L"HTML Format");
  return format;
}
CLIPFORMAT LinkFormat() {
  static const CLIPFORMAT format = Registered(L"UniformResourceLocator");
  return format;
}
CLIPFORMAT WideLinkFormat() {
  static const CLIPFORMAT format = Registered(L"UniformResourceLocatorW");
  return format;
}

FORMATETC GlobalFormat(CLIPFORMAT format) { return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool OffersFormat(IDataObject* data, CLIPFORMAT format) {
  FORMATETC wanted = GlobalFormat(format);
  return data->QueryGetData(&wanted) == S_OK;
}

// The bytes of the data's global memory block, whole.
std::optional<std::string> GlobalBytes(IDataObject* data, CLIPFORMAT format) {
  FORMATETC wanted = GlobalFormat(format);
  STGMEDIUM medium{};
  if (data->GetData(&wanted, &medium) != S_OK) return std::nullopt;
  std::optional<std::string> bytes;
  if (medium.tymed == TYMED_HGLOBAL) {
    if (const void* block = GlobalLock(medium.hGlobal)) {
      bytes.emplace(static_cast<const char*>(block), GlobalSize(medium.hGlobal));
      GlobalUnlock(medium.hGlobal);
    }
  }
  ReleaseStgMedium(&medium);
  return bytes;
}

std::string UpToZero(std::string bytes) { return bytes.substr(0, bytes.find('\0')); }

std::wstring WideUpToZero(const std::string& bytes) {
  std::wstring wide(bytes.size() / sizeof(wchar_t), L'\0');
  bytes.copy(reinterpret_cast<char*>(wide.data()), wide.size() * sizeof(wchar_t));
  return wide.substr(0, wide.find(L'\0'));
}

// Texts in the system's ANSI code page, which need not be GBK's.
std::string FromAnsi(const std::string& ansi) {
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), length);
  return Narrow(wide);
}

std::optional<std::string> WideOrAnsi(IDataObject* data, CLIPFORMAT wide_format, CLIPFORMAT ansi_format) {
  if (auto wide = GlobalBytes(data, wide_format)) return Narrow(WideUpToZero(*wide));
  if (auto ansi = GlobalBytes(data, ansi_format)) return FromAnsi(UpToZero(*ansi));
  return std::nullopt;
}

}  // namespace

bool Offers(IDataObject* data, DroppedFormat format) {
  switch (format) {
    case DroppedFormat::kText:
      return OffersFormat(data, CF_UNICODETEXT) || OffersFormat(data, CF_TEXT);
    case DroppedFormat::kHtml:
      return OffersFormat(data, HtmlFormat());
    case DroppedFormat::kLink:
      return OffersFormat(data, LinkFormat()) || OffersFormat(data, WideLinkFormat());
    case DroppedFormat::kFiles:
      return OffersFormat(data, CF_HDROP);
  }
  return false;
}

std::optional<std::string> DroppedText(IDataObject* data) { return WideOrAnsi(data, CF_UNICODETEXT, CF_TEXT); }

// "HTML Format" is UTF-8 by definition, whatever the system's code page.
std::optional<std::string> DroppedHtml(IDataObject* data) {
  auto html = GlobalBytes(data, HtmlFormat());
  if (!html) return std::nullopt;
  const std::string utf8 = UpToZero(*html);
  const std::u16string wide = Utf8ToUtf16(std::span(reinterpret_cast<const std::uint8_t*>(utf8.data()), utf8.size()));
  const std::u16string spaced = WithOrdinarySpaces(wide);
  return Narrow(std::wstring_view(reinterpret_cast<const wchar_t*>(spaced.data()), spaced.size()));
}

std::optional<std::string> DroppedLink(IDataObject* data) { return WideOrAnsi(data, WideLinkFormat(), LinkFormat()); }

std::vector<std::string> DroppedPaths(IDataObject* data) {
  FORMATETC wanted = GlobalFormat(CF_HDROP);
  STGMEDIUM medium{};
  std::vector<std::string> paths;
  if (data->GetData(&wanted, &medium) != S_OK) return paths;
  if (medium.tymed == TYMED_HGLOBAL) {
    HDROP drop = static_cast<HDROP>(medium.hGlobal);
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
      path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
      paths.push_back(Narrow(path));
    }
  }
  ReleaseStgMedium(&medium);
  return paths;
}

}  // namespace vorlix::platform
