#pragma once

#include <cstdint>
#include <variant>
#include <vector>

#include "runtime/core/values/value.h"

namespace vorlix::core {

using TextList = std::vector<Text>;

// A stored property value: numbers, colours and truth values as one 32-bit
// word, texts, byte blocks, and lists of texts.
using PropertyValue = std::variant<std::int32_t, Text, ByteSet, TextList>;

}  // namespace vorlix::core
