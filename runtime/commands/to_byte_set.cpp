#include "runtime/commands/conversion_commands.h"

#include "runtime/commands/byte_count.h"
#include "runtime/core/values/raw_value.h"

namespace vorlix::commands {
namespace {

core::ByteSet ArrayBytes(const core::Array& array) {
  core::ByteSet bytes;
  if (!core::IsNumericType(array.element_type())) return bytes;
  for (const core::Value& element : array.elements()) core::AppendMemoryForm(element, bytes);
  return bytes;
}

}  // namespace

core::ByteSet ToByteSet(const core::Value& value) {
  core::ByteSet bytes;
  if (core::AppendMemoryForm(value, bytes)) return bytes;
  if (const core::Text* text = value.get_if<core::Text>()) return core::ByteSet(text->begin(), text->end());
  if (const core::ByteSet* byte_set = value.get_if<core::ByteSet>()) return *byte_set;
  if (const core::Array* array = value.get_if<core::Array>()) return ArrayBytes(*array);
  return bytes;
}

std::int32_t ByteSetLength(const core::ByteSet& bytes) { return ByteCount(bytes.size()); }

}  // namespace vorlix::commands
