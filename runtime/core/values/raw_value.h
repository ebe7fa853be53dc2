#pragma once

#include <cstdint>
#include <span>

#include "runtime/core/values/value.h"
#include "runtime/core/values/value_type_codes.h"

namespace vorlix::core {

// A value of the given type made from raw bytes (stored property data, event
// arguments): numbers and subroutine addresses are copied, a truth value
// becomes true for any non-zero word, a date-time is clamped, a text stops at
// the first zero byte, a byte set takes every byte. Bytes that a short source
// lacks count as zero. Any other type gives a value that is not given.
Value StoreFromBytes(TypeCode type, std::span<const std::uint8_t> bytes);

// The other way: a number or truth value gives its fixed size (1, 2, 4 or 8
// bytes), a text its bytes with the terminating zero, a byte set its data
// bytes, any other type nothing.
ByteSet ReadAsBytes(const Value& value);

// Appends the little-endian memory form of a value that has a fixed size:
// numbers, the truth value (4 bytes, 0 or 1), the date-time (8) and the
// subroutine address (4). Returns false, appending nothing, for other types.
bool AppendMemoryForm(const Value& value, ByteSet& out);

}  // namespace vorlix::core
