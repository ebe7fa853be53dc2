#include "runtime/core/events/message_loop.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <vector>

#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/template/template_segment_codec.h"

namespace vorlix::core {
namespace {

constexpr UINT kCounted = WM_APP + 1;
constexpr UINT kSwallowed = WM_APP + 2;

int counted_dispatched = 0;
int swallowed_dispatched = 0;
std::vector<UINT> hook_saw;

LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kCounted) ++counted_dispatched;
  if (message == kSwallowed) ++swallowed_dispatched;
  return DefWindowProcW(window, message, wparam, lparam);
}

bool SwallowingHook(platform::WindowMessage& message) {
  hook_saw.push_back(message.message);
  return message.message == kSwallowed;
}

void DrainQueue() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

// A plain window of the test's own, so that posted messages have a target.
class MessageQueueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    counted_dispatched = swallowed_dispatched = 0;
    hook_saw.clear();
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = CountingProcedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"VorlixMessageQueueTest";
    RegisterClassW(&window_class);
    window_ = CreateWindowExW(0, window_class.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              window_class.hInstance, nullptr);
    ASSERT_NE(window_, nullptr);
    DrainQueue();
  }
  void TearDown() override {
    SetPreTranslateHook(nullptr);
    DestroyWindow(window_);
    DrainQueue();
  }
  HWND window_ = nullptr;
};

TEST_F(MessageQueueTest, pending_messages_are_dispatched_and_the_quit_message_stays_queued) {
  PostMessageW(window_, kCounted, 0, 0);
  PostMessageW(window_, kCounted, 0, 0);
  PostQuitMessage(7);
  ProcessPendingMessages();
  EXPECT_EQ(counted_dispatched, 2);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) << "the quit message was taken";
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(MessageQueueTest, processing_pending_messages_returns_when_the_queue_is_empty) {
  PostMessageW(window_, kCounted, 0, 0);
  ProcessPendingMessages();
  EXPECT_EQ(counted_dispatched, 1);
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(MessageQueueTest, pre_translation_sees_every_message_and_what_it_handles_is_not_dispatched) {
  SetPreTranslateHook(SwallowingHook);
  PostMessageW(window_, kSwallowed, 0, 0);
  PostMessageW(window_, kCounted, 0, 0);
  ProcessPendingMessages();
  EXPECT_EQ(hook_saw, (std::vector<UINT>{kSwallowed, kCounted}));
  EXPECT_EQ(swallowed_dispatched, 0);
  EXPECT_EQ(counted_dispatched, 1);
}

// The loop's idle work on the real queue: the idle event (7) of two windows,
// one asking again five times, one never.
constexpr WindowId kAskingWindow = 0x52010005;
constexpr WindowId kDecliningWindow = 0x52010006;
struct IdleCall {
  WindowId window;
  DWORD tick;
  std::int32_t elapsed;
};
std::vector<IdleCall> idle_calls;
int asking_calls = 0;
UINT_PTR wake_timer = 0;

void RecordIdleCall(WindowId window, std::span<const Value> arguments) {
  idle_calls.push_back({window, GetTickCount(), *arguments[0].get_if<std::int32_t>()});
}

HandlerResult AskingIdle(std::span<const Value> arguments) {
  RecordIdleCall(kAskingWindow, arguments);
  ++asking_calls;
  if (asking_calls < 6) return 1;
  // A timer message later is the next activity, which begins a new period.
  if (asking_calls == 6) wake_timer = SetTimer(nullptr, 0, 300, nullptr);
  return std::nullopt;
}

HandlerResult DecliningIdle(std::span<const Value> arguments) {
  RecordIdleCall(kDecliningWindow, arguments);
  if (asking_calls > 6) {
    KillTimer(nullptr, wake_timer);
    PostQuitMessage(0);
  }
  return 0;
}

const std::array<Handler, 2> kIdleHandlers{AskingIdle, DecliningIdle};

// When the loop took a message that counts as activity (paint and the
// system's caret timer do not): the timer set above, or any stray message
// that a loaded machine sends meanwhile.
std::vector<DWORD> activity_ticks;

bool RecordActivity(platform::WindowMessage& message) {
  if (message.message != WM_PAINT && message.message != 0x118) activity_ticks.push_back(GetTickCount());
  return false;
}

WindowTemplate IdleWindow(WindowId id, std::uint32_t handler_offset) {
  UnitRecord frame;
  frame.type = type_codes::kWindow;
  frame.bindings = {{7, handler_offset}};
  WindowTemplate window{id, {}};
  window.record.records.push_back({kWindowOwnRecordId, frame});
  return window;
}

class MessageLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    while (EventDeliverySuspended()) ResumeEventDelivery();
    idle_calls.clear();
    asking_calls = 0;
    TemplateSegment windows{IdleWindow(kAskingWindow, 0), IdleWindow(kDecliningWindow, sizeof(Handler))};
    Runtime().windows = LoadSegment(SerialiseSegment(windows), CodeBaseOf(std::span<const Handler>(kIdleHandlers)));
    DrainQueue();
  }
  void TearDown() override {
    Runtime().windows.clear();
    Runtime().open_windows.clear();
    Runtime().loop_started = false;
  }

  static std::vector<WindowId> WindowsAsked() {
    std::vector<WindowId> windows;
    for (const IdleCall& call : idle_calls) windows.push_back(call.window);
    return windows;
  }
};

TEST_F(MessageLoopTest, loop_returns_at_once_when_no_window_of_the_program_exists) {
  Runtime().open_windows.clear();
  RunMessageLoop();
  EXPECT_TRUE(Runtime().loop_started);
  EXPECT_TRUE(idle_calls.empty());
}

TEST_F(MessageLoopTest, a_declining_window_is_not_asked_again_until_new_activity) {
  Runtime().open_windows = {kAskingWindow, kDecliningWindow};
  activity_ticks.clear();
  SetPreTranslateHook(RecordActivity);
  RunMessageLoop();
  SetPreTranslateHook(nullptr);
  const WindowId a = kAskingWindow;
  const WindowId d = kDecliningWindow;
  EXPECT_EQ(WindowsAsked(), (std::vector<WindowId>{a, d, a, a, a, a, a, a, d}));
  ASSERT_EQ(idle_calls.size(), 9u);
  for (std::size_t i = 1; i < 7; ++i) {
    EXPECT_GE(idle_calls[i].elapsed, idle_calls[i - 1].elapsed) << "one period measures from its start";
  }
  EXPECT_TRUE(std::any_of(activity_ticks.begin(), activity_ticks.end(), [](DWORD tick) {
    return tick >= idle_calls[6].tick && tick <= idle_calls[7].tick;
  })) << "idle work went on without activity";
  EXPECT_LT(idle_calls[7].elapsed, 250) << "the timer message began a new idle period";
}

}  // namespace
}  // namespace vorlix::core
