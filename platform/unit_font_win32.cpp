#include "platform/unit_font.h"

#include <windows.h>

#include <algorithm>

#include "platform/wide_text.h"

namespace vorlix::platform {

FontHandle CreateUnitFont(const FontSpec& spec) {
  LOGFONTW font{};
  font.lfHeight = spec.height;
  font.lfWidth = spec.width;
  font.lfEscapement = spec.escapement;
  font.lfOrientation = spec.orientation;
  font.lfWeight = spec.weight;
  font.lfItalic = spec.italic;
  font.lfUnderline = spec.underline;
  font.lfStrikeOut = spec.strike_out;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = PROOF_QUALITY;
  const std::wstring face = Wide(spec.face_name);
  std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), font.lfFaceName);
  return reinterpret_cast<FontHandle>(CreateFontIndirectW(&font));
}

FontHandle DefaultGuiFont() { return reinterpret_cast<FontHandle>(GetStockObject(DEFAULT_GUI_FONT)); }

void DeleteUnitFont(FontHandle font) {
  if (font != 0 && font != DefaultGuiFont()) DeleteObject(reinterpret_cast<HFONT>(font));
}

void SetWindowFont(WindowHandle window, FontHandle font) {
  SendMessageW(reinterpret_cast<HWND>(window), WM_SETFONT, static_cast<WPARAM>(font), TRUE);
}

int LineHeight(FontHandle font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

}  // namespace vorlix::platform
