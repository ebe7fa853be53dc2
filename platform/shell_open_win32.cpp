#include "platform/shell_open.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

int ShowCommand(ShowMode show) {
  switch (show) {
    case ShowMode::kHidden: return SW_HIDE;
    case ShowMode::kMinimized: return SW_SHOWMINIMIZED;
    case ShowMode::kMaximized: return SW_SHOWMAXIMIZED;
    case ShowMode::kShownInactive: return SW_SHOWNOACTIVATE;
    case ShowMode::kMinimizedActivateNext: return SW_MINIMIZE;
    case ShowMode::kNormal: break;
  }
  return SW_SHOWNORMAL;
}

}  // namespace

bool ShellOpenFile(const ShellOpenRequest& request) {
  std::wstring verb = request.verb ? Wide(*request.verb) : std::wstring();
  std::wstring parameters = request.parameters ? Wide(*request.parameters) : std::wstring();
  // ShellExecute's old answer: above 32 when something was started.
  const HINSTANCE started =
      ShellExecuteW(reinterpret_cast<HWND>(request.owner_window), request.verb ? verb.c_str() : nullptr,
                    Wide(request.file).c_str(), request.parameters ? parameters.c_str() : nullptr,
                    Wide(request.directory).c_str(), ShowCommand(request.show));
  return reinterpret_cast<INT_PTR>(started) > 32;
}

std::intptr_t FindTopLevelWindow(std::string_view title) {
  return reinterpret_cast<std::intptr_t>(FindWindowW(nullptr, Wide(title).c_str()));
}

}  // namespace vorlix::platform
