// A handler whose window was closed while it processed events stops at its
// next check and ends quietly at its table entry.
#include "app/mainwindow/window_lifetime.h"

#include <gtest/gtest.h>

#include "runtime/core/state/runtime_state.h"

namespace vorlix::app {
namespace {

bool went_on = false;

core::HandlerResult ChecksThenGoesOn(std::span<const core::Value>) {
  went_on = false;
  StopIfMainWindowClosed();
  went_on = true;
  return 7;
}

class WindowLifetime : public ::testing::Test {
 protected:
  void TearDown() override { core::Runtime().open_windows.clear(); }
};

TEST_F(WindowLifetime, a_handler_goes_on_and_returns_its_value_while_the_main_window_is_open) {
  core::Runtime().open_windows = {core::kMainWindowId};
  EXPECT_EQ(Guarded<ChecksThenGoesOn>({}), core::HandlerResult(7));
  EXPECT_TRUE(went_on);
}

TEST_F(WindowLifetime, a_handler_stops_at_its_check_once_the_main_window_has_gone) {
  core::Runtime().open_windows = {0x52010002};
  EXPECT_EQ(Guarded<ChecksThenGoesOn>({}), std::nullopt);
  EXPECT_FALSE(went_on);
}

}  // namespace
}  // namespace vorlix::app
