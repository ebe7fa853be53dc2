#include "app/results/result_units.h"

#include "app/mainwindow/main_window_units.h"

namespace vorlix::app {

core::UnitReference ResultList() {
  return {core::kMainWindowId, main_window::超级列表框1, core::type_codes::kListView};
}

core::UnitReference MainWindowItself() {
  return {core::kMainWindowId, core::kWindowOwnRecordId, core::type_codes::kWindow};
}

}  // namespace vorlix::app
