#include "app/settings/option_handlers.h"

#include <set>

#include "app/results/copy_check_option.h"
#include "app/search/folder_index_use.h"
#include "app/settings/option_states.h"
#include "app/settings/settings_files.h"
#include "app/settings/settings_units.h"
#include "runtime/commands/tooltip_commands.h"
#include "runtime/commands/unit_commands.h"

namespace vorlix::app {
namespace {

using namespace main_window;
using namespace settings;

// A box has changed its state by the time its click arrives.
core::HandlerResult WriteBoxState(std::string_view key, core::UnitId box) {
  WriteOption(key, IsChecked(box));
  return std::nullopt;
}

core::HandlerResult Toggle(const ButtonToggle& toggle) {
  const bool disabled = !IsDisabled(toggle.button);
  ShowButtonDisabled(toggle, disabled);
  WriteOption(toggle.key, disabled);
  return std::nullopt;
}

std::string_view HintOf(core::UnitId unit) {
  switch (unit) {
    case 选择框_搜索目录: return texts::kHintFolderNamesOnly;
    case 选择框_保存关键字: return texts::kHintSaveKeywords;
    case 选择框_保存路径: return texts::kHintSaveFolders;
    case 按钮_复制到剪贴板: return texts::kHintCopyToClipboard;
  }
  return {};
}

}  // namespace

core::HandlerResult SaveFoldersClicked(std::span<const core::Value>) {
  return WriteBoxState(texts::kKeySaveFolders, 选择框_保存路径);
}

core::HandlerResult FolderNamesOnlyClicked(std::span<const core::Value>) {
  return WriteBoxState(texts::kKeyFolderNamesOnly, 选择框_搜索目录);
}

core::HandlerResult SaveKeywordsClicked(std::span<const core::Value>) {
  return WriteBoxState(texts::kKeySaveKeywords, 选择框_保存关键字);
}

core::HandlerResult AutoRenameClicked(std::span<const core::Value>) {
  return WriteBoxState(texts::kKeyAutoRename, 选择框1);
}

core::HandlerResult ExactMatchClicked(std::span<const core::Value>) {
  WriteOption(texts::kKeyExactMatch, true);
  return std::nullopt;
}

core::HandlerResult FuzzyMatchClicked(std::span<const core::Value>) {
  WriteOption(texts::kKeyExactMatch, false);
  return std::nullopt;
}

core::HandlerResult ChosenFoldersClicked(std::span<const core::Value>) {
  ShowScope(false);
  WriteOption(texts::kKeyWholeComputer, false);
  return std::nullopt;
}

core::HandlerResult WholeComputerClicked(std::span<const core::Value>) {
  ShowScope(true);
  WriteOption(texts::kKeyWholeComputer, true);
  return std::nullopt;
}

// Every mouse move over the unit arrives here, but its window needs its
// tool only once: the tooltip window keeps each tool it is given, and
// adding one per move would grow it without end.
core::HandlerResult OptionHint(std::span<const core::Value>) {
  static std::set<std::int32_t> hinted;
  const auto source = core::CurrentEventSource();
  if (!source) return std::nullopt;
  const std::string_view hint = HintOf(source->unit);
  if (hint.empty()) return std::nullopt;
  const std::int32_t window = commands::GetWindowHandle({source->window, source->unit, 0});
  if (window != 0 && hinted.insert(window).second) commands::AddToolTip(window, core::Text(hint), false, false);
  return std::nullopt;
}

core::HandlerResult ToggleMoveButton(std::span<const core::Value>) { return Toggle(kMoveButtonToggle); }

core::HandlerResult ToggleDeleteButton(std::span<const core::Value>) { return Toggle(kDeleteButtonToggle); }

core::HandlerResult ToggleFolderIndex(std::span<const core::Value>) {
  const bool on = !FolderIndexOn();
  ShowFolderIndexUse(on);
  WriteOption(texts::kKeyUseFolderIndex, on);
  return std::nullopt;
}

core::HandlerResult ToggleCopyCheck(std::span<const core::Value>) {
  const bool on = !CopyCheckOn();
  ShowCopyCheck(on);
  WriteOption(texts::kKeyCheckCopies, on);
  return std::nullopt;
}

}  // namespace vorlix::app
