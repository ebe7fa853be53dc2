#pragma once

#include <cstdint>
#include <utility>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "runtime/core/values/date_time.h"
#include "runtime/core/values/identifiers.h"
#include "runtime/core/values/value_type_codes.h"

namespace vorlix::core {

// GBK bytes without the terminating zero; the null text of the calling
// convention is simply the empty text. A text holds no zero byte: whatever
// builds one from raw bytes stops at the first.
using Text = std::string;

using ByteSet = std::vector<std::uint8_t>;

// The entry of an application subroutine.
struct SubroutineAddress {
  std::uintptr_t entry = 0;
};

// The 8-byte basic type that the application never uses: carried, not read.
struct EightByteValue {
  std::uint32_t low = 0;
  std::uint32_t high = 0;
};

// A unit, or the window itself (its own record id with type kWindow), or a
// menu item (its item id with type kMenu).
struct UnitReference {
  WindowId window = 0;
  UnitId unit = 0;
  UnitTypeCode type = 0;
};

class Value;

// A one-dimensional array whose elements all have one basic type.
class Array {
 public:
  // Raises runtime error 5 (type mismatch) when an element is not of
  // element_type or element_type is not a basic type.
  Array(TypeCode element_type, std::vector<Value> elements);
  static Array OfTexts(const std::vector<Text>& texts);

  TypeCode element_type() const { return element_type_; }
  const std::vector<Value>& elements() const { return elements_; }

 private:
  TypeCode element_type_;
  std::vector<Value> elements_;
};

// Any value of the system together with its type. Default-constructed it is
// "not given" (type code 0), the state of an optional argument left out.
// Copying copies the texts, byte sets and arrays it holds.
class Value {
 public:
  using Storage = std::variant<std::monostate, std::uint8_t, std::int16_t, std::int32_t, std::int64_t, float, double,
                               bool, DateTime, Text, ByteSet, SubroutineAddress, EightByteValue, UnitReference, Array>;

  Value() = default;
  Value(std::uint8_t v) : storage_(std::in_place_type<std::uint8_t>, v) {}
  Value(std::int16_t v) : storage_(std::in_place_type<std::int16_t>, v) {}
  Value(std::int32_t v) : storage_(std::in_place_type<std::int32_t>, v) {}
  Value(std::int64_t v) : storage_(std::in_place_type<std::int64_t>, v) {}
  Value(float v) : storage_(std::in_place_type<float>, v) {}
  Value(double v) : storage_(std::in_place_type<double>, v) {}
  Value(bool v) : storage_(std::in_place_type<bool>, v) {}
  Value(DateTime v) : storage_(v) {}
  Value(Text v) : storage_(std::move(v)) {}
  Value(std::string_view v) : storage_(Text(v)) {}
  // Without it a literal would turn into a truth value.
  Value(const char* v) : storage_(Text(v)) {}
  Value(ByteSet v) : storage_(std::move(v)) {}
  Value(SubroutineAddress v) : storage_(v) {}
  Value(EightByteValue v) : storage_(v) {}
  Value(UnitReference v) : storage_(v) {}
  Value(Array v) : storage_(std::move(v)) {}

  // The type word: an array gives its element type with kPointsToStorage.
  TypeCode type_code() const;
  bool given() const { return !std::holds_alternative<std::monostate>(storage_); }

  template <class T>
  const T* get_if() const {
    return std::get_if<T>(&storage_);
  }
  const Storage& storage() const { return storage_; }

 private:
  Storage storage_;
};

}  // namespace vorlix::core
