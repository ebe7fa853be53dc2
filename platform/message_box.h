#pragma once

#include <string>

namespace vorlix::platform {

// A modal box without owner showing the error icon and an OK button.
void ShowErrorBox(const std::string& gbk_text, const std::string& gbk_title);

}  // namespace vorlix::platform
