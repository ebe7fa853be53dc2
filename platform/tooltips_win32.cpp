#include "platform/tooltips.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

// Far wider than any screen: the tip then never wraps on its own but still
// honours the line breaks of its text.
constexpr LPARAM kUnlimitedTipWidth = 0x7FFF;

HWND tooltip_window = nullptr;

HWND CreateToolTipWindow(bool balloon) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  DWORD style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX;
  if (balloon) style |= TTS_BALLOON;
  return CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int AddToolTip(WindowHandle window, std::string_view gbk_tip, const ToolTipStyle& style) {
  if (window == 0) return 0;
  if (tooltip_window == nullptr) tooltip_window = CreateToolTipWindow(style.balloon);
  HWND tool = reinterpret_cast<HWND>(window);
  std::wstring tip = Wide(gbk_tip);
  TTTOOLINFOW info{};
  // The older layout is the one every version of the control accepts.
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  if (style.centred) info.uFlags |= TTF_CENTERTIP;
  HWND parent = GetParent(tool);
  info.hwnd = parent != nullptr ? parent : tool;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = tip.data();
  SendMessageW(tooltip_window, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  return static_cast<int>(SendMessageW(tooltip_window, TTM_SETMAXTIPWIDTH, 0, kUnlimitedTipWidth));
}

WindowHandle ProgramToolTipWindow() { return reinterpret_cast<WindowHandle>(tooltip_window); }

}  // namespace vorlix::platform
