#include "platform/hidden_owner_window.h"

#include <windows.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <utility>

#include "platform/runtime_window_class_win32.h"
#include "platform/window_notices_win32.h"

namespace vorlix::platform {
namespace {

constexpr wchar_t kOwnerClassName[] = L"VorlixOwnerWindow";
constexpr UINT kEndRequestMessage = WM_APP + 1;
constexpr UINT kRunTasksMessage = WM_APP + 2;

std::atomic<HWND> owner_window{nullptr};

// Tasks from other threads. One message is posted when the queue turns
// non-empty, so a busy poster does not flood the window thread's queue.
std::mutex task_lock;
std::deque<std::function<void()>> waiting_tasks;

void RunWaitingTasks() {
  std::deque<std::function<void()>> tasks;
  {
    std::lock_guard lock(task_lock);
    tasks.swap(waiting_tasks);
  }
  for (auto& task : tasks) task();
}

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kEndRequestMessage) {
    Report(NoticeKind::kEndRequested, window, static_cast<std::intptr_t>(wparam));
    return 0;
  }
  if (message == kRunTasksMessage) {
    RunWaitingTasks();
    return 0;
  }
  if (message == WM_NCDESTROY) {
    HWND expected = window;
    owner_window.compare_exchange_strong(expected, nullptr);
    std::lock_guard lock(task_lock);
    waiting_tasks.clear();
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

WindowHandle CreateHiddenOwnerWindow() {
  if (owner_window.load() == nullptr) {
    RegisterRuntimeClass(kOwnerClassName, OwnerProcedure);
    owner_window = CreateWindowExW(WS_EX_TOOLWINDOW, kOwnerClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
  }
  return reinterpret_cast<WindowHandle>(owner_window.load());
}

WindowHandle HiddenOwnerWindow() { return reinterpret_cast<WindowHandle>(owner_window.load()); }

void DestroyHiddenOwnerWindow() {
  if (HWND window = owner_window.exchange(nullptr); window != nullptr) DestroyWindow(window);
}

bool PostEndRequest(int exit_code) {
  HWND window = owner_window.load();
  return window != nullptr && PostMessageW(window, kEndRequestMessage, static_cast<WPARAM>(exit_code), 0);
}

bool PostToWindowThread(std::function<void()> task) {
  std::lock_guard lock(task_lock);
  HWND window = owner_window.load();
  if (window == nullptr) return false;
  const bool first = waiting_tasks.empty();
  waiting_tasks.push_back(std::move(task));
  if (first && !PostMessageW(window, kRunTasksMessage, 0, 0)) {
    waiting_tasks.pop_back();
    return false;
  }
  return true;
}

}  // namespace vorlix::platform
