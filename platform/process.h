#pragma once

#include <cstdint>
#include <string>

namespace vorlix::platform {

[[noreturn]] void ExitProcessNow(int exit_code);

// For a thread that must not go on while another thread ends the process.
[[noreturn]] void WaitForProcessEnd();

std::uint32_t CurrentThreadId();

// False when the folder cannot be made the current directory.
bool SetCurrentDirectoryTo(const std::string& gbk_path);
std::string CurrentDirectory();

}  // namespace vorlix::platform
