#pragma once

// The main window with its real search and result handlers over a
// temporary folder of real files: searches as the user starts them, the
// result menu's entries with the folder dialog answered, and the files the
// program writes beside itself, read back.
#include <map>
#include <string>
#include <vector>

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "app/results/copy_check_option.h"
#include "app/results/csv_text.h"
#include "app/search/folder_name_search.h"
#include "app/search/search_globals.h"
#include "app/search/search_request.h"
#include "app/search/search_run.h"
#include "csv_reading.h"
#include "platform/hidden_owner_window.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/utf8_text.h"
#include "runtime/core/events/message_loop.h"
#include "tests/win32/results_room.h"
#include "texts.h"

namespace vorlix::test {

using Files = std::map<std::string, std::string>;  // a name in the room: its
                                                   // content, or "<missing>"
using Record = std::vector<std::string>;
inline constexpr const char* kMissing = "<missing>";

inline std::string Utf8(const std::string& gbk) { return commands::TextInUtf8(gbk); }

struct SearchMode {
  bool fuzzy = false;
  bool folders = false;
  bool whole_computer = false;
};

class DeliveryRoom : public ResultsRoom {
 protected:
  void ReplaceMoreHandlers() override {
    Replace("StartSearch", app::Guarded<app::StartSearch>);
    Replace("RequestStop", app::Guarded<app::RequestStop>);
  }
  void SetUp() override {
    platform::CreateHiddenOwnerWindow();
    app::CreateGlobalArrays();
    ResultsRoom::SetUp();
    app::ShowCopyCheck(true);  // as a first start has it
  }
  void TearDown() override {
    app::EndFolderNameSearch();
    core::ProcessPendingMessages();
    ResultsRoom::TearDown();
    app::SetSearchRunning(false);
    app::FreeGlobalArrays();
  }

  std::string In(const std::string& name) const { return name.empty() ? folder_.Path() : folder_.Path(name); }
  void Make(const Files& files) {
    for (const auto& [name, content] : files) {
      for (std::size_t at = name.find('\\'); at != std::string::npos; at = name.find('\\', at + 1)) {
        folder_.MakeFolder(name.substr(0, at));
      }
      folder_.Write(name, content);
    }
  }
  void ExpectFiles(const Files& files, const std::string& context) {
    for (const auto& [name, content] : files) EXPECT_EQ(folder_.Read(name), content) << context << ": " << name;
  }

  // A search as the user starts it, to its end.
  void Search(const std::string& names, const std::vector<std::string>& roots, SearchMode mode = {}) {
    app::SetEditBoxContent(app::main_window::编辑框_文件名, names);
    const core::UnitReference folders = app::MainWindowList(app::main_window::超级列表框_路径);
    commands::ListViewDeleteAll(folders);
    for (const std::string& root : roots) commands::ListViewInsertItem(folders, std::nullopt, root, std::nullopt, 1);
    app::SetChecked(app::main_window::单选框_整个电脑, mode.whole_computer);
    app::SetChecked(app::main_window::单选框_指定路径, !mode.whole_computer);
    app::SetChecked(app::main_window::单选框_模糊搜索, mode.fuzzy);
    app::SetChecked(app::main_window::单选框_精确搜索, !mode.fuzzy);
    app::SetChecked(app::main_window::选择框_搜索目录, mode.folders);
    Click(u"按钮_立即搜索");
    ASSERT_TRUE(PumpUntil([] { return !app::SearchRunning(); }, 60000));
    core::ProcessPendingMessages();
  }

  // An entry of the result list's menu chosen, as its command reaches the
  // window.
  void Choose(core::UnitId item) {
    SendMessageW(Frame(), WM_COMMAND, app::main_window::kFirstMenuCommand + (item - app::main_window::menu::菜单), 0);
    core::ProcessPendingMessages();
  }
  // The entry run with the target folder chosen, answering the message that
  // may follow; gives that message.
  std::string Deliver(core::UnitId item, const std::string& target) {
    std::string message;
    DialogAnswers answers({ChooseFolder(target), ReadMessage(message)});
    Choose(item);
    EXPECT_GE(answers.answered(), 1u);
    return message;
  }

  static std::string FileBeside(std::string_view name) {
    const core::ByteSet bytes = commands::ReadFile(commands::GetRunDirectory() + "\\" + std::string(name));
    return std::string(bytes.begin(), bytes.end());
  }
  // A CSV file written by the program: its records after the byte-order mark.
  static testing::CsvRecords Records(const std::string& file) {
    EXPECT_TRUE(file.starts_with(app::kUtf8ByteOrderMark)) << "no byte-order mark";
    const auto records = testing::ReadCsv(std::string_view(file).substr(std::min(file.size(), std::size_t{3})));
    EXPECT_TRUE(records.has_value()) << file;
    return records.value_or(testing::CsvRecords{});
  }
  // The record's lines after its heading, each without its time and, with
  // `digests` false, without the SHA-256 at the end.
  static std::vector<Record> RecordLines(bool digests = false) {
    testing::CsvRecords records = Records(FileBeside(texts::kRecordFileName));
    EXPECT_FALSE(records.empty());
    if (records.empty()) return {};
    EXPECT_EQ(records.front(), (Record{"时间", "操作", "源路径", "目标路径", "大小", "结果", "原因", "SHA-256"}));
    std::vector<Record> lines;
    for (std::size_t i = 1; i < records.size(); ++i) {
      EXPECT_EQ(records[i].size(), 8u);
      EXPECT_EQ(records[i][0].size(), 19u) << "time as 2024-05-01 09:03:07";
      lines.emplace_back(records[i].begin() + 1, records[i].end() - (digests ? 0 : 1));
    }
    return lines;
  }
};

}  // namespace vorlix::test
