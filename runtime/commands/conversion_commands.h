#pragma once

#include <cstdint>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// Any value as text: integers in decimal, a float as "%.6g", a double as
// "%.13g", a truth value as "真" or "假", a date-time as year, month and day
// followed by the time down to its last non-zero part, a text as itself, a
// byte set (or an array of numbers, over its elements' bytes) up to its first
// zero byte; anything else gives the empty text.
core::Text ToText(const core::Value& value);

// Any value as an integer: a truth value 0 or 1; a text, full-width forms
// folded first, read as a decimal number (leading white space and a sign
// allowed, 0 without digits, held within the integer range); integers as they
// are (a long integer by its low 32 bits); floats truncated toward zero and
// held within the integer range; a subroutine by its address; anything else 0.
std::int32_t ToInteger(const core::Value& value);

// The little-endian memory form of a number, truth value, date-time or
// subroutine address; a text's bytes without the terminator; a copy of a byte
// set; the elements' bytes of an array of numbers; else the empty byte set.
core::ByteSet ToByteSet(const core::Value& value);

std::int32_t ByteSetLength(const core::ByteSet& bytes);

}  // namespace vorlix::commands
