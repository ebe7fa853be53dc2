#pragma once

#include <string>

namespace vorlix::core {

// The platform's side of ending the program, used by the fatal-error path.

// Stops delivering events: nothing more reaches a handler after a fatal error.
void SuspendEvents();

// The modal "错误" box without owner, with the error icon.
void ShowFatalErrorBox(const std::string& gbk_text);

// The orderly end: clean-up, then the process ends with exit_code.
[[noreturn]] void EndProgram(int exit_code);

}  // namespace vorlix::core
