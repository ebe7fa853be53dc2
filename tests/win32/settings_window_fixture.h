#pragma once

// The main window with the settings handlers in place and a program folder
// of its own, driven through real window messages: the options, the
// folder list and the state saved at close and loaded at the next start.
#include "tests/win32/main_window_fixture.h"
#include "tests/win32/temporary_folder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorlix::test {

// A row of the folder list.
struct FolderRow {
  std::string text;  // GBK
  bool checked = false;
  bool operator==(const FolderRow&) const = default;
};
using FolderRows = std::vector<FolderRow>;
void PrintTo(const FolderRow& row, std::ostream* out);

// While it lives, the next popup menu of this thread is read as it opens
// and the entry at `position` (from 0) is chosen with the keyboard, as a
// user would; -1 closes the menu without a choice.
class PopupChooser {
 public:
  explicit PopupChooser(int position);
  ~PopupChooser();
  PopupChooser(const PopupChooser&) = delete;
  PopupChooser& operator=(const PopupChooser&) = delete;

  // The captions of the popup that opened, none when none did.
  const std::vector<std::u16string>& Captions() const;

 private:
  HHOOK hook_;
};

class SettingsWindowTest : public MainWindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Builds the main window, which runs its start-up handler.
  void Start();
  // Closes it with the close box, which runs the destroy handler.
  void Close();
  void Restart() {
    Close();
    Start();
  }

  // A left click posted as the mouse makes it, in the unit's corner.
  void Click(std::u16string_view unit);
  // A right press and release on the unit, at a point of its client area.
  void RightClick(std::u16string_view unit, POINT at = {10, 10});
  // A folder dropped from another program, on the name box.
  void Drop(const std::vector<std::wstring>& paths);

  bool Checked(std::u16string_view unit);
  bool Enabled(std::u16string_view unit) { return IsWindowEnabled(Unit(unit)) != FALSE; }
  bool Visible(std::u16string_view unit) { return IsWindowVisible(Unit(unit)) != FALSE; }
  // A menu entry's caption as its menu shows it, in UTF-16.
  std::u16string MenuCaption(core::UnitId item);

  // config.ini's value of the key (GBK), none when missing.
  std::optional<std::string> StoredOption(std::string_view key);
  void StoreOption(std::string_view key, std::string_view value);

  std::vector<FolderRow> Rows();
  void SetRows(const std::vector<FolderRow>& rows);

  std::wstring NameBoxText();
  void SetNameBoxText(const std::wstring& text);

  // The program's folder and its files.
  vorlix::testing::TemporaryFolder folder_;

 private:
  std::string program_directory_;
};

}  // namespace vorlix::test
