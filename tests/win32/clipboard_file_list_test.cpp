// The checked rows put on the real clipboard as a file list, read back
// byte for byte.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include <thread>

#include "platform/wide_text.h"
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

}  // namespace
}  // namespace vorlix::test
