#include "platform/control_notices_win32.h"

#include <commctrl.h>

#include "platform/list_view_binding_win32.h"
#include "platform/list_view_notices_win32.h"
#include "platform/window_notices_win32.h"

namespace vorlix::platform {
namespace {

constexpr wchar_t kFocusChangeProperty[] = L"VorlixFocusChanging";

bool InFocusChange(HWND button) { return GetPropW(button, kFocusChangeProperty) != nullptr; }

// A change of a check is reported by the list view's rows: the control
// keeps no check boxes of its own.
// The control's index is of what it shows; the runtime's are of the rows.
int RowOfShown(HWND list, int shown) {
  const ListViewBinding* binding = ListViewBindingOf(list);
  return binding == nullptr ? shown : binding->shown.RowOf(shown);
}

std::optional<LRESULT> ReportItemChange(const NMLISTVIEW& change) {
  if ((change.uChanged & LVIF_STATE) == 0 || change.iItem < 0) return std::nullopt;
  HWND list = change.hdr.hwndFrom;
  const UINT changed = change.uNewState ^ change.uOldState;
  if ((changed & LVIS_FOCUSED) && (change.uNewState & LVIS_FOCUSED)) {
    Report(NoticeKind::kFocusedRowChanged, list);
  }
  return std::nullopt;
}

}  // namespace

std::optional<LRESULT> ReportControlCommand(WPARAM wparam, LPARAM lparam) {
  HWND control = reinterpret_cast<HWND>(lparam);
  if (control == nullptr || HIWORD(wparam) != BN_CLICKED) return std::nullopt;
  Report(NoticeKind::kButtonClicked, control, InFocusChange(control) ? 1 : 0);
  return std::nullopt;
}

std::optional<LRESULT> ReportControlNotification(LPARAM lparam) {
  if (auto answer = FollowListViewNotification(lparam)) return *answer;
  const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
  HWND from = header.hwndFrom;
  switch (header.code) {
    case LVN_ITEMCHANGED: return ReportItemChange(*reinterpret_cast<const NMLISTVIEW*>(lparam));
    case LVN_ITEMACTIVATE: Report(NoticeKind::kRowActivated, from); break;
    case LVN_COLUMNCLICK:
      Report(NoticeKind::kColumnClicked, from, reinterpret_cast<const NMLISTVIEW*>(lparam)->iSubItem);
      break;
    case LVN_HOTTRACK:
      Report(NoticeKind::kRowHotTracked, from, RowOfShown(from, reinterpret_cast<const NMLISTVIEW*>(lparam)->iItem));
      break;
    case NM_CLICK: Report(NoticeKind::kClicked, from); break;
    case NM_RCLICK: Report(NoticeKind::kRightClicked, from); break;
    case LVN_BEGINLABELEDITW:
    case LVN_BEGINLABELEDITA: {
      const int row = RowOfShown(from, reinterpret_cast<const NMLVDISPINFOW*>(lparam)->item.iItem);
      // TRUE cancels the editing.
      if (auto answer = Report(NoticeKind::kLabelEditStarting, from, row); answer && *answer == 0) return TRUE;
      return FALSE;
    }
  }
  return std::nullopt;
}

void MarkFocusChange(HWND button, bool changing) {
  if (changing) {
    SetPropW(button, kFocusChangeProperty, reinterpret_cast<HANDLE>(1));
  } else {
    RemovePropW(button, kFocusChangeProperty);
  }
}

}  // namespace vorlix::platform
