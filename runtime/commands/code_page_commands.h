#pragma once

#include <optional>
#include <string>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// The text in the system's ANSI code page (which need not be 936); none
// when one of its characters has no place there.
std::optional<std::string> TextInAnsiCodePage(const core::Text& text);

// The text in UTF-16, by the system's own codec: characters that GBK lacks
// come from their GB18030 four-byte sequences.
std::u16string TextInUtf16(const core::Text& text);

}  // namespace vorlix::commands
