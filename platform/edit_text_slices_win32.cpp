#include "platform/edit_text_slices_win32.h"

#include <commctrl.h>

#include <algorithm>

namespace vorlix::platform {
namespace {

constexpr UINT_PTR kSlicesSubclassId = 0x5E1B;
// The first slice, about a thousand names; the next ones are sized so that
// each takes about kSliceMs, whatever the machine (under Wine a slice costs
// some milliseconds of its own and some per line).
constexpr std::size_t kFirstSliceChars = 16384;
constexpr std::size_t kSmallestSliceChars = 8192;
constexpr std::size_t kLargestSliceChars = 262144;
constexpr DWORD kSliceMs = 50;

struct PendingText {
  std::wstring rest;
  std::size_t taken = 0;  // of rest, already in the box
  DWORD insert_at = 0;    // where the next slice goes
  std::size_t slice_chars = kFirstSliceChars;
  bool was_read_only = false;
};

// Slices come on a timer, not on posted messages: the message loop hands out
// a timer's message only when no input and no painting wait, whereas a
// message that posts the next one would keep both waiting to the end.
constexpr UINT_PTR kSliceTimerId = 0x5E1B;

LRESULT CALLBACK SlicesProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data);

// Found again through a window property: mingw's import library lacks
// GetWindowSubclass.
constexpr wchar_t kPendingProperty[] = L"VorlixPendingText";

PendingText* PendingOf(HWND edit) { return static_cast<PendingText*>(GetPropW(edit, kPendingProperty)); }

// Whole lines where it can; never between the halves of a surrogate pair
// or of a line break.
std::size_t SliceEnd(const std::wstring& text, std::size_t from, std::size_t chars) {
  if (text.size() - from <= chars) return text.size();
  const std::size_t limit = from + chars;
  const std::size_t line_end = text.rfind(L'\n', limit - 1);
  if (line_end != std::wstring::npos && line_end >= from) return line_end + 1;
  std::size_t end = limit;
  if (IS_LOW_SURROGATE(text[end]) || (text[end] == L'\n' && text[end - 1] == L'\r')) --end;
  return end;
}

// The user's selection and view stay as they were; what lies after the
// insertion moves along with it.
void InsertSlice(HWND edit, PendingText& pending, std::size_t end) {
  const std::wstring slice = pending.rest.substr(pending.taken, end - pending.taken);
  DWORD start = 0;
  DWORD stop = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&stop));
  const auto first_line = static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
  const bool shown = IsWindowVisible(edit) != FALSE;
  if (shown) SendMessageW(edit, WM_SETREDRAW, FALSE, 0);
  SendMessageW(edit, EM_SETSEL, pending.insert_at, pending.insert_at);
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(slice.c_str()));
  const auto moved = static_cast<DWORD>(slice.size());
  if (start >= pending.insert_at) start += moved;
  if (stop >= pending.insert_at) stop += moved;
  SendMessageW(edit, EM_SETSEL, start, stop);
  SendMessageW(edit, EM_LINESCROLL, 0, first_line - static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0)));
  if (shown) {
    SendMessageW(edit, WM_SETREDRAW, TRUE, 0);
    // The frame too: the scroll bar moved while painting was off.
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  }
  pending.insert_at += moved;
  pending.taken = end;
}

void Stop(HWND edit, PendingText* pending) {
  KillTimer(edit, kSliceTimerId);
  RemoveWindowSubclass(edit, SlicesProcedure, kSlicesSubclassId);
  RemovePropW(edit, kPendingProperty);
  if (!pending->was_read_only) SendMessageW(edit, EM_SETREADONLY, FALSE, 0);
  delete pending;
}

LRESULT CALLBACK SlicesProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* pending = reinterpret_cast<PendingText*>(data);
  if (message == WM_TIMER && wparam == kSliceTimerId) {
    const DWORD start = GetTickCount();
    InsertSlice(edit, *pending, SliceEnd(pending->rest, pending->taken, pending->slice_chars));
    const DWORD took = std::max<DWORD>(GetTickCount() - start, 1);
    pending->slice_chars =
        std::clamp<std::size_t>(pending->slice_chars * kSliceMs / took, kSmallestSliceChars, kLargestSliceChars);
    if (pending->taken == pending->rest.size()) Stop(edit, pending);
    return 0;
  }
  if (message == WM_NCDESTROY) Stop(edit, pending);
  return DefSubclassProc(edit, message, wparam, lparam);
}

// The rest, from `insert_at` on, a slice per turn of the loop.
void Start(HWND edit, std::wstring rest, DWORD insert_at) {
  FinishSlices(edit);
  auto* pending = new PendingText{.rest = std::move(rest), .insert_at = insert_at};
  pending->was_read_only = (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0;
  SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
  SetPropW(edit, kPendingProperty, pending);
  SetWindowSubclass(edit, SlicesProcedure, kSlicesSubclassId, reinterpret_cast<DWORD_PTR>(pending));
  // Without a timer the rest must go in now.
  if (SetTimer(edit, kSliceTimerId, USER_TIMER_MINIMUM, nullptr) == 0) FinishSlices(edit);
}

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

void SetTextInSlices(HWND edit, const std::wstring& text) {
  if (PendingText* pending = PendingOf(edit)) Stop(edit, pending);
  const std::size_t first = SliceEnd(text, 0, kFirstSliceChars);
  SetWindowTextW(edit, text.substr(0, first).c_str());
  if (first < text.size()) Start(edit, text.substr(first), static_cast<DWORD>(first));
}

bool PasteInSlices(HWND edit) {
  if ((GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) != 0) return false;
  const std::wstring text = ClipboardText(edit);
  const std::size_t first = SliceEnd(text, 0, kFirstSliceChars);
  if (first == text.size()) return false;
  FinishSlices(edit);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.substr(0, first).c_str()));
  DWORD caret = 0;
  SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  Start(edit, text.substr(first), caret);
  return true;
}

std::wstring WholeText(HWND edit) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  if (const PendingText* pending = PendingOf(edit)) {
    text.insert(std::min<std::size_t>(pending->insert_at, text.size()), pending->rest, pending->taken);
  }
  return text;
}

void FinishSlices(HWND edit) {
  PendingText* pending = PendingOf(edit);
  if (pending == nullptr) return;
  InsertSlice(edit, *pending, pending->rest.size());
  Stop(edit, pending);
}

}  // namespace vorlix::platform
