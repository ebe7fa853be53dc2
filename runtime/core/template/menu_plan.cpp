#include "runtime/core/template/menu_plan.h"

#include "runtime/core/template/menu_shortcuts.h"

namespace vorlix::core {
namespace {

struct RunEntry {
  UnitId id;
  const MenuItemRecord* item;
  unsigned command;
};

std::vector<RunEntry> MenuRun(const WindowRecord& window) {
  std::vector<RunEntry> run;
  for (const auto& record : window.records) {
    if (const auto* item = record.MenuItem()) {
      run.push_back({record.id, item, kFirstMenuCommand + static_cast<unsigned>(run.size())});
    }
  }
  return run;
}

bool IsHidden(const MenuItemRecord& item) { return (item.flags & menu_flags::kHidden) != 0; }

platform::MenuItemSpec SpecOf(const RunEntry& entry) {
  platform::MenuItemSpec spec;
  spec.caption = entry.item->caption;
  if (auto shortcut = MenuShortcut(entry.item->shortcut)) spec.caption += "\t" + shortcut->name;
  spec.command = entry.command;
  spec.disabled = (entry.item->flags & menu_flags::kDisabled) != 0;
  spec.checked = (entry.item->flags & menu_flags::kChecked) != 0;
  return spec;
}

// The items of one level starting at `position`, up to the first shallower
// item; `position` ends after the last item consumed.
std::vector<platform::MenuItemSpec> ItemsOfLevel(const std::vector<RunEntry>& run, std::size_t& position,
                                                 std::uint32_t level) {
  std::vector<platform::MenuItemSpec> items;
  while (position < run.size() && run[position].item->level >= level) {
    const RunEntry& entry = run[position++];
    platform::MenuItemSpec spec = SpecOf(entry);
    // Deeper items right after this one are its popup, deeper than that are
    // their own popups' items.
    if (position < run.size() && run[position].item->level > entry.item->level) {
      spec.items = ItemsOfLevel(run, position, run[position].item->level);
    }
    if (!IsHidden(*entry.item)) items.push_back(std::move(spec));
  }
  return items;
}

}  // namespace

std::vector<platform::MenuItemSpec> MenuBarItems(const WindowRecord& window) {
  const auto run = MenuRun(window);
  std::size_t position = 0;
  std::vector<platform::MenuItemSpec> items;
  while (position < run.size()) {
    auto level_items = ItemsOfLevel(run, position, run[position].item->level);
    items.insert(items.end(), level_items.begin(), level_items.end());
  }
  return items;
}

std::vector<platform::MenuItemSpec> PopupItemsOf(const WindowRecord& window, UnitId item) {
  const auto run = MenuRun(window);
  for (std::size_t i = 0; i < run.size(); ++i) {
    if (run[i].id != item) continue;
    if (run[i].item->level != 0) return {};
    std::size_t position = i + 1;
    if (position >= run.size() || run[position].item->level == 0) return {};
    return ItemsOfLevel(run, position, run[position].item->level);
  }
  return {};
}

std::vector<platform::MenuItemSpec> JoinedPopupItems(const WindowRecord& window, std::span<const UnitId> items) {
  std::vector<platform::MenuItemSpec> joined;
  for (const UnitId item : items) {
    std::vector<platform::MenuItemSpec> popup = PopupItemsOf(window, item);
    if (popup.empty()) continue;
    if (!joined.empty()) joined.push_back({.caption = "-"});
    joined.insert(joined.end(), std::make_move_iterator(popup.begin()), std::make_move_iterator(popup.end()));
  }
  return joined;
}

std::vector<platform::AcceleratorSpec> MenuAccelerators(const WindowRecord& window) {
  std::vector<platform::AcceleratorSpec> keys;
  for (const auto& entry : MenuRun(window)) {
    if (IsHidden(*entry.item)) continue;
    if (auto shortcut = MenuShortcut(entry.item->shortcut)) {
      keys.push_back({entry.command, shortcut->key, shortcut->ctrl, shortcut->shift, shortcut->alt});
    }
  }
  return keys;
}

UnitId MenuItemOfCommand(const WindowRecord& window, unsigned command) {
  for (const auto& entry : MenuRun(window)) {
    if (entry.command == command) return entry.id;
  }
  return 0;
}

unsigned CommandOfMenuItem(const WindowRecord& window, UnitId item) {
  for (const auto& entry : MenuRun(window)) {
    if (entry.id == item) return entry.command;
  }
  return 0;
}

}  // namespace vorlix::core
