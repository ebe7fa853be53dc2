// Name lists longer than the name box takes in one turn of the window: the
// saved list at start and a paste go in while the window answers, the box
// reads whole from the start, and at the end holds exactly what came.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include <cstring>

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "platform/hidden_owner_window.h"
#include "platform/wide_text.h"
#include "runtime/core/events/message_loop.h"
#include "tests/win32/settings_window_fixture.h"
#include "texts.h"

namespace vorlix::test {
namespace {

// Several slices' worth, with a Chinese name now and then.
std::wstring ManyNames() {
  std::wstring names;
  for (int i = 0; i < 20000; ++i) names += (i % 1000 == 0 ? L"照片" : L"IMG_") + std::to_wstring(i) + L".jpg\r\n";
  return names;
}

void PutOnClipboard(const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

class LongNameList : public SettingsWindowTest {
 protected:
  void SetUp() override {
    platform::CreateHiddenOwnerWindow();  // for tasks posted to the window thread
    SettingsWindowTest::SetUp();
  }
  void TearDown() override {
    SettingsWindowTest::TearDown();
    platform::DestroyHiddenOwnerWindow();
  }
  bool ReadOnly() { return (GetWindowLongW(Unit(u"编辑框_文件名"), GWL_STYLE) & ES_READONLY) != 0; }
  // What the program reads of the box.
  std::wstring ProgramsText() { return platform::Wide(app::EditBoxContent(app::main_window::编辑框_文件名)); }

  // Runs a task at the window's next turn, then lets the window go on
  // until the last name is in; the task sees whether the box was still
  // read-only then and what the program read of it.
  void LookMeanwhile() {
    platform::PostToWindowThread([this] {
      read_only_meanwhile_ = ReadOnly();
      read_meanwhile_ = ProgramsText();
    });
    core::ProcessPendingMessages();
    EXPECT_TRUE(PumpUntil([this] { return !ReadOnly(); }, 60000));
  }

  bool read_only_meanwhile_ = false;
  std::wstring read_meanwhile_;
};

TEST_F(LongNameList, saved_names_go_in_after_the_window_shows_and_read_whole_from_the_start) {
  const std::wstring names = ManyNames();
  folder_.Write("filemame.txt", platform::Narrow(names));
  StoreOption(texts::kKeySaveKeywords, texts::kTrue);
  ASSERT_TRUE(Build(false));
  EXPECT_LT(NameBoxText().size(), names.size()) << "the window came before all names were in";
  LookMeanwhile();

  EXPECT_TRUE(read_only_meanwhile_) << "the task ran while names still went in";
  // Whole texts compared as one truth: a difference would print them.
  EXPECT_TRUE(read_meanwhile_ == names);
  EXPECT_FALSE(ReadOnly());
  EXPECT_TRUE(NameBoxText() == names);
  Close();
  EXPECT_TRUE(folder_.Read("filemame.txt") == platform::Narrow(names)) << "saved whole at close";
}

// The selection ("a") gives way to the paste; what came after it follows
// the pasted names, and the caret ends after them.
TEST_F(LongNameList, a_long_paste_goes_in_where_the_selection_was_while_the_window_answers) {
  Start();
  SetNameBoxText(L"a\r\nb\r\n");
  HWND box = Unit(u"编辑框_文件名");
  SendMessageW(box, EM_SETSEL, 0, 1);
  const std::wstring names = ManyNames();
  PutOnClipboard(names);
  SendMessageW(box, WM_PASTE, 0, 0);
  LookMeanwhile();

  const std::wstring expected = names + L"\r\nb\r\n";
  EXPECT_TRUE(read_only_meanwhile_);
  EXPECT_TRUE(read_meanwhile_ == expected);
  EXPECT_FALSE(ReadOnly());
  EXPECT_TRUE(NameBoxText() == expected);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, names.size());
  EXPECT_EQ(end, names.size());
}

}  // namespace
}  // namespace vorlix::test
