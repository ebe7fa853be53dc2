#include "platform/progress_bar_control.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "platform/child_window_win32.h"

namespace vorlix::platform {

WindowHandle CreateProgressBarControl(const ChildWindowSpec& spec, int border, bool vertical, bool smooth) {
  const BorderStyles borders = BorderStylesOf(border);
  DWORD style = borders.style | (vertical ? PBS_VERTICAL : 0) | (smooth ? PBS_SMOOTH : 0);
  return reinterpret_cast<WindowHandle>(CreateControl(PROGRESS_CLASSW, style, borders.extended, spec));
}

void SetProgressBarRange(WindowHandle bar, int first, int second) {
  const auto [low, high] = std::minmax(first, second);
  SendMessageW(reinterpret_cast<HWND>(bar), PBM_SETRANGE32, static_cast<WPARAM>(low), high);
}

void SetProgressBarPosition(WindowHandle bar, int position) {
  SendMessageW(reinterpret_cast<HWND>(bar), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

int ProgressBarPosition(WindowHandle bar) {
  return static_cast<int>(SendMessageW(reinterpret_cast<HWND>(bar), PBM_GETPOS, 0, 0));
}

}  // namespace vorlix::platform
