#include "platform/list_view_notices_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/list_view_binding_win32.h"
#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

// Whether the GBK text begins with (or is) `wanted`, ASCII letters compared
// without case; a double-byte character is compared whole, so that its
// second byte is never taken for a letter.
bool MatchesIgnoringAsciiCase(std::string_view text, std::string_view wanted, bool prefix) {
  if (text.size() < wanted.size() || (!prefix && text.size() != wanted.size())) return false;
  for (std::size_t i = 0; i < wanted.size(); ++i) {
    const auto a = static_cast<unsigned char>(text[i]);
    const auto b = static_cast<unsigned char>(wanted[i]);
    if (a >= 0x81 && i + 1 < wanted.size()) {
      if (a != b || text[i + 1] != wanted[i + 1]) return false;
      ++i;
    } else if (std::tolower(a) != std::tolower(b)) {
      return false;
    }
  }
  return true;
}

// The control paints what it was last shown, even when rows went in above
// since: what the user sees stays put until the next catch-up.
void AnswerDisplayRequest(const ListViewBinding& binding, LVITEMW& item) {
  const ListViewRows& rows = binding.rows;
  const int index = binding.shown.RowOf(item.iItem);
  // A request for a row that is gone finds an empty one.
  const ListViewItemSpec row = item.iSubItem == 0 ? rows.ItemAt(index) : ListViewItemSpec{{}, -1, 0, 0, 0};
  if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0) {
    const std::wstring text = Wide(rows.Text(index, item.iSubItem));
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
    std::copy_n(text.data(), length, item.pszText);
    item.pszText[length] = L'\0';
  }
  if (item.mask & LVIF_IMAGE) item.iImage = row.image;
  if (item.mask & LVIF_INDENT) item.iIndent = row.indent;
  if (item.mask & LVIF_PARAM) item.lParam = row.item_data;
  if (item.mask & LVIF_STATE) {
    const UINT mask = item.stateMask & LVIS_STATEIMAGEMASK;
    item.state = (item.state & ~mask) | (INDEXTOSTATEIMAGEMASK(rows.StateImage(index)) & mask);
  }
}

// Typing in the list looks for a row whose text begins with what was typed,
// among the rows the control shows.
LRESULT FindRow(const ListViewBinding& binding, const NMLVFINDITEMW& find) {
  const LVFINDINFOW& info = find.lvfi;
  if ((info.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || info.psz == nullptr) return -1;
  const std::string wanted = Narrow(info.psz);
  const bool prefix = (info.flags & LVFI_PARTIAL) != 0;
  const int count = binding.shown.Count();
  const int start = std::clamp(find.iStart, 0, count);
  const int end = (info.flags & LVFI_WRAP) ? start + count : count;
  for (int i = start; i < end; ++i) {
    const int shown = i % count;
    if (MatchesIgnoringAsciiCase(binding.rows.Text(binding.shown.RowOf(shown), 0), wanted, prefix)) return shown;
  }
  return -1;
}

void FollowItemChange(ListViewBinding& binding, const NMLISTVIEW& change) {
  if ((change.uChanged & LVIF_STATE) == 0) return;
  const UINT changed = change.uNewState ^ change.uOldState;
  if (changed & LVIS_SELECTED) {
    const bool selected = (change.uNewState & LVIS_SELECTED) != 0;
    // -1 is every row.
    if (change.iItem < 0) {
      binding.rows.SelectAll(selected);
    } else {
      binding.rows.Select(binding.shown.RowOf(change.iItem), selected);
    }
  }
  if ((changed & LVIS_FOCUSED) && change.iItem >= 0) {
    const int row = binding.shown.RowOf(change.iItem);
    if (change.uNewState & LVIS_FOCUSED) {
      binding.rows.SetFocused(row);
    } else if (binding.rows.Focused() == row) {
      binding.rows.SetFocused(-1);
    }
  }
}

// A shift-click range between two shown rows takes the rows that went in
// between them too: they lie in the range the user marked.
void FollowRangeChange(ListViewBinding& binding, const NMLVODSTATECHANGE& change) {
  if ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) {
    binding.rows.SelectRange(binding.shown.RowOf(change.iFrom), binding.shown.RowOf(change.iTo),
                             (change.uNewState & LVIS_SELECTED) != 0);
  }
}

bool HasCheckBoxes(ListViewBinding& binding) {
  return (SendQuietly(binding, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) != 0;
}

// The control draws the boxes from the rows but leaves a click on one to
// its owner.
void FollowClick(ListViewBinding& binding, const NMITEMACTIVATE& click) {
  LVHITTESTINFO hit{};
  hit.pt = click.ptAction;
  SendQuietly(binding, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  const int row = binding.shown.RowOf(hit.iItem);
  if (row >= 0 && (hit.flags & LVHT_ONITEMSTATEICON) && HasCheckBoxes(binding)) ToggleCheck(binding, row);
}

}  // namespace

std::optional<LRESULT> FollowListViewNotification(LPARAM lparam) {
  const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
  ListViewBinding* binding = ListViewBindingOf(header.hwndFrom);
  if (binding == nullptr) return std::nullopt;
  switch (header.code) {
    case LVN_GETDISPINFOW: AnswerDisplayRequest(*binding, reinterpret_cast<NMLVDISPINFOW*>(lparam)->item); return 0;
    case LVN_ODFINDITEMW: return FindRow(*binding, *reinterpret_cast<const NMLVFINDITEMW*>(lparam));
    case LVN_ODCACHEHINT: return 0;
    // The runtime's own changes are already in the rows, and no event of
    // the user's.
    case LVN_ITEMCHANGED:
      if (binding->quiet > 0) return 0;
      FollowItemChange(*binding, *reinterpret_cast<const NMLISTVIEW*>(lparam));
      return std::nullopt;
    case LVN_ODSTATECHANGED:
      if (binding->quiet == 0) FollowRangeChange(*binding, *reinterpret_cast<const NMLVODSTATECHANGE*>(lparam));
      return 0;
    case NM_CLICK: FollowClick(*binding, *reinterpret_cast<const NMITEMACTIVATE*>(lparam)); return std::nullopt;
    case LVN_KEYDOWN:
      if (reinterpret_cast<const NMLVKEYDOWN*>(lparam)->wVKey == VK_SPACE && HasCheckBoxes(*binding)) {
        ToggleCheck(*binding, binding->rows.Focused());
      }
      return std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace vorlix::platform
