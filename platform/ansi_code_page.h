#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlix::platform {

// The GBK text in the system's ANSI code page, which need not be 936; none
// when a character has no place there.
std::optional<std::string> InAnsiCodePage(std::string_view gbk);

}  // namespace vorlix::platform
