#pragma once

// An owner-data list-view control and the rows it shows. The rows are the
// truth; the control paints them on request and keeps the user's selection
// and focus, which follow into the rows through its notifications. Window
// thread only: the functions of list_view_control.h carry calls from other
// threads over with WithListViewRows.
#include <windows.h>

#include <functional>

#include "platform/list_view_rows.h"
#include "platform/list_view_shown_rows.h"

namespace vorlix::platform {

struct ListViewBinding {
  HWND list = nullptr;
  DWORD thread = 0;  // the control's
  WNDPROC control_procedure = nullptr;  // its class's, under every subclass
  ListViewRows rows;
  int auto_sort = 0;  // 0 none, 1 ascending, 2 descending
  // What the control was last given; it catches up on a timer. Every index
  // that the control sends or is sent goes through this.
  ShownRows shown;
  // Rows moved under the control's own selection and focus, which only the
  // next catch-up puts right.
  bool rows_moved = false;
  // Rows changed in place; painted again at the next catch-up, so that
  // changing many rows paints once a tick.
  bool repaint_pending = false;
  bool timer_running = false;
  // What the last catch-up cost, the repaint it caused included.
  UINT last_catch_up_ms = 0;
  bool timing_repaint = false;  // the next repaint is a catch-up's
  int column_count = -1;  // the header's, -1 until asked
  // Above 0 while the runtime itself sends the control messages: they do not
  // make it catch up, and the notices they cause are not the user's.
  int quiet = 0;
};

// Makes the control owner data's partner; the binding lives until the
// control is destroyed.
ListViewBinding& BindListView(HWND list);
// The binding of a list view made on this thread; null for any other window.
ListViewBinding* ListViewBindingOf(HWND list);

// Sends a message that is the runtime's own business, not a request to the
// control from outside; it goes to the control's own procedure alone.
LRESULT SendQuietly(ListViewBinding& binding, UINT message, WPARAM wparam, LPARAM lparam);

// The control shows the rows' count now, and their selection and focus when
// rows moved.
void CatchUp(ListViewBinding& binding);
// After rows were added or changed: the control catches up on its timer, so
// that changing many rows costs one count change and one repaint a tick.
void CatchUpSoon(ListViewBinding& binding);
// The control catches up as soon as its thread turns to its messages again.
void CatchUpAtNextTurn(ListViewBinding& binding);

// Sets a row's state image; a change of a row that had one is reported as a
// change of its check.
void ChangeStateImage(ListViewBinding& binding, int index, int image);
// Checks an unchecked row and unchecks a checked one, as a click on its box
// does, and shows it at once.
void ToggleCheck(ListViewBinding& binding, int index);

// The row operations that the runtime's calls and the control's messages
// share. A new row goes before `index` (past the end or negative: appended),
// or to its place in a sorted list; gives its index.
// `later_columns` as far as the header has columns for them.
int InsertRow(ListViewBinding& binding, int index, const ListViewItemSpec& item,
              std::span<const std::string_view> later_columns = {});
// False when there is no such row.
bool DeleteRow(ListViewBinding& binding, int index);
void DeleteAllRows(ListViewBinding& binding);
// A column past the header's (other than column 0) takes no text, as in any
// list view.
void SetRowText(ListViewBinding& binding, int index, int column, std::string_view text);
// Removing or moving rows shows at once: the control must never show rows
// that are gone.
void RowsMoved(ListViewBinding& binding);

// Runs `call` with the list's binding on the list's own thread, waiting for
// it from any other thread; nothing when the window is no list view of the
// runtime's. `none` is the result then.
void RunOnListViewThread(HWND list, const std::function<void(ListViewBinding&)>& call);
template <class Call>
void WithListViewRows(HWND list, Call call) {
  if (ListViewBinding* binding = ListViewBindingOf(list)) return call(*binding);
  RunOnListViewThread(list, call);
}
template <class Result, class Call>
Result WithListViewRows(HWND list, Result none, Call call) {
  if (ListViewBinding* binding = ListViewBindingOf(list)) return call(*binding);
  Result result = none;
  RunOnListViewThread(list, [&](ListViewBinding& binding) { result = call(binding); });
  return result;
}

}  // namespace vorlix::platform
