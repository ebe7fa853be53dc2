#include "app/settings/option_states.h"

#include "app/settings/settings_units.h"

namespace vorlix::app::settings {

using namespace main_window;

void ShowScope(bool whole_computer) {
  SetChecked(单选框_整个电脑, whole_computer);
  SetChecked(单选框_指定路径, !whole_computer);
  SetDisabled(按钮_搜索路径, whole_computer);
}

void ShowMatch(bool fuzzy) {
  SetChecked(单选框_模糊搜索, fuzzy);
  SetChecked(单选框_精确搜索, !fuzzy);
}

void ShowButtonDisabled(const ButtonToggle& toggle, bool disabled) {
  SetDisabled(toggle.button, disabled);
  SetMenuCaption(toggle.menu_item, disabled ? toggle.enable_caption : toggle.disable_caption);
}

}  // namespace vorlix::app::settings
