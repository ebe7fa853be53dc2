// libFuzzer harness of the unit property data: the first byte picks a unit
// type of the program, the rest is its stored data. Data a type accepts is
// written in the newest layout and reads back the same; the structured
// blocks and fonts decode without reading past their ends.
#include <cstdlib>

#include "runtime/core/template/list_view_blocks.h"
#include "runtime/core/template/log_font.h"
#include "runtime/core/template/unit_property_data.h"

namespace {

using namespace vorlix::core;

constexpr UnitTypeCode kTypes[] = {
    type_codes::kWindow,   type_codes::kEditBox,    type_codes::kLabel,    type_codes::kButton,
    type_codes::kCheckBox, type_codes::kRadioBox,   type_codes::kListBox,  type_codes::kProcessBar,
    type_codes::kTimer,    type_codes::kShapeBox,   type_codes::kListView, type_codes::kTransLabel,
    type_codes::kDropTarget,
};

void DecodeBlocks(const UnitPropertyData& data) {
  for (std::size_t property = 0; property < data.Type().properties.size(); ++property) {
    const PropertyValue* value = data.Get(static_cast<int>(property));
    const auto* bytes = value != nullptr ? std::get_if<ByteSet>(value) : nullptr;
    if (bytes == nullptr) continue;
    DecodeFont(*bytes);
    ParseListViewColumns(*bytes);
    ParseListViewInitialEntries(*bytes);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const UnitTypeDescriptor& type = *FindUnitType(kTypes[data[0] % std::size(kTypes)]);
  const auto parsed = UnitPropertyData::Parse(type, std::span<const std::uint8_t>(data + 1, size - 1));
  if (!parsed) return 0;
  DecodeBlocks(*parsed);
  const ByteSet emitted = parsed->Emit();
  const auto again = UnitPropertyData::Parse(type, emitted);
  if (!again || !(*again == *parsed) || again->Emit() != emitted) std::abort();
  return 0;
}
