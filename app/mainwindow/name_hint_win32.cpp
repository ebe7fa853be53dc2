#include "app/mainwindow/name_hint.h"

#include "app/mainwindow/main_window_units.h"
#include "runtime/core/template/stored_properties.h"
#include "runtime/core/units/unit_properties.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::app {
namespace {

using namespace main_window;

constexpr int kEditBoxContent = 8 + core::edit_box_props::kContent;

void SetHintVisible(bool visible) {
  core::WriteUnitProperty(core::kMainWindowId, 透明标签1, core::common_props::kVisible, core::Value(visible));
}

}  // namespace

// Returns nothing, so the press goes on to its default processing.
core::HandlerResult HideNameHint(std::span<const core::Value>) {
  SetHintVisible(false);
  return std::nullopt;
}

core::HandlerResult ShowNameHint(std::span<const core::Value>) {
  const core::Value content = core::ReadUnitProperty(core::kMainWindowId, 编辑框_文件名, kEditBoxContent);
  const core::Text* text = content.get_if<core::Text>();
  if (text != nullptr && text->empty()) SetHintVisible(true);
  return std::nullopt;
}

}  // namespace vorlix::app
