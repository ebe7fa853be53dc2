#include "runtime/core/state/live_unit.h"

#include "runtime/core/state/unit_font_spec.h"

namespace vorlix::core {

LiveUnit::LiveUnit(UnitTypeCode type, UnitPropertyData data, platform::WindowHandle window)
    : data_(std::move(data)), type_code_(type), window_(window) {}

LiveUnit::~LiveUnit() {
  platform::DestroyNativeWindow(window_);
  platform::DeleteUnitFont(font_);
}

std::optional<PropertyValue> LiveUnit::Get(int property) {
  if (auto live = GetLive(property)) return live;
  ReadBack();
  if (const PropertyValue* stored = data_.Get(property)) return *stored;
  return std::nullopt;
}

UnitPropertyData::SetResult LiveUnit::Set(int property, const PropertyValue& value) {
  if (SetLive(property, value)) return UnitPropertyData::SetResult::kApplied;
  ReadBack();
  const auto result = data_.Set(property, value);
  if (result == UnitPropertyData::SetResult::kApplied) Apply(property);
  return result;
}

ByteSet LiveUnit::CurrentData() {
  ReadBackAll();
  return data_.Emit();
}

void LiveUnit::UseFont(int property) {
  const platform::FontHandle previous = font_;
  const auto stored = data_.Font(property);
  font_ = stored ? platform::CreateUnitFont(FontSpecOf(*stored)) : platform::DefaultGuiFont();
  platform::SetWindowFont(window_, font_);
  platform::DeleteUnitFont(previous);
}

}  // namespace vorlix::core
