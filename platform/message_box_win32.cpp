#include "platform/message_box.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace vorlix::platform {

void ShowErrorBox(const std::string& gbk_text, const std::string& gbk_title) {
  MessageBoxW(nullptr, Wide(gbk_text).c_str(), Wide(gbk_title).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace vorlix::platform
