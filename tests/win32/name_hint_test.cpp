// The grey hint over the name box on the built main window: a press on it
// hides it, and the box losing the focus while empty shows it again.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include "app/mainwindow/name_hint.h"
#include "app/mainwindow/window_lifetime.h"
#include "runtime/core/events/event_dispatch.h"
#include "tests/win32/main_window_fixture.h"

namespace vorlix::test {
namespace {

class NameHint : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Replace("HideNameHint", app::Guarded<app::HideNameHint>);
    Replace("ShowNameHint", app::Guarded<app::ShowNameHint>);
    ASSERT_TRUE(Build());
  }

  bool HintVisible() { return IsWindowVisible(Unit(u"透明标签1")) != FALSE; }

  core::HandlerResult Raise(std::u16string_view unit, std::int32_t event, std::vector<core::Value> arguments = {}) {
    core::EventRequest request{core::kMainWindowId, UnitId(unit), event, std::move(arguments)};
    EXPECT_TRUE(core::RaiseEvent(request));
    return request.result_present ? core::HandlerResult(request.result) : std::nullopt;
  }

  void PressOnHint() {
    const auto result = Raise(u"透明标签1", -1, {std::int32_t{5}, std::int32_t{5}, std::int32_t{0}});
    EXPECT_EQ(result, std::nullopt) << "the press goes on to its default processing";
  }
};

TEST_F(NameHint, a_press_on_the_hint_hides_it) {
  ASSERT_TRUE(HintVisible());
  PressOnHint();
  EXPECT_FALSE(HintVisible());
}

TEST_F(NameHint, an_empty_name_box_losing_the_focus_shows_the_hint_again) {
  PressOnHint();
  Raise(u"编辑框_文件名", -8);
  EXPECT_TRUE(HintVisible());
}

TEST_F(NameHint, a_name_box_holding_text_keeps_the_hint_hidden) {
  PressOnHint();
  SetWindowTextW(Unit(u"编辑框_文件名"), L"a.jpg");
  Raise(u"编辑框_文件名", -8);
  EXPECT_FALSE(HintVisible());
}

TEST_F(NameHint, a_name_box_holding_only_a_line_break_is_not_empty) {
  PressOnHint();
  SetWindowTextW(Unit(u"编辑框_文件名"), L"\r\n");
  Raise(u"编辑框_文件名", -8);
  EXPECT_FALSE(HintVisible());
}

}  // namespace
}  // namespace vorlix::test
