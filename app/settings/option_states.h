#pragma once

#include <string_view>

#include "app/mainwindow/main_window_units.h"
#include "texts.h"

// How the options show on screen; shared by their handlers and the start.
namespace vorlix::app::settings {

// 单选框_整个电脑 or 单选框_指定路径 checked, the other not; 按钮_搜索路径
// is disabled while the whole computer is chosen.
void ShowScope(bool whole_computer);

// 单选框_模糊搜索 or 单选框_精确搜索 checked, the other not.
void ShowMatch(bool fuzzy);

// A button that an entry of the result list's menu disables and enables.
struct ButtonToggle {
  core::UnitId button;
  core::UnitId menu_item;
  std::string_view key;
  std::string_view disable_caption;
  std::string_view enable_caption;
};

inline constexpr ButtonToggle kDeleteButtonToggle{main_window::按钮4, main_window::menu::禁用删除按钮,
                                                  texts::kKeyDeleteButtonDisabled, texts::kMenuDisableDeleteButton,
                                                  texts::kMenuEnableDeleteButton};
inline constexpr ButtonToggle kMoveButtonToggle{main_window::按钮5, main_window::menu::禁用移动按钮,
                                                texts::kKeyMoveButtonDisabled, texts::kMenuDisableMoveButton,
                                                texts::kMenuEnableMoveButton};

// Disables or enables the button; its menu entry then names what a click
// on it would do.
void ShowButtonDisabled(const ButtonToggle& toggle, bool disabled);

}  // namespace vorlix::app::settings
