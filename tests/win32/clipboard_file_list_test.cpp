// The checked rows put on the real clipboard as a file list, read back
// byte for byte.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "csv_reading.h"
#include "platform/wide_text.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/utf8_text.h"
#include "tests/win32/results_room.h"
#include "texts.h"

namespace vorlix::test {
namespace {

using Bytes = std::string;

Bytes Header(bool wide) {
  return Bytes("\x14\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16) + Bytes(1, wide ? 1 : 0) + Bytes(3, 0);
}

Bytes Wide(const std::wstring& text) {
  return Bytes(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

// The clipboard's file list, or "<none>".
Bytes ClipboardBlock() {
  if (!OpenClipboard(nullptr)) return "<not opened>";
  Bytes bytes = "<none>";
  if (HANDLE data = GetClipboardData(CF_HDROP)) {
    const auto* block = static_cast<const char*>(GlobalLock(data));
    bytes.assign(block, GlobalSize(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return bytes;
}

void PutText(const wchar_t* text) {
  OpenClipboard(nullptr);
  EmptyClipboard();
  const std::size_t size = (wcslen(text) + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(memory), text, size);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

class ClipboardFileList : public ResultsRoom {
 protected:
  // Clicks the button and gives the message it shows.
  std::string CopyToClipboard() {
    std::string message;
    DialogAnswers answers({ReadMessage(message)});
    Click(u"按钮_复制到剪贴板");
    EXPECT_EQ(answers.answered(), 1u);
    return message;
  }
  // The result and reason (UTF-8) of the record's line for the source.
  static std::pair<std::string, std::string> RecordedResult(const std::string& source) {
    const core::ByteSet bytes = commands::ReadFile(RecordPath());
    const std::string text(bytes.begin(), bytes.end());
    const auto records = testing::ReadCsv(std::string_view(text).substr(std::min<std::size_t>(text.size(), 3)));
    for (const auto& record : records.value_or(testing::CsvRecords{})) {
      if (record.size() == 8 && record[2] == source) return {record[5], record[6]};
    }
    return {"<no line>", ""};
  }
};

TEST_F(ClipboardFileList, the_checked_paths_go_on_the_clipboard_in_the_ansi_code_page_when_they_fit_it) {
  const std::string chinese = platform::Narrow(L"C:\\文件\\照片.jpg");
  const struct {
    std::vector<Row> rows;
    Bytes block;
  } cases[] = {
      {{{"C:\\a.txt", true}}, Header(false) + Bytes("C:\\a.txt\0\0", 10)},
      {{{chinese, true}, {"C:\\b", false}, {chinese, true}},
       Header(false) + chinese + Bytes(1, 0) + chinese + Bytes(2, 0)},
      {{{platform::Narrow(L"C:\\한 😀.txt"), true}, {"C:\\a", true}},
       Header(true) + Wide(L"C:\\한 😀.txt") + Bytes(2, 0) + Wide(L"C:\\a") + Bytes(4, 0)},
  };
  for (const auto& c : cases) {
    ClearRows();
    AddRows(c.rows);
    EXPECT_EQ(CopyToClipboard(), texts::kClipboardDone);
    const Bytes block = ClipboardBlock();
    ASSERT_GE(block.size(), c.block.size());
    EXPECT_EQ(block.substr(0, c.block.size()), c.block);
  }
}

TEST_F(ClipboardFileList, with_no_row_checked_the_clipboard_keeps_what_it_held) {
  PutText(L"kept");
  AddRows({{"C:\\a.txt"}});
  EXPECT_EQ(CopyToClipboard(), texts::kClipboardNoneChecked);
  EXPECT_EQ(ClipboardBlock(), "<none>");
}

TEST_F(ClipboardFileList, a_clipboard_held_by_another_thread_is_reported_and_left_alone) {
  PutText(L"kept");
  AddRows({{"C:\\a.txt", true}});
  HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread holder([&] {
    OpenClipboard(nullptr);
    SetEvent(opened);
    WaitForSingleObject(release, 10000);
    CloseClipboard();
  });
  WaitForSingleObject(opened, 10000);
  const std::string message = CopyToClipboard();
  SetEvent(release);
  holder.join();
  CloseHandle(opened);
  CloseHandle(release);

  EXPECT_EQ(message, WithRecordPlace(std::string(texts::kClipboardFailed)));
  EXPECT_EQ(ClipboardBlock(), "<none>");
}

// A paste in a file manager would copy the whole drive. The rows that name
// one as the system resolves it stay off the list and are named with why,
// as the copy, move and delete runs name them; with only such rows the
// clipboard is not touched.
TEST_F(ClipboardFileList, a_whole_drive_row_never_reaches_the_clipboard_and_is_named_with_the_reason) {
  const std::string why(texts::kWholeDriveRefused);
  const std::string heading(texts::kClipboardFailedHeading);
  PutText(L"kept");
  AddRows({{"D:", true}, {"C:\\a.txt", true}, {"D:\\.", true}, {"\\\\srv\\share\\.", true}, {"D:\\x", false}});
  EXPECT_EQ(CopyToClipboard(),
            WithRecordPlace(std::string(texts::kClipboardDone) + "\r\n" + heading + "\r\nD:" + why + "\r\nD:\\." + why +
                            "\r\n\\\\srv\\share\\." + why));
  const Bytes only_the_file = Header(false) + Bytes("C:\\a.txt\0\0", 10);
  EXPECT_EQ(ClipboardBlock().substr(0, only_the_file.size()), only_the_file);
  EXPECT_EQ(RecordedResult("C:\\a.txt").first, "成功");
  for (const char* drive : {"D:", "D:\\.", "\\\\srv\\share\\."}) {
    EXPECT_EQ(RecordedResult(drive), std::make_pair(std::string("失败"), commands::TextInUtf8(why))) << drive;
  }

  PutText(L"kept");
  ClearRows();
  AddRows({{"D:\\ ", true}, {"C:\\x\\..", true}});
  EXPECT_EQ(CopyToClipboard(), WithRecordPlace(heading + "\r\nD:\\ " + why + "\r\nC:\\x\\.." + why));
  EXPECT_EQ(ClipboardBlock(), "<none>") << "the clipboard keeps what it held";
}

}  // namespace
}  // namespace vorlix::test
