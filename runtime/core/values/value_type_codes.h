#pragma once

#include <cstdint>

#include "runtime/core/values/identifiers.h"

namespace vorlix::core {

// The type word of every value. Basic types have the high bit set; a unit
// reference carries its unit's UnitTypeCode instead.
using TypeCode = std::uint32_t;

namespace type_codes {
constexpr TypeCode kNotGiven = 0;  // an optional argument that was left out
constexpr TypeCode kByte = 0x80000101;
constexpr TypeCode kShort = 0x80000201;
constexpr TypeCode kInteger = 0x80000301;
constexpr TypeCode kLong = 0x80000401;
constexpr TypeCode kFloat = 0x80000501;
constexpr TypeCode kDouble = 0x80000601;
constexpr TypeCode kBool = 0x80000002;
constexpr TypeCode kDateTime = 0x80000003;
constexpr TypeCode kText = 0x80000004;
constexpr TypeCode kByteSet = 0x80000005;
constexpr TypeCode kSubroutine = 0x80000006;
constexpr TypeCode kEightByte = 0x80000008;  // two plain words; the application never uses it

// Set when the value is the storage of an array (or a variable) rather than
// the value itself.
constexpr TypeCode kPointsToStorage = 0x20000000;
}  // namespace type_codes

constexpr bool IsBasicType(TypeCode code) { return (code & 0x80000000u) != 0; }

constexpr bool PointsToStorage(TypeCode code) { return (code & type_codes::kPointsToStorage) != 0; }

// byte, short, integer, long, float and double: the basic codes whose low byte is 1.
constexpr bool IsNumericType(TypeCode code) {
  return IsBasicType(code) && !PointsToStorage(code) && (code & 0xFF) == 1;
}

constexpr TypeCode WithoutStorageFlag(TypeCode code) { return code & ~type_codes::kPointsToStorage; }

}  // namespace vorlix::core
