// Work over a result list too long to read in one turn of the window: the
// window answers meanwhile, a second click is ignored, and what is written
// is the list as a plain model of it says.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "platform/hidden_owner_window.h"
#include "platform/wide_text.h"
#include "runtime/core/values/text_format.h"
#include "tests/win32/delivery_room.h"

namespace vorlix::test {
namespace {

namespace menu = app::main_window::menu;

class LongListWork : public DeliveryRoom {};

// The save dialog answered with the file; then, as the export begins to
// read the rows, `meanwhile` runs.
DialogAnswers::Step SaveAs(const std::wstring& file, std::function<void()> meanwhile) {
  return {IDOK,
          [file](HWND dialog) { return testing::FillSaveName(dialog, file); },
          [meanwhile] { platform::PostToWindowThread(meanwhile); }};
}

// More rows than one stretch of the copy. While the export reads them a
// task runs: it finds no file written yet, clicks the entry again (which
// opens no second dialog) and adds a row, so that the copy begins anew and
// the file holds that row too.
TEST_F(LongListWork, an_export_answers_meanwhile_ignores_a_second_click_and_writes_the_rows_as_they_stand) {
  std::vector<Row> rows;
  for (int i = 0; i < 40000; ++i) rows.push_back({"D:\\" + std::to_string(i % 97) + "\\f" + std::to_string(i), i % 3 == 0});
  AddRows(rows);
  const int bar_maximum = ProgressMaximum();
  const int bar_position = ProgressPosition();
  const std::string file = In("list.csv");

  bool ran_meanwhile = false;
  bool written_meanwhile = true;
  // A timer looks at the status line while the export goes on.
  static HWND status_label;
  static bool progress_shown;
  status_label = Unit(u"标签_状态");
  progress_shown = false;
  const UINT_PTR watch = SetTimer(nullptr, 0, 5, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK {
    if (testing::WindowText(status_label).starts_with(platform::Wide(texts::kExportWorking))) progress_shown = true;
  });
  const WPARAM command = app::main_window::kFirstMenuCommand + (menu::导出结果列表 - menu::菜单);
  DialogAnswers answers({SaveAs(folder_.WidePath("list.csv"), [&] {
    ran_meanwhile = true;
    written_meanwhile = commands::FileExists(file);
    SendMessageW(Frame(), WM_COMMAND, command, 0);
    AddRows({{"D:\\late", true}});
  })});
  PostMessageW(Frame(), WM_COMMAND, command, 0);
  core::ProcessPendingMessages();
  KillTimer(nullptr, watch);
  rows.push_back({"D:\\late", true});

  EXPECT_TRUE(ran_meanwhile);
  EXPECT_FALSE(written_meanwhile) << "the task ran before the export ended";
  EXPECT_EQ(answers.answered(), 1u) << "one dialog: the second click was ignored";
  EXPECT_EQ(answers.unexpected(), 0);
  EXPECT_TRUE(progress_shown) << "the status line showed how far the export had got";
  const testing::CsvRecords records = Records(folder_.Read("list.csv"));
  ASSERT_EQ(records.size(), rows.size() + 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ASSERT_EQ(records[i + 1].front(), rows[i].path) << i;
    ASSERT_EQ(records[i + 1].back(), rows[i].checked ? "是" : "否") << i;
  }
  EXPECT_EQ(Status(), std::string(texts::kExportDone) + file);
  EXPECT_EQ(ProgressMaximum(), bar_maximum) << "the bar as it was";
  EXPECT_EQ(ProgressPosition(), bar_position);
}

// The list goes to its file in pieces, beside the old one, and takes its
// place only whole: when it cannot (another program opened the file while
// the export ran), the file stays as it was, nothing is left beside it, and
// the user is told.
TEST_F(LongListWork, an_export_that_cannot_take_the_files_place_says_so_and_leaves_it_whole) {
  std::vector<Row> rows;
  for (int i = 0; i < 40000; ++i) rows.push_back({"D:\\f" + std::to_string(i), i % 2 == 0});
  AddRows(rows);
  const std::size_t entries = folder_.EntryCount();
  std::optional<testing::OpenedElsewhere> holder;
  std::string message;
  DialogAnswers answers({SaveAs(folder_.WidePath("list.csv"),
                                [&] {
                                  folder_.Write("list.csv", "old");
                                  holder.emplace(folder_.WidePath("list.csv"), GENERIC_READ, FILE_SHARE_READ);
                                }),
                         ReadMessage(message)});
  SendMessageW(Frame(), WM_COMMAND, app::main_window::kFirstMenuCommand + (menu::导出结果列表 - menu::菜单), 0);
  core::ProcessPendingMessages();

  ASSERT_TRUE(holder && holder->IsOpen());
  EXPECT_EQ(answers.answered(), 2u);
  EXPECT_EQ(message, std::string(texts::kExportNotWritten) + In("list.csv"));
  EXPECT_EQ(folder_.Read("list.csv"), "old");
  EXPECT_EQ(folder_.EntryCount(), entries + 1) << "the file, and nothing left beside it";
}

// What the status line shows while work over a million rows goes on, in
// the label's own font.
TEST_F(LongListWork, the_longest_progress_line_fits_the_status_label) {
  HWND label = Unit(u"标签_状态");
  HDC dc = GetDC(label);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  RECT room{};
  GetClientRect(label, &room);
  for (const std::string_view working :
       {texts::kClipboardWorking, texts::kExportWorking, texts::kCountsWorking, texts::kNotFoundWorking}) {
    const std::wstring text =
        platform::Wide(core::FormatText(texts::kRowsDone, std::string(working).c_str(), "999999", "1000000"));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    EXPECT_LE(size.cx, room.right) << Utf8(std::string(working));
  }
  ReleaseDC(label, dc);
}

}  // namespace
}  // namespace vorlix::test
