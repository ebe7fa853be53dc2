#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vorlix::core {

// printf formatting into a text. The pattern may hold GBK bytes: no GBK
// byte of a double-byte character is a "%", so they pass through unchanged.
template <class... Args>
std::string FormatText(std::string_view pattern, Args... args) {
  const std::string format(pattern);  // the C library needs the terminator
  const int length = std::snprintf(nullptr, 0, format.c_str(), args...);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, format.c_str(), args...);
  return text;
}

}  // namespace vorlix::core
