#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "runtime/core/template/log_font.h"
#include "runtime/core/template/property_value.h"
#include "runtime/core/template/unit_type_catalogue.h"

namespace vorlix::core {

// The type-specific properties of one unit, read from the stored property
// data of its record (the data side of create), served one by one (get and
// set), and written again in the type's newest layout (get all data).
class UnitPropertyData {
 public:
  // Every property at its default.
  explicit UnitPropertyData(const UnitTypeDescriptor& type);

  // An empty block gives the defaults. Nothing when the type keeps no
  // property data, the layout version is above the type's maximum, or the
  // block is not exactly one whole layout.
  static std::optional<UnitPropertyData> Parse(const UnitTypeDescriptor& type,
                                               std::span<const std::uint8_t> data);

  // The newest layout version, every field present.
  ByteSet Emit() const;

  // Null for a property that the data does not hold (numbers out of range,
  // properties of the live unit only).
  const PropertyValue* Get(int property) const;

  enum class SetResult { kRefused, kApplied, kNeedsRecreate };
  // Refused when the property is not stored or the value is of another form
  // (or, for structured blocks, not whole). Truth values are stored as 0 or 1.
  SetResult Set(int property, PropertyValue value);

  // Typed reads of stored properties (the property must have that form).
  std::int32_t Word(int property) const { return std::get<std::int32_t>(values_.at(property)); }
  const Text& TextOf(int property) const { return std::get<Text>(values_.at(property)); }
  const ByteSet& BytesOf(int property) const { return std::get<ByteSet>(values_.at(property)); }
  const TextList& ListOf(int property) const { return std::get<TextList>(values_.at(property)); }
  // Nothing means the system's default GUI font.
  std::optional<LogFont> Font(int property) const { return DecodeFont(BytesOf(property)); }

  const UnitTypeDescriptor& Type() const { return *type_; }
  // The layout version the data was read in (the newest for defaults).
  std::uint32_t StoredVersion() const { return stored_version_; }

  bool operator==(const UnitPropertyData& other) const {
    return type_ == other.type_ && values_ == other.values_;
  }

 private:
  const UnitTypeDescriptor* type_;
  std::uint32_t stored_version_ = 0;
  // One per type property, indexed by property number.
  std::vector<PropertyValue> values_;
};

}  // namespace vorlix::core
