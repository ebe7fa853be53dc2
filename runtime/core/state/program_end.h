#pragma once

#include <string>

namespace vorlix::core {

// The modal "错误" box without owner, with the error icon.
void ShowFatalErrorBox(const std::string& gbk_text);

// Ends the program in order with exit_code, from any thread: the exit
// routine, the libraries' end notice, the external-function modules and
// the component-object library, then the process.
[[noreturn]] void EndProgram(int exit_code);

// Registers the application's exit routine, which the orderly end calls
// first (once).
void SetExitRoutine(void (*routine)());

}  // namespace vorlix::core
