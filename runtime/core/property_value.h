#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace vorlix::core {

// GBK bytes of a text, as everywhere in the program.
using Text = std::string;
// A byte block (picture, font, cursor, column definitions...).
using Bytes = std::vector<std::uint8_t>;
using TextList = std::vector<Text>;

// A stored property value: numbers, colours and truth values as one 32-bit
// word, texts, byte blocks, and lists of texts.
using PropertyValue = std::variant<std::int32_t, Text, Bytes, TextList>;

}  // namespace vorlix::core
