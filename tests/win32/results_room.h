#pragma once

// The main window with the result commands' real handlers in place, the
// program's external functions, a temporary folder of real files, and
// answers for the dialogs that the handlers show.
#include <windows.h>
#undef FindWindow

#include <functional>
#include <string>
#include <vector>

#include "runtime/core/values/value.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/main_window_fixture.h"
#include "tests/win32/temporary_folder.h"

namespace vorlix::test {

using testing::DialogAnswers;

// The texts of a message box (its message line or lines), as GBK.
std::string MessageText(HWND box);

class ResultsRoom : public MainWindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Puts more real handlers in place before the window is built.
  virtual void ReplaceMoreHandlers() {}

  struct Row {
    std::string path;  // GBK
    bool checked = false;
  };
  // Appends rows: the path and, in column 1, its name.
  void AddRows(const std::vector<Row>& rows);
  std::vector<std::string> Paths();
  std::vector<std::string> Names();
  std::vector<int> CheckedRows();
  void ClearRows();
  void Select(const std::vector<int>& rows);
  void ClearSelection();

  // A click on the unit as the user makes it; its handler runs inside.
  void Click(std::u16string_view button);
  std::string Status();
  void ClearStatus();
  int ProgressMaximum();
  int ProgressPosition();
  void SetAutoRename(bool on);

  // The record of runs beside the program, which the room starts without.
  static std::string RecordPath();
  // A run's failure message as it ends: saying where the record is.
  static std::string WithRecordPlace(const std::string& message);

  // Steps that choose a folder in the folder dialog, or cancel it.
  static DialogAnswers::Step ChooseFolder(const std::string& folder);
  static DialogAnswers::Step CancelDialog();
  // A step that presses OK on a message box and keeps its text.
  static DialogAnswers::Step ReadMessage(std::string& text, int button = IDOK);

  testing::TemporaryFolder folder_;
};

}  // namespace vorlix::test
