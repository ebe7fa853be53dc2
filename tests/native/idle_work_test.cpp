#include "runtime/core/events/idle_work.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/template/template_segment_codec.h"

namespace vorlix::core {
namespace {

constexpr WindowId kFirst = 0x52010001;
constexpr WindowId kSecond = 0x52010002;
constexpr WindowId kWithoutIdleHandler = 0x52010003;

// How many more times each window's idle handler asks to be called again.
int first_asks_left = 0;
int second_asks_left = 0;
std::vector<WindowId> idle_events;
std::vector<std::int32_t> elapsed_seen;

HandlerResult AskAgain(int& asks_left, WindowId window, std::span<const Value> arguments) {
  idle_events.push_back(window);
  elapsed_seen.push_back(*arguments[0].get_if<std::int32_t>());
  if (asks_left == 0) return std::nullopt;
  --asks_left;
  return 1;
}

HandlerResult FirstIdle(std::span<const Value> arguments) { return AskAgain(first_asks_left, kFirst, arguments); }
HandlerResult SecondIdle(std::span<const Value> arguments) { return AskAgain(second_asks_left, kSecond, arguments); }

const std::array<Handler, 2> kHandlers{FirstIdle, SecondIdle};

WindowTemplate Window(WindowId id, std::vector<EventBinding> bindings) {
  UnitRecord frame;
  frame.type = type_codes::kWindow;
  frame.bindings = std::move(bindings);
  WindowTemplate window{id, {}};
  window.record.records.push_back({kWindowOwnRecordId, frame});
  return window;
}

std::vector<std::string> routines_called;

void RoutineA(std::uintptr_t argument) { routines_called.push_back("A" + std::to_string(argument)); }
void RoutineB(std::uintptr_t argument) { routines_called.push_back("B" + std::to_string(argument)); }
void RoutineC(std::uintptr_t argument) { routines_called.push_back("C" + std::to_string(argument)); }

class IdleWorkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    while (EventDeliverySuspended()) ResumeEventDelivery();
    first_asks_left = second_asks_left = 0;
    idle_events.clear();
    elapsed_seen.clear();
    routines_called.clear();
    TemplateSegment windows{Window(kFirst, {{7, 0}}), Window(kSecond, {{7, sizeof(Handler)}}),
                            Window(kWithoutIdleHandler, {})};
    Runtime().windows = LoadSegment(SerialiseSegment(windows), CodeBaseOf(std::span<const Handler>(kHandlers)));
    Runtime().open_windows = {kFirst, kSecond, kWithoutIdleHandler};
  }
  void TearDown() override {
    DropIdleRoutines();
    Runtime().windows.clear();
    Runtime().open_windows.clear();
  }
};

TEST_F(IdleWorkTest, idle_event_begins_with_the_third_pass) {
  IdleWork idle;
  EXPECT_TRUE(idle.Pass(0));
  EXPECT_TRUE(idle.Pass(1));
  EXPECT_TRUE(idle_events.empty());
  idle.Pass(2);
  EXPECT_EQ(idle_events, (std::vector<WindowId>{kFirst, kSecond}));
}

TEST_F(IdleWorkTest, no_more_work_is_wanted_when_no_window_asks_again) {
  IdleWork idle;
  idle.Pass(0);
  idle.Pass(1);
  EXPECT_FALSE(idle.Pass(2));
}

TEST_F(IdleWorkTest, only_windows_that_returned_true_are_asked_again_in_the_period) {
  first_asks_left = 2;
  IdleWork idle;
  idle.Pass(0);
  idle.Pass(1);
  EXPECT_TRUE(idle.Pass(2));
  EXPECT_TRUE(idle.Pass(3));
  EXPECT_FALSE(idle.Pass(4));
  EXPECT_EQ(idle_events, (std::vector<WindowId>{kFirst, kSecond, kFirst, kFirst}));
}

TEST_F(IdleWorkTest, a_new_period_asks_every_window_again) {
  IdleWork idle;
  for (int count = 0; count < 3; ++count) idle.Pass(count);
  idle_events.clear();
  for (int count = 0; count < 3; ++count) idle.Pass(count);
  EXPECT_EQ(idle_events, (std::vector<WindowId>{kFirst, kSecond}));
}

TEST_F(IdleWorkTest, the_event_carries_the_milliseconds_since_the_period_began) {
  first_asks_left = 1;
  IdleWork idle;
  for (int count = 0; count < 4; ++count) idle.Pass(count);
  ASSERT_EQ(elapsed_seen.size(), 3u);
  EXPECT_GE(elapsed_seen[0], 0);
  EXPECT_LE(elapsed_seen[0], elapsed_seen[2]) << "the time counts from the period's start, not the pass";
}

TEST_F(IdleWorkTest, a_window_that_has_gone_is_not_asked) {
  Runtime().open_windows = {kSecond};
  IdleWork idle;
  for (int count = 0; count < 3; ++count) idle.Pass(count);
  EXPECT_EQ(idle_events, std::vector<WindowId>{kSecond});
}

TEST_F(IdleWorkTest, idle_routines_run_newest_first_with_their_argument) {
  AddIdleRoutine(kFirst, RoutineA, 1);
  AddIdleRoutine(kSecond, RoutineB, 2);
  CallIdleRoutines();
  EXPECT_EQ(routines_called, (std::vector<std::string>{"B2", "A1"}));
}

TEST_F(IdleWorkTest, a_window_keeps_its_first_idle_routine) {
  EXPECT_TRUE(AddIdleRoutine(kFirst, RoutineA, 1));
  EXPECT_FALSE(AddIdleRoutine(kFirst, RoutineC, 3));
  CallIdleRoutines();
  EXPECT_EQ(routines_called, std::vector<std::string>{"A1"});
}

TEST_F(IdleWorkTest, removing_a_window_s_idle_routine_lets_it_register_another) {
  AddIdleRoutine(kFirst, RoutineA, 1);
  RemoveIdleRoutine(kFirst);
  EXPECT_TRUE(AddIdleRoutine(kFirst, RoutineC, 3));
  CallIdleRoutines();
  EXPECT_EQ(routines_called, std::vector<std::string>{"C3"});
}

TEST_F(IdleWorkTest, the_idle_routine_of_a_window_that_has_gone_is_dropped) {
  AddIdleRoutine(kFirst, RoutineA, 1);
  AddIdleRoutine(kSecond, RoutineB, 2);
  Runtime().open_windows = {kSecond};
  CallIdleRoutines();
  Runtime().open_windows = {kFirst, kSecond};
  CallIdleRoutines();
  EXPECT_EQ(routines_called, (std::vector<std::string>{"B2", "B2"})) << "the dropped routine came back";
}

}  // namespace
}  // namespace vorlix::core
