#pragma once

// The main window with the real search handlers, over folder trees that the
// test makes.
#include <windows.h>
#undef FindWindow

#include <string>
#include <utility>
#include <vector>

#include "tests/win32/main_window_fixture.h"

namespace vorlix::test {

using Row = std::pair<std::string, std::string>;  // column 0, column 1 (GBK)

class SearchWindowTest : public MainWindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Puts more of the program's handlers in place before the window is built.
  virtual void PlaceMoreHandlers() {}

  void SetNames(const std::string& gbk_box_content);
  std::string Names();
  // A row of the folder list, checked or not.
  void AddFolder(const std::string& path, bool checked = true);
  void SearchWholeComputer(bool whole);
  void MatchFuzzy(bool fuzzy);
  void FolderNamesOnly(bool only);

  // A real click on a button, and the events it brings.
  void Click(std::u16string_view button);
  // Pumps until the folder-name worker has put its rows in.
  bool WaitForSearchEnd(int milliseconds = 20000);

  std::vector<Row> Rows();
  std::string Status();
  std::string StopCaption();
};

// A file of no content at the path (GBK).
void MakeFile(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
void MakeFolder(const std::string& path);

}  // namespace vorlix::test
