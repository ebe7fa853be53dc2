#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorlix::commands {

// Hands the file to the shell, without owner window, with the verb 1 "edit",
// 2 "explore", 3 "find", 4 "open", 5 "print" (the file's default verb for
// any other value or none), the parameters (none when absent), the working
// directory (empty when absent) and the show mode 1 hidden, 2 normal,
// 3 minimised, 4 maximised, 5 shown without becoming active, 6 minimised
// with the next window becoming active (normal when absent or out of
// range). The shell's answer is not reported.
void ShellOpen(std::optional<std::int32_t> verb, std::string_view file,
               std::optional<std::string_view> parameters = std::nullopt,
               std::optional<std::string_view> directory = std::nullopt,
               std::optional<std::int32_t> show_mode = std::nullopt);

// Opens the document with the program the system has for its type, in a
// normal window; false when none could be started (no program for the
// type, the file gone), so that the caller can say where the file is.
bool OpenDocument(std::string_view file);

// Opens the address (a built-in page when absent) with the verb "open" in
// normal show mode; the owner window is Internet Explorer's top-level
// window when there is one.
void OpenWebPage(std::optional<std::string_view> address = std::nullopt);

}  // namespace vorlix::commands
