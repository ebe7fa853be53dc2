#pragma once

#include <string>
#include <string_view>

namespace vorlix::core {

// An error the program cannot go on from: one box titled "错误" (unless the
// error hook takes it), then the program ends with exit code -1.
[[noreturn]] void FatalError(std::string_view gbk_text, int error_code = 0);

// The numbered runtime errors 1-11 raised by application code; the number
// becomes the error code and its text the message.
[[noreturn]] void RuntimeError(int number);

// The box's text: heading, then the code when not 0, then the message when
// not empty.
std::string FatalErrorBoxText(std::string_view gbk_text, int error_code);

// Called before the box with (suspension depth, code, text); returning true
// skips the box. The program still ends unless the hook does not return
// (tests throw from it to observe the error).
using ErrorHook = bool (*)(int suspension_depth, int error_code, std::string_view gbk_text);
void SetErrorHook(ErrorHook hook);

}  // namespace vorlix::core
