#include "app/results/copy_check_option.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"

namespace vorlix::app {

void ShowCopyCheck(bool on) { SetMenuChecked(main_window::menu::复制后校验, on); }

bool CopyCheckOn() { return IsMenuChecked(main_window::menu::复制后校验); }

}  // namespace vorlix::app
