#include "runtime/core/template/unit_property_data.h"

#include <algorithm>
#include <utility>

#include "runtime/core/template/byte_reader.h"
#include "runtime/core/template/byte_writer.h"

namespace vorlix::core {
namespace {

PropertyValue EmptyValueOf(FieldForm form, std::int32_t default_word) {
  switch (form) {
    case FieldForm::kWord:
    case FieldForm::kU16: return default_word;
    case FieldForm::kText: return Text{};
    case FieldForm::kBytes: return ByteSet{};
    case FieldForm::kTextList: return TextList{};
  }
  return default_word;
}

PropertyValue ReadField(ByteReader& in, FieldForm form) {
  switch (form) {
    case FieldForm::kWord: return in.I32();
    case FieldForm::kU16: return std::int32_t{in.U16()};
    case FieldForm::kText: return in.BlockText();
    case FieldForm::kBytes: return in.BlockBytes();
    case FieldForm::kTextList: {
      TextList list(in.Count(4));
      for (auto& text : list) text = in.BlockText();
      return list;
    }
  }
  throw MalformedData("an unknown field form");
}

void WriteField(ByteWriter& out, FieldForm form, const PropertyValue& value) {
  switch (form) {
    case FieldForm::kWord: out.I32(std::get<std::int32_t>(value)); break;
    case FieldForm::kU16: out.U16(static_cast<std::uint16_t>(std::get<std::int32_t>(value))); break;
    case FieldForm::kText: out.Block(std::get<Text>(value)); break;
    case FieldForm::kBytes: out.Block(std::get<ByteSet>(value)); break;
    case FieldForm::kTextList: {
      const auto& list = std::get<TextList>(value);
      out.U32(static_cast<std::uint32_t>(list.size()));
      for (const auto& text : list) out.Block(text);
      break;
    }
  }
}

const StoredField* FieldOf(const PropertyLayout& layout, int property) {
  for (const auto& field : layout.fields) {
    if (field.property == property) return &field;
  }
  return nullptr;
}

}  // namespace

UnitPropertyData::UnitPropertyData(const UnitTypeDescriptor& type)
    : type_(&type), stored_version_(type.layout != nullptr ? type.layout->max_version : 0) {
  values_.reserve(type.properties.size());
  for (const auto& property : type.properties) values_.emplace_back(property.default_word);
  if (type.layout == nullptr) return;
  for (const auto& field : type.layout->fields) {
    values_.at(field.property) = EmptyValueOf(field.form, type.properties[field.property].default_word);
  }
}

std::optional<UnitPropertyData> UnitPropertyData::Parse(const UnitTypeDescriptor& type,
                                                        std::span<const std::uint8_t> data) {
  if (type.layout == nullptr) return std::nullopt;
  UnitPropertyData parsed(type);
  if (data.empty()) return parsed;
  const PropertyLayout& layout = *type.layout;
  try {
    ByteReader in(data);
    const std::uint32_t version = in.U32();
    if (version > layout.max_version) return std::nullopt;
    for (const auto& field : layout.fields) {
      // Version 0 is read as 1: every layout has its first fields.
      if (field.since_version <= std::max(version, 1u)) {
        parsed.values_[field.property] = ReadField(in, field.form);
      }
    }
    in.ExpectEnd("the property data");
    parsed.stored_version_ = version;
  } catch (const MalformedData&) {
    return std::nullopt;
  }
  if (layout.normalise != nullptr && !layout.normalise(parsed.values_)) return std::nullopt;
  return parsed;
}

ByteSet UnitPropertyData::Emit() const {
  if (type_->layout == nullptr) return {};
  ByteWriter out;
  out.U32(type_->layout->max_version);
  for (const auto& field : type_->layout->fields) WriteField(out, field.form, values_[field.property]);
  return out.Take();
}

const PropertyValue* UnitPropertyData::Get(int property) const {
  if (type_->layout == nullptr || FieldOf(*type_->layout, property) == nullptr) return nullptr;
  return &values_[property];
}

UnitPropertyData::SetResult UnitPropertyData::Set(int property, PropertyValue value) {
  if (Get(property) == nullptr || value.index() != values_[property].index()) return SetResult::kRefused;
  const PropertyDescriptor& descriptor = type_->properties[property];
  if (descriptor.kind == PropertyValueKind::kTruth) value = std::int32_t{std::get<std::int32_t>(value) != 0};
  if (FieldOf(*type_->layout, property)->form == FieldForm::kU16) {
    value = std::int32_t{static_cast<std::uint16_t>(std::get<std::int32_t>(value))};
  }
  PropertyValue previous = std::exchange(values_[property], std::move(value));
  if (type_->layout->normalise != nullptr && !type_->layout->normalise(values_)) {
    values_[property] = std::move(previous);
    return SetResult::kRefused;
  }
  return (descriptor.flags & property_flags::kRecreatesUnit) != 0 ? SetResult::kNeedsRecreate
                                                                  : SetResult::kApplied;
}

}  // namespace vorlix::core
