#include "runtime/core/values/raw_value.h"

#include <algorithm>
#include <array>
#include <bit>
#include <type_traits>

namespace vorlix::core {
namespace {

// The memory forms are little-endian, and so is every target of this program.
static_assert(std::endian::native == std::endian::little);

template <class T>
T FromBytes(std::span<const std::uint8_t> bytes) {
  std::array<std::uint8_t, sizeof(T)> raw{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), raw.size()), raw.begin());
  return std::bit_cast<T>(raw);
}

template <class T>
void Append(T value, ByteSet& out) {
  const auto raw = std::bit_cast<std::array<std::uint8_t, sizeof(T)>>(value);
  out.insert(out.end(), raw.begin(), raw.end());
}

Text TextFromBytes(std::span<const std::uint8_t> bytes) {
  const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  return Text(bytes.begin(), end);
}

}  // namespace

Value StoreFromBytes(TypeCode type, std::span<const std::uint8_t> bytes) {
  using namespace type_codes;
  switch (type) {
    case kByte: return FromBytes<std::uint8_t>(bytes);
    case kShort: return FromBytes<std::int16_t>(bytes);
    case kInteger: return FromBytes<std::int32_t>(bytes);
    case kLong: return FromBytes<std::int64_t>(bytes);
    case kFloat: return FromBytes<float>(bytes);
    case kDouble: return FromBytes<double>(bytes);
    case kBool: return FromBytes<std::int32_t>(bytes) != 0;
    case kDateTime: return DateTime(FromBytes<double>(bytes));
    case kText: return TextFromBytes(bytes);
    case kByteSet: return ByteSet(bytes.begin(), bytes.end());
    case kSubroutine: return SubroutineAddress{FromBytes<std::uint32_t>(bytes)};
    default: return Value();
  }
}

bool AppendMemoryForm(const Value& value, ByteSet& out) {
  return std::visit(
      [&out](const auto& v) {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, bool>) {
          Append(std::int32_t{v ? 1 : 0}, out);
        } else if constexpr (std::is_arithmetic_v<T>) {
          Append(v, out);
        } else if constexpr (std::is_same_v<T, DateTime>) {
          Append(v.days(), out);
        } else if constexpr (std::is_same_v<T, SubroutineAddress>) {
          // The memory form of an address is one 32-bit word.
          Append(static_cast<std::uint32_t>(v.entry), out);
        } else {
          return false;
        }
        return true;
      },
      value.storage());
}

ByteSet ReadAsBytes(const Value& value) {
  ByteSet bytes;
  if (const Text* text = value.get_if<Text>()) {
    bytes.assign(text->begin(), text->end());
    bytes.push_back(0);
  } else if (const ByteSet* byte_set = value.get_if<ByteSet>()) {
    bytes = *byte_set;
  } else if (IsNumericType(value.type_code()) || value.type_code() == type_codes::kBool) {
    AppendMemoryForm(value, bytes);
  }
  return bytes;
}

}  // namespace vorlix::core
