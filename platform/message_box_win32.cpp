#include "platform/message_box.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace vorlix::platform {

void ShowErrorBox(const std::string& gbk_text, const std::string& gbk_title) {
  MessageBoxW(nullptr, Wide(gbk_text).c_str(), Wide(gbk_title).c_str(), MB_OK | MB_ICONERROR);
}

int ShowMessageBox(const std::string& gbk_text, const std::string& gbk_title, std::uint32_t style) {
  return MessageBoxW(nullptr, Wide(gbk_text).c_str(), Wide(gbk_title).c_str(), style);
}

}  // namespace vorlix::platform
