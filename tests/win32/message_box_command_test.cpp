#include "runtime/commands/message_box_command.h"

#include <gtest/gtest.h>

#include "dialog_driver.h"
#include "platform/wide_text.h"
#include "test_windows.h"
#include "texts.h"

// <windows.h>, included after the command's header, made it a macro again.
#undef MessageBox

namespace vorlix::commands {
namespace {

using vorlix::testing::DialogDriver;
using vorlix::testing::WindowText;

// The box's own text control.
constexpr int kMessageTextId = 0xFFFF;

struct Shown {
  std::wstring title;
  std::wstring message;
};

std::function<void(HWND)> Note(Shown& shown) {
  return [&shown](HWND box) {
    shown.title = WindowText(box);
    shown.message = WindowText(GetDlgItem(box, kMessageTextId));
  };
}

TEST(MessageBoxCommand, an_integer_shows_as_decimal_under_the_default_title) {
  Shown shown;
  DialogDriver driver(IDOK, Note(shown));

  EXPECT_EQ(MessageBox(core::Value(std::int32_t{5}), 0), 0);

  ASSERT_TRUE(driver.answered());
  EXPECT_EQ(shown.message, L"5");
  EXPECT_EQ(shown.title, platform::Wide(texts::kMessageBoxDefaultTitle));
}

TEST(MessageBoxCommand, a_byte_set_shows_an_empty_message) {
  Shown shown;
  DialogDriver driver(IDOK, Note(shown));

  MessageBox(core::Value(core::ByteSet{'a', 'b'}), 0, core::Text("t"));

  ASSERT_TRUE(driver.answered());
  EXPECT_EQ(shown.message, L"");
}

TEST(MessageBoxCommand, a_truth_value_shows_as_zhen_and_a_text_as_itself_under_its_title) {
  Shown shown;
  DialogDriver driver(IDOK, Note(shown));
  MessageBox(core::Value(true), 0);
  EXPECT_EQ(shown.message, platform::Wide(texts::kTrue));

  DialogDriver second(IDOK, Note(shown));
  MessageBox(core::Value(platform::Narrow(L"确定删除？")), 1, platform::Narrow(L"删除"));
  EXPECT_EQ(shown.message, L"确定删除？");
  EXPECT_EQ(shown.title, L"删除");
}

TEST(MessageBoxCommand, buttons_are_numbered_from_ok_0_to_no_6) {
  DialogDriver cancel(IDCANCEL);
  EXPECT_EQ(MessageBox(core::Value("x"), MB_OKCANCEL), 1);
  DialogDriver no(IDNO);
  EXPECT_EQ(MessageBox(core::Value("x"), MB_YESNO), 6);
  DialogDriver retry(IDRETRY);
  EXPECT_EQ(MessageBox(core::Value("x"), MB_ABORTRETRYIGNORE), 3);
}

TEST(MessageBoxCommand, the_box_is_task_modal_unless_system_modal_is_asked_for) {
  vorlix::testing::OwnedWindow other(vorlix::testing::MakeTopLevelWindow(0, 0, 100, 100, false));
  bool enabled_during_box = true;
  DialogDriver driver(IDOK, [&](HWND) { enabled_during_box = IsWindowEnabled(other) != FALSE; });

  MessageBox(core::Value("x"), 0);

  EXPECT_FALSE(enabled_during_box) << "a task-modal box disables the thread's other windows";
  EXPECT_TRUE(IsWindowEnabled(other));

  DialogDriver system_modal(IDOK, [&](HWND) { enabled_during_box = IsWindowEnabled(other) != FALSE; });
  MessageBox(core::Value("x"), MB_SYSTEMMODAL);
  EXPECT_TRUE(enabled_during_box);
}

}  // namespace
}  // namespace vorlix::commands
