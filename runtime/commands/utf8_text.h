#pragma once

#include <string>
#include <string_view>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// The system's texts in UTF-8 and back, by its own codec: characters that
// GBK lacks travel as GB18030 four-byte sequences inside, and come out as
// themselves, so a file written in UTF-8 keeps every name whole.
std::string TextInUtf8(std::string_view text);
core::Text TextFromUtf8(std::string_view utf8);

}  // namespace vorlix::commands
