#include "platform/list_view_binding_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <unordered_map>

#include "platform/list_view_item_messages_win32.h"
#include "platform/wide_text.h"
#include "platform/window_notices_win32.h"

namespace vorlix::platform {
namespace {

constexpr UINT_PTR kSubclassId = 0x56524F57;   // its own, beside the runtime's watch of every control
constexpr UINT_PTR kCountTimerId = 0x56524F57;  // clear of the control's own timers
constexpr UINT kCountPeriodMs = 100;

// Every binding by its window. A binding is only ever used on the thread that
// made its window; the lock covers the map alone. (Not a thread_local map:
// under mingw such an object, once a worker thread had touched it, corrupted
// the heap when that thread ended.)
SRWLOCK bindings_lock = SRWLOCK_INIT;
std::unordered_map<HWND, ListViewBinding*> bindings;

UINT CallMessage() {
  static const UINT message = RegisterWindowMessageW(L"VorlixListViewCall");
  return message;
}

UINT CatchUpMessage() {
  static const UINT message = RegisterWindowMessageW(L"VorlixListViewCatchUp");
  return message;
}

struct Quiet {
  explicit Quiet(ListViewBinding& binding) : binding(binding) { ++binding.quiet; }
  ~Quiet() { --binding.quiet; }
  ListViewBinding& binding;
};

void StopTimer(ListViewBinding& binding) {
  if (!binding.timer_running) return;
  KillTimer(binding.list, kCountTimerId);
  binding.timer_running = false;
}

void SetControlState(ListViewBinding& binding, int index, UINT mask, UINT state) {
  LVITEMW item{};
  item.stateMask = mask;
  item.state = state;
  SendQuietly(binding, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

// The usual case while rows pour in: nothing to move, and switching painting
// off and on again would cost Wine a repaint (about 20 ms) at every catch-up.
bool NothingSelectedOrFocused(ListViewBinding& binding) {
  return binding.rows.SelectedCount() == 0 && binding.rows.Focused() < 0 &&
         SendQuietly(binding, LVM_GETSELECTEDCOUNT, 0, 0) == 0 &&
         SendQuietly(binding, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)) < 0;
}

// Selecting or deselecting all is one message, so the control gets whichever
// of the selected and the unselected rows are fewer, one by one.
void CopySelectedRows(ListViewBinding& binding) {
  const ListViewRows& rows = binding.rows;
  if (rows.SelectedCount() * 2 > rows.Count()) {
    SetControlState(binding, -1, LVIS_SELECTED, LVIS_SELECTED);
    for (int i = 0; i < rows.Count(); ++i) {
      if (!rows.IsSelected(i)) SetControlState(binding, i, LVIS_SELECTED, 0);
    }
  } else {
    SetControlState(binding, -1, LVIS_SELECTED, 0);
    rows.ForEachSelected([&](int i) { SetControlState(binding, i, LVIS_SELECTED, LVIS_SELECTED); });
  }
}

void CopySelectionToControl(ListViewBinding& binding) {
  const ListViewRows& rows = binding.rows;
  if (NothingSelectedOrFocused(binding)) {
    SendQuietly(binding, LVM_SETSELECTIONMARK, 0, -1);
    return;
  }
  // Without painting each row on the way (switching painting back on shows a
  // hidden window, so a hidden one is left alone).
  const bool shown = (GetWindowLongW(binding.list, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown) SendQuietly(binding, WM_SETREDRAW, FALSE, 0);
  // With every row selected before and after, only the focus moves: the
  // control would spend a step per row on selecting them all again.
  const bool all_stay_selected = rows.SelectedCount() == rows.Count() &&
                                 SendQuietly(binding, LVM_GETSELECTEDCOUNT, 0, 0) == rows.Count();
  if (!all_stay_selected) CopySelectedRows(binding);
  const int focused = rows.Focused();
  if (focused >= 0) {
    SetControlState(binding, focused, LVIS_FOCUSED, LVIS_FOCUSED);
  } else {
    const auto shown = static_cast<int>(
        SendQuietly(binding, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)));
    if (shown >= 0) SetControlState(binding, shown, LVIS_FOCUSED, 0);
  }
  // Shift+click selects from here.
  SendQuietly(binding, LVM_SETSELECTIONMARK, 0, focused);
  if (shown) {
    SendQuietly(binding, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(binding.list, nullptr, FALSE);
  }
}

int CompareTexts(std::string_view left, std::string_view right) {
  const std::wstring a = Wide(left);
  const std::wstring b = Wide(right);
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) -
         CSTR_EQUAL;
}

// After the rows of equal text, so that equal rows keep the order they came in.
int SortedPlace(const ListViewBinding& binding, std::string_view text) {
  const int sign = binding.auto_sort == 1 ? 1 : -1;
  int low = 0;
  int high = binding.rows.Count();
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (sign * CompareTexts(text, binding.rows.Text(middle, 0)) < 0) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

int ColumnCount(ListViewBinding& binding) {
  if (binding.column_count < 0) {
    auto header = reinterpret_cast<HWND>(SendQuietly(binding, LVM_GETHEADER, 0, 0));
    binding.column_count = header == nullptr ? 0 : static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  }
  return binding.column_count;
}

void Unbind(ListViewBinding* binding);

// A state for every row (select all, deselect all) costs the control a step
// per row; with painting on, each step also repaints its row, which under
// Wine takes a million rows from a second to half a minute.
LRESULT SetEveryItemState(ListViewBinding& binding, LPARAM item) {
  CatchUp(binding);
  const bool shown = (GetWindowLongW(binding.list, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown) SendQuietly(binding, WM_SETREDRAW, FALSE, 0);
  const LRESULT result = DefSubclassProc(binding.list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), item);
  if (shown) {
    SendQuietly(binding, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(binding.list, nullptr, FALSE);
  }
  return result;
}

LRESULT CALLBACK ListViewProcedure(HWND list, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                   DWORD_PTR data) {
  auto& binding = *reinterpret_cast<ListViewBinding*>(data);
  if (message == CallMessage()) {
    (*reinterpret_cast<const std::function<void(ListViewBinding&)>*>(lparam))(binding);
    return 0;
  }
  if ((message == WM_TIMER && wparam == kCountTimerId) || message == CatchUpMessage()) {
    CatchUp(binding);
    return 0;
  }
  // Under Wine the repaint after a new count costs several times the count
  // change itself.
  if (message == WM_PAINT && binding.timing_repaint) {
    binding.timing_repaint = false;
    const ULONGLONG start = GetTickCount64();
    const LRESULT result = DefSubclassProc(list, message, wparam, lparam);
    binding.last_catch_up_ms += static_cast<UINT>(GetTickCount64() - start);
    return result;
  }
  if (message == LVM_INSERTCOLUMNW || message == LVM_INSERTCOLUMNA || message == LVM_DELETECOLUMN) {
    binding.column_count = -1;
  }
  if (message == WM_NCDESTROY) {
    Unbind(&binding);
    return DefSubclassProc(list, message, wparam, lparam);
  }
  if (message == LVM_SETITEMSTATE && wparam == static_cast<WPARAM>(-1) && binding.quiet == 0) {
    return SetEveryItemState(binding, lparam);
  }
  if (message >= LVM_FIRST && message < LVM_FIRST + 0x100 && binding.quiet == 0) {
    if (auto answer = AnswerItemMessage(binding, message, wparam, lparam)) return *answer;
    // A message from outside that names items by index finds them where the
    // rows are now.
    if (message != LVM_GETITEMCOUNT) CatchUp(binding);
  }
  return DefSubclassProc(list, message, wparam, lparam);
}

void Unbind(ListViewBinding* binding) {
  RemoveWindowSubclass(binding->list, ListViewProcedure, kSubclassId);
  AcquireSRWLockExclusive(&bindings_lock);
  bindings.erase(binding->list);
  ReleaseSRWLockExclusive(&bindings_lock);
  delete binding;
}

}  // namespace

ListViewBinding& BindListView(HWND list) {
  auto* binding = new ListViewBinding;
  binding->list = list;
  binding->thread = GetCurrentThreadId();
  binding->control_procedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(list, GCLP_WNDPROC));
  AcquireSRWLockExclusive(&bindings_lock);
  bindings[list] = binding;
  ReleaseSRWLockExclusive(&bindings_lock);
  SetWindowSubclass(list, ListViewProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(binding));
  return *binding;
}

ListViewBinding* ListViewBindingOf(HWND list) {
  AcquireSRWLockShared(&bindings_lock);
  const auto found = bindings.find(list);
  ListViewBinding* binding = found == bindings.end() ? nullptr : found->second;
  ReleaseSRWLockShared(&bindings_lock);
  return binding != nullptr && binding->thread == GetCurrentThreadId() ? binding : nullptr;
}

// Straight to the control's own procedure: the subclass dispatcher that every
// message to a watched control goes through costs a window-server round trip
// under Wine, and the runtime's subclasses have nothing to do with these.
LRESULT SendQuietly(ListViewBinding& binding, UINT message, WPARAM wparam, LPARAM lparam) {
  Quiet quiet(binding);
  return CallWindowProcW(binding.control_procedure, binding.list, message, wparam, lparam);
}

void CatchUp(ListViewBinding& binding) {
  StopTimer(binding);
  const int count = binding.rows.Count();
  if (count == binding.shown.Count() && !binding.rows_moved && !binding.repaint_pending) return;
  const ULONGLONG start = GetTickCount64();
  if (count != binding.shown.Count()) {
    // Keeps the scroll position; the new count repaints every row.
    SendQuietly(binding, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), LVSICF_NOSCROLL);
  } else {
    InvalidateRect(binding.list, nullptr, FALSE);
  }
  // Also when a row went in and another went out: the count alone is the
  // same, and the control now shows the rows as they are.
  binding.shown.Shown(count);
  binding.repaint_pending = false;
  if (binding.rows_moved) {
    binding.rows_moved = false;
    CopySelectionToControl(binding);
  }
  binding.last_catch_up_ms = static_cast<UINT>(GetTickCount64() - start);
  binding.timing_repaint = true;
}

// A catch-up that grows costly (a large selection to move, a slow repaint)
// comes less often, so that it never takes more than a fifth of the time.
void CatchUpSoon(ListViewBinding& binding) {
  if (binding.timer_running) return;
  const UINT period = std::max(kCountPeriodMs, 4 * binding.last_catch_up_ms);
  binding.timer_running = SetTimer(binding.list, kCountTimerId, period, nullptr) != 0;
  // Without a timer the count must follow at once.
  if (!binding.timer_running) CatchUp(binding);
}

void CatchUpAtNextTurn(ListViewBinding& binding) {
  StopTimer(binding);
  if (!PostMessageW(binding.list, CatchUpMessage(), 0, 0)) CatchUp(binding);
}

void ChangeStateImage(ListViewBinding& binding, int index, int image) {
  const int before = binding.rows.StateImage(index);
  binding.rows.SetStateImage(index, image);
  const int after = binding.rows.StateImage(index);
  if (after == before) return;
  binding.repaint_pending = true;
  CatchUpSoon(binding);
  // A row that gets its first image is not a change of its check. Last: the
  // event's handler may do anything to the list, even destroy it.
  if (before != 0) Report(NoticeKind::kCheckChanged, binding.list, index, after - 1);
}

void ToggleCheck(ListViewBinding& binding, int index) {
  const int image = binding.rows.StateImage(index);
  if (image != 1 && image != 2) return;
  const int shown = binding.shown.ShownOf(index);
  if (shown >= 0) SendQuietly(binding, LVM_REDRAWITEMS, static_cast<WPARAM>(shown), shown);
  ChangeStateImage(binding, index, 3 - image);
}

int InsertRow(ListViewBinding& binding, int index, const ListViewItemSpec& item,
              std::span<const std::string_view> later_columns) {
  if (binding.auto_sort != 0) index = SortedPlace(binding, item.text);
  const auto columns = static_cast<std::size_t>(std::max(ColumnCount(binding) - 1, 0));
  const int inserted = binding.rows.Insert(index, item, later_columns.first(std::min(later_columns.size(), columns)));
  binding.shown.Inserted(inserted, binding.rows.Count());
  if (inserted < binding.rows.Count() - 1) binding.rows_moved = true;
  // Rows going in at many places would make every index the control sends
  // costly to follow.
  if (binding.shown.Crowded()) {
    CatchUp(binding);
  } else {
    CatchUpSoon(binding);
  }
  return inserted;
}

bool DeleteRow(ListViewBinding& binding, int index) {
  if (!binding.rows.Exists(index)) return false;
  binding.rows.Erase(index);
  RowsMoved(binding);
  return true;
}

void DeleteAllRows(ListViewBinding& binding) {
  binding.rows.Clear();
  RowsMoved(binding);
}

void SetRowText(ListViewBinding& binding, int index, int column, std::string_view text) {
  if (!binding.rows.Exists(index)) return;
  if (column > 0 && column >= ColumnCount(binding)) return;
  binding.rows.SetText(index, column, text);
  binding.repaint_pending = true;
  CatchUpSoon(binding);
}

void RowsMoved(ListViewBinding& binding) {
  binding.rows_moved = true;
  CatchUp(binding);
}

void RunOnListViewThread(HWND list, const std::function<void(ListViewBinding&)>& call) {
  if (!IsWindow(list) || GetWindowThreadProcessId(list, nullptr) == GetCurrentThreadId()) return;
  SendMessageW(list, CallMessage(), 0, reinterpret_cast<LPARAM>(&call));
}

}  // namespace vorlix::platform
