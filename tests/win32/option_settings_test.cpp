// The options on the built main window: each click writes its key to
// config.ini in the program's folder, the start shows what the file holds,
// the two button toggles of the result menu, and the hover hints.
#include <windows.h>
#include <commctrl.h>
#undef FindWindow

#include <gtest/gtest.h>

#include "app/mainwindow/main_window_units.h"
#include "runtime/core/events/message_loop.h"
#include "runtime/core/units/window_menu.h"
#include "tests/template_data/main_window_records.h"
#include "tests/win32/settings_window_fixture.h"
#include "texts.h"

namespace vorlix::test {
namespace {

namespace menu = app::main_window::menu;

constexpr std::string_view kKeys[] = {
    texts::kKeyWholeComputer,  texts::kKeyExactMatch,        texts::kKeyAutoRename,
    texts::kKeyFolderNamesOnly, texts::kKeySaveKeywords,     texts::kKeyDeleteButtonDisabled,
    texts::kKeyMoveButtonDisabled, texts::kKeySaveFolders,
};

// What the options show.
struct OnScreen {
  bool whole_computer, chosen_folders, add_folder_enabled;
  bool exact, fuzzy;
  bool auto_rename, folder_names_only, save_keywords, save_folders;
  bool delete_enabled, move_enabled;
  std::u16string delete_entry, move_entry;
  bool operator==(const OnScreen&) const = default;
};

// Every key on or off, and the match fuzzy or exact.
OnScreen Expected(bool on, bool fuzzy) {
  return {on, !on, !on, !fuzzy, fuzzy, on, on, on, on, !on, !on,
          on ? u"启用删除按钮" : u"禁用删除按钮", on ? u"启用移动按钮" : u"禁用移动按钮"};
}

class OptionSettings : public SettingsWindowTest {
 protected:
  OnScreen Shown() {
    return {Checked(u"单选框_整个电脑"), Checked(u"单选框_指定路径"), Enabled(u"按钮_搜索路径"),
            Checked(u"单选框_精确搜索"), Checked(u"单选框_模糊搜索"),
            Checked(u"选择框1"), Checked(u"选择框_搜索目录"), Checked(u"选择框_保存关键字"),
            Checked(u"选择框_保存路径"), Enabled(u"按钮4"), Enabled(u"按钮5"),
            MenuCaption(menu::禁用删除按钮), MenuCaption(menu::禁用移动按钮)};
  }

