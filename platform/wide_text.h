#pragma once

#include <string>
#include <string_view>

namespace vorlix::platform {

// The Win32 edge: the system's GBK texts to and from the W functions' UTF-16.
std::wstring Wide(std::string_view gbk);
std::string Narrow(std::wstring_view wide);

}  // namespace vorlix::platform
