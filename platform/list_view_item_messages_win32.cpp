#include "platform/list_view_item_messages_win32.h"

#include <commctrl.h>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

int StateImageOf(UINT state) { return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12); }

std::string TextOf(const wchar_t* text) {
  return text == nullptr || text == LPSTR_TEXTCALLBACKW ? std::string() : Narrow(text);
}

LRESULT InsertFromMessage(ListViewBinding& binding, const LVITEMW& item) {
  // As any list view: a negative index is refused, one past the end appends.
  if (item.iItem < 0) return -1;
  ListViewItemSpec spec;
  if (item.mask & LVIF_TEXT) spec.text = TextOf(item.pszText);
  if (item.mask & LVIF_IMAGE) spec.image = item.iImage;
  if (item.mask & LVIF_INDENT) spec.indent = item.iIndent;
  if (item.mask & LVIF_PARAM) spec.item_data = static_cast<std::int32_t>(item.lParam);
  if ((item.mask & LVIF_STATE) && (item.stateMask & LVIS_STATEIMAGEMASK)) spec.state_image = StateImageOf(item.state);
  return InsertRow(binding, item.iItem, spec);
}

// The state image is the rows'; selection and focus go on to the control,
// whose notices bring them back into the rows.
std::optional<LRESULT> SetStateFromMessage(ListViewBinding& binding, int index, const LVITEMW& item) {
  if ((item.stateMask & LVIS_STATEIMAGEMASK) == 0) return std::nullopt;
  if (index != -1 && !binding.rows.Exists(index)) return FALSE;
  const int image = StateImageOf(item.state);
  HWND list = binding.list;
  if (index != -1) ChangeStateImage(binding, index, image);
  // Each change is reported, and the handler of one may even destroy the list.
  for (int i = 0; index == -1 && ListViewBindingOf(list) != nullptr && i < binding.rows.Count(); ++i) {
    ChangeStateImage(binding, i, image);
  }
  LVITEMW rest = item;
  rest.stateMask &= ~LVIS_STATEIMAGEMASK;
  if (rest.stateMask == 0) return TRUE;
  return SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rest));
}

}  // namespace

std::optional<LRESULT> AnswerItemMessage(ListViewBinding& binding, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto index = static_cast<int>(wparam);
  auto item = [lparam] { return reinterpret_cast<const LVITEMW*>(lparam); };
  switch (message) {
    case LVM_INSERTITEMW: return item() ? InsertFromMessage(binding, *item()) : -1;
    case LVM_DELETEITEM: return DeleteRow(binding, index);
    case LVM_DELETEALLITEMS: DeleteAllRows(binding); return TRUE;
    case LVM_SETITEMTEXTW:
      if (item() == nullptr || !binding.rows.Exists(index)) return FALSE;
      SetRowText(binding, index, item()->iSubItem, TextOf(item()->pszText));
      return TRUE;
    case LVM_SETITEMSTATE: return item() ? SetStateFromMessage(binding, index, *item()) : std::nullopt;
    // The rows decide the count.
    case LVM_SETITEMCOUNT: return FALSE;
    default: return std::nullopt;
  }
}

}  // namespace vorlix::platform
