#include "runtime/commands/thread_commands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "platform/hidden_owner_window.h"
#include "runtime/commands/event_commands.h"

namespace vorlix::commands {
namespace {

// Set by the thread; waited for with a limit so that a failure cannot hang.
class Signal {
 public:
  Signal() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~Signal() { CloseHandle(event_); }
  void Raise(std::int32_t value) {
    value_ = value;
    thread_ = GetCurrentThreadId();
    SetEvent(event_);
  }
  bool Wait() { return WaitForSingleObject(event_, 10000) == WAIT_OBJECT_0; }
  std::int32_t value() const { return value_; }
  DWORD thread() const { return thread_; }

 private:
  HANDLE event_;
  std::atomic<std::int32_t> value_{-1};
  std::atomic<DWORD> thread_{0};
};

TEST(StartThread, runs_the_subroutine_on_another_thread_with_its_parameter) {
  Signal signal;
  ASSERT_TRUE(StartThread([&](std::int32_t value) { signal.Raise(value); }, 42));
  ASSERT_TRUE(signal.Wait());
  EXPECT_EQ(signal.value(), 42);
  EXPECT_NE(signal.thread(), GetCurrentThreadId());
}

TEST(StartThread, an_absent_parameter_is_zero) {
  Signal signal;
  ASSERT_TRUE(StartThread([&](std::int32_t value) { signal.Raise(value); }));
  ASSERT_TRUE(signal.Wait());
  EXPECT_EQ(signal.value(), 0);
}

TEST(StartThread, the_handle_variable_receives_an_open_handle_of_the_thread) {
  Signal signal;
  std::intptr_t handle = 0;
  ASSERT_TRUE(StartThread([&](std::int32_t value) { signal.Raise(value); }, 7, &handle));
  ASSERT_NE(handle, 0);
  auto thread = reinterpret_cast<HANDLE>(handle);
  ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0) << "the handle is the thread's and still open";
  EXPECT_EQ(signal.value(), 7);
  EXPECT_EQ(GetThreadId(thread), signal.thread());
  EXPECT_TRUE(CloseHandle(thread));
}

TEST(RunOnWindowThread, tasks_from_a_worker_run_on_the_window_thread_in_order) {
  platform::CreateHiddenOwnerWindow();
  std::vector<int> order;
  std::vector<DWORD> threads;
  Signal posted;
  ASSERT_TRUE(StartThread([&](std::int32_t) {
    for (int i = 0; i < 100; ++i) {
      RunOnWindowThread([&, i] {
        order.push_back(i);
        threads.push_back(GetCurrentThreadId());
      });
    }
    posted.Raise(0);
  }));
  ASSERT_TRUE(posted.Wait());
  EXPECT_TRUE(order.empty()) << "nothing runs before the window thread dispatches";
  ProcessEvents();
  ASSERT_EQ(order.size(), 100u);
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(order[i], i);
    EXPECT_EQ(threads[i], GetCurrentThreadId());
  }
}

}  // namespace
}  // namespace vorlix::commands
