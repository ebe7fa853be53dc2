#include "runtime/core/values/value.h"

#include "runtime/core/values/fatal_error.h"
#include "runtime/core/values/overloaded.h"

namespace vorlix::core {
namespace {

constexpr int kTypeMismatch = 5;

}  // namespace

Array::Array(TypeCode element_type, std::vector<Value> elements)
    : element_type_(element_type), elements_(std::move(elements)) {
  if (!IsBasicType(element_type_) || PointsToStorage(element_type_)) RuntimeError(kTypeMismatch);
  for (const Value& element : elements_) {
    if (element.type_code() != element_type_) RuntimeError(kTypeMismatch);
  }
}

Array Array::OfTexts(const std::vector<Text>& texts) {
  return Array(type_codes::kText, std::vector<Value>(texts.begin(), texts.end()));
}

TypeCode Value::type_code() const {
  using namespace type_codes;
  return std::visit(Overloaded{
                        [](std::monostate) { return kNotGiven; },
                        [](std::uint8_t) { return kByte; },
                        [](std::int16_t) { return kShort; },
                        [](std::int32_t) { return kInteger; },
                        [](std::int64_t) { return kLong; },
                        [](float) { return kFloat; },
                        [](double) { return kDouble; },
                        [](bool) { return kBool; },
                        [](DateTime) { return kDateTime; },
                        [](const Text&) { return kText; },
                        [](const ByteSet&) { return kByteSet; },
                        [](SubroutineAddress) { return kSubroutine; },
                        [](EightByteValue) { return kEightByte; },
                        [](const UnitReference& unit) { return unit.type; },
                        [](const Array& array) { return array.element_type() | kPointsToStorage; },
                    },
                    storage_);
}

}  // namespace vorlix::core
