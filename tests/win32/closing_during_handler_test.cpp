// Closing the main window while a long handler keeps it alive by processing
// events: the window goes, its destroy handler runs once while the units
// still exist, and the long handler stops at its next check instead of
// touching units that are gone.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "runtime/core/state/live_windows.h"
#include "runtime/core/units/unit_properties.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "tests/win32/main_window_fixture.h"

namespace vorlix::test {
namespace {

using namespace app::main_window;

constexpr int kStepsBeforeClose = 3;
int steps_done = 0;
int destroy_runs = 0;
bool units_there_at_destroy = false;

HWND MainFrame() { return reinterpret_cast<HWND>(core::FindLiveUnit(core::kMainWindowId, 0)->window()); }

// How the user closes the window while the work runs.
enum class CloseBy { kCloseBox, kEsc };
CloseBy close_by = CloseBy::kCloseBox;

void CloseTheWindow() {
  if (close_by == CloseBy::kCloseBox) {
    PostMessageW(MainFrame(), WM_SYSCOMMAND, SC_CLOSE, 0);
  } else {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
  }
}

// Stands for the file search: works in steps, keeping the window alive
// between them, and writes to a unit after each step.
core::HandlerResult LongWork(std::span<const core::Value>) {
  for (int step = 0; step < 1000; ++step) {
    if (step == kStepsBeforeClose) CloseTheWindow();
    app::KeepWindowAlive();
    core::WriteUnitProperty(core::kMainWindowId, 标签_状态, 8 + core::label_props::kCaption, core::Value("step"));
    ++steps_done;
  }
  return std::nullopt;
}

core::HandlerResult CountingDestroy(std::span<const core::Value>) {
  ++destroy_runs;
  units_there_at_destroy = core::FindLiveUnit(core::kMainWindowId, 编辑框_文件名) != nullptr;
  return std::nullopt;
}

class ClosingDuringHandler : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    steps_done = 0;
    destroy_runs = 0;
    units_there_at_destroy = false;
    close_by = CloseBy::kCloseBox;
    Replace("StartSearch", app::Guarded<LongWork>);
    Replace("SaveStateAtClose", app::Guarded<CountingDestroy>);
    ASSERT_TRUE(Build());
  }

  void StartLongWork() {
    core::EventRequest request{core::kMainWindowId, 按钮_立即搜索, 0, {}};
    ASSERT_TRUE(core::RaiseEvent(request));
  }
};

TEST_F(ClosingDuringHandler, the_running_handler_stops_once_the_window_is_gone) {
  StartLongWork();
  EXPECT_EQ(steps_done, kStepsBeforeClose) << "no step after the close";
  EXPECT_FALSE(app::MainWindowOpen());
  EXPECT_EQ(core::FindLiveWindow(core::kMainWindowId), nullptr);
}

TEST_F(ClosingDuringHandler, the_destroy_handler_runs_once_while_the_units_exist) {
  StartLongWork();
  PumpMessages();
  EXPECT_EQ(destroy_runs, 1);
  EXPECT_TRUE(units_there_at_destroy);
}

TEST_F(ClosingDuringHandler, esc_closes_the_window_under_the_running_handler_too) {
  close_by = CloseBy::kEsc;
  SetFocus(Unit(u"超级列表框1"));
  StartLongWork();
  EXPECT_EQ(steps_done, kStepsBeforeClose);
  EXPECT_FALSE(app::MainWindowOpen());
  EXPECT_EQ(destroy_runs, 1);
}

TEST_F(ClosingDuringHandler, work_started_by_a_real_click_ends_safely_when_the_window_goes) {
  SendMessageW(Unit(u"按钮_立即搜索"), BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_EQ(steps_done, kStepsBeforeClose);
  EXPECT_EQ(destroy_runs, 1);
  EXPECT_EQ(core::FindLiveWindow(core::kMainWindowId), nullptr);
}

}  // namespace
}  // namespace vorlix::test