  // The result list's menu (its popup handler is the result room's), with
  // one entry chosen.
  std::vector<std::u16string> ChooseInResultMenu(int position) {
    PopupChooser chooser(position);
    core::ShowPopupMenu(core::kMainWindowId, core::kMainWindowId, menu::定位, 100, 100);
    core::ProcessPendingMessages();
    return chooser.Captions();
  }
};

TEST_F(OptionSettings, the_start_turns_on_only_what_reads_exactly_true_and_fuzzy_only_for_exactly_false) {
  struct Case {
    std::optional<std::u16string_view> stored;  // in every key; none: no file
    OnScreen shown;
  };
  const Case cases[] = {
      {std::nullopt, Expected(false, false)}, {u"真", Expected(true, false)}, {u"假", Expected(false, true)},
      {u"", Expected(false, false)},          {u"1", Expected(false, false)}, {u"TRUE", Expected(false, false)},
      {u" 真", Expected(false, false)},
  };
  for (const Case& c : cases) {
    DeleteFileW(folder_.WidePath("config.ini").c_str());
    if (c.stored) {
      for (std::string_view key : kKeys) StoreOption(key, tests::Gbk(*c.stored));
    }
    const std::string before = folder_.Read("config.ini");
    Start();
    const std::string name = c.stored ? Utf8(*c.stored) : "no file";
    EXPECT_EQ(Shown(), c.shown) << name;
    EXPECT_EQ(folder_.Read("config.ini"), before) << name << ": nothing is written at start";
    Close();
  }
}

TEST_F(OptionSettings, each_click_writes_its_key_at_once) {
  struct Case {
    std::u16string_view unit;
    std::string_view key;
    std::string_view value;
  };
  const Case clicks[] = {
      {u"选择框_保存路径", texts::kKeySaveFolders, texts::kTrue},
      {u"选择框_保存路径", texts::kKeySaveFolders, texts::kFalse},
      {u"选择框_搜索目录", texts::kKeyFolderNamesOnly, texts::kTrue},
      {u"选择框_搜索目录", texts::kKeyFolderNamesOnly, texts::kFalse},
      {u"选择框_保存关键字", texts::kKeySaveKeywords, texts::kTrue},
      {u"选择框_保存关键字", texts::kKeySaveKeywords, texts::kFalse},
      {u"选择框1", texts::kKeyAutoRename, texts::kTrue},
      {u"选择框1", texts::kKeyAutoRename, texts::kFalse},
      {u"单选框_整个电脑", texts::kKeyWholeComputer, texts::kTrue},
      {u"单选框_指定路径", texts::kKeyWholeComputer, texts::kFalse},
      {u"单选框_模糊搜索", texts::kKeyExactMatch, texts::kFalse},
      {u"单选框_精确搜索", texts::kKeyExactMatch, texts::kTrue},
  };
  Start();
  for (const Case& c : clicks) {
    Click(c.unit);
    EXPECT_EQ(StoredOption(c.key), std::string(c.value)) << Utf8(c.unit);
    const bool radio = c.unit.starts_with(u"单选框");
    EXPECT_EQ(Checked(c.unit), radio || c.value == texts::kTrue) << Utf8(c.unit);
  }
}

TEST_F(OptionSettings, the_scope_radios_check_each_other_and_grey_the_add_folder_button) {
  Start();
  Click(u"单选框_整个电脑");
  EXPECT_FALSE(Checked(u"单选框_指定路径"));
  EXPECT_FALSE(Enabled(u"按钮_搜索路径"));
  Click(u"单选框_指定路径");
  EXPECT_FALSE(Checked(u"单选框_整个电脑"));
  EXPECT_TRUE(Enabled(u"按钮_搜索路径"));
}

TEST_F(OptionSettings, each_toggle_entry_flips_its_button_renames_itself_and_writes_its_key) {
  struct Case {
    int position;  // in the result list's menu
    std::u16string_view button;
    std::string_view key;
    std::u16string_view disable, enable;
  };
  const Case toggles[] = {
      {2, u"按钮5", texts::kKeyMoveButtonDisabled, u"禁用移动按钮", u"启用移动按钮"},
      {3, u"按钮4", texts::kKeyDeleteButtonDisabled, u"禁用删除按钮", u"启用删除按钮"},
  };
  Start();
  for (const Case& c : toggles) {
    EXPECT_EQ(ChooseInResultMenu(c.position).at(c.position), c.disable);
    EXPECT_FALSE(Enabled(c.button)) << Utf8(c.button);
    EXPECT_EQ(StoredOption(c.key), std::string(texts::kTrue));

    EXPECT_EQ(ChooseInResultMenu(c.position).at(c.position), c.enable);
    EXPECT_TRUE(Enabled(c.button)) << Utf8(c.button);
    EXPECT_EQ(StoredOption(c.key), std::string(texts::kFalse));
    EXPECT_EQ(ChooseInResultMenu(-1).at(c.position), c.disable);
  }
}

// The program's one tooltip window, made by the first hint.
HWND ToolTipWindow() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) CALLBACK {
        wchar_t name[32];
        GetClassNameW(window, name, 32);
        if (_wcsicmp(name, TOOLTIPS_CLASSW) != 0) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The tips of the tools for the window.
std::vector<std::wstring> TipsFor(HWND tooltip, HWND tool) {
  std::vector<std::wstring> tips;
  const auto count = SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.lpszText = text;
    SendMessageW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&info));
    if (reinterpret_cast<HWND>(info.uId) == tool) tips.emplace_back(text);
  }
  return tips;
}

TEST_F(OptionSettings, moving_over_a_hinted_unit_gives_it_its_hint_once) {
  const std::pair<std::u16string_view, std::u16string_view> hints[] = {
      {u"选择框_搜索目录", u"请注意：勾选此选项，只搜索文件夹名称，不搜索文件。"},
      {u"选择框_保存关键字", u"勾选后，会保存待搜索的文件名，下次运行时自动载入。"},
      {u"选择框_保存路径", u"勾选此选项，下次运行程序时自动载入保存的待搜索文件夹。"},
      {u"按钮_复制到剪贴板", u"一键复制勾选的文件列表，可以直接Ctrl+V粘贴到目标文件夹。"},
  };
  Start();
  for (const auto& [unit, hint] : hints) {
    for (int x = 2; x < 8; ++x) PostMessageW(Unit(unit), WM_MOUSEMOVE, 0, MAKELPARAM(x, 3));
    core::ProcessPendingMessages();
    ASSERT_NE(ToolTipWindow(), nullptr);
    const std::wstring wide_hint(hint.begin(), hint.end());
    EXPECT_EQ(TipsFor(ToolTipWindow(), Unit(unit)), std::vector<std::wstring>{wide_hint}) << Utf8(unit);
  }
}

}  // namespace
}  // namespace vorlix::test
