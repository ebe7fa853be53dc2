#pragma once

#include <cstdint>
#include <string>

namespace vorlix::platform {

// A modal box without owner showing the error icon and an OK button.
void ShowErrorBox(const std::string& gbk_text, const std::string& gbk_title);

// A box without owner; `style` is the platform's message-box style word.
// Gives the platform's number of the button pressed (1 OK, 2 Cancel,
// 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No), 0 when no box could be shown.
int ShowMessageBox(const std::string& gbk_text, const std::string& gbk_title, std::uint32_t style);

}  // namespace vorlix::platform
