#include "runtime/core/template/unit_property_values.h"

#include "runtime/core/values/overloaded.h"
#include "runtime/core/template/stored_properties.h"

namespace vorlix::core {
namespace {

std::optional<std::int32_t> WordOf(const Value& value) {
  return std::visit(
      Overloaded{
          [](std::uint8_t v) -> std::optional<std::int32_t> { return v; },
          [](std::int16_t v) -> std::optional<std::int32_t> { return v; },
          [](std::int32_t v) -> std::optional<std::int32_t> { return v; },
          [](std::int64_t v) -> std::optional<std::int32_t> { return static_cast<std::int32_t>(v); },
          [](float v) -> std::optional<std::int32_t> { return static_cast<std::int32_t>(v); },
          [](double v) -> std::optional<std::int32_t> { return static_cast<std::int32_t>(v); },
          [](bool v) -> std::optional<std::int32_t> { return v ? 1 : 0; },
          [](const auto&) -> std::optional<std::int32_t> { return std::nullopt; },
      },
      value.storage());
}

std::optional<TextList> TextListOf(const Value& value) {
  const auto* array = value.get_if<Array>();
  if (array == nullptr || array->element_type() != type_codes::kText) return std::nullopt;
  TextList list;
  for (const auto& element : array->elements()) list.push_back(*element.get_if<Text>());
  return list;
}

}  // namespace

Value ValueOfProperty(const PropertyValue& value, PropertyValueKind kind) {
  return std::visit(Overloaded{
                        [&](std::int32_t word) -> Value {
                          if (kind == PropertyValueKind::kTruth) return Value(word != 0);
                          return Value(word);
                        },
                        [](const Text& text) -> Value { return Value(text); },
                        [](const ByteSet& bytes) -> Value { return Value(bytes); },
                        [](const TextList& list) -> Value { return Value(Array::OfTexts(list)); },
                    },
                    value);
}

Value ValueOfCommonProperty(int number, const PropertyValue& value) {
  const bool truth = number == common_props::kVisible || number == common_props::kDisabled;
  return ValueOfProperty(value, truth ? PropertyValueKind::kTruth : PropertyValueKind::kInteger);
}

std::optional<PropertyValue> PropertyOfValue(const Value& value, const PropertyValue& form) {
  return std::visit(Overloaded{
                        [&](std::int32_t) -> std::optional<PropertyValue> {
                          if (auto word = WordOf(value)) return PropertyValue{*word};
                          return std::nullopt;
                        },
                        [&](const Text&) -> std::optional<PropertyValue> {
                          if (const auto* text = value.get_if<Text>()) return PropertyValue{*text};
                          return std::nullopt;
                        },
                        [&](const ByteSet&) -> std::optional<PropertyValue> {
                          if (const auto* bytes = value.get_if<ByteSet>()) return PropertyValue{*bytes};
                          return std::nullopt;
                        },
                        [&](const TextList&) -> std::optional<PropertyValue> {
                          if (auto list = TextListOf(value)) return PropertyValue{*list};
                          return std::nullopt;
                        },
                    },
                    form);
}

}  // namespace vorlix::core
