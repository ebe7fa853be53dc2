#include "runtime/core/events/event_dispatch.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "fatal_error_capture.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/template/template_segment_codec.h"
#include "texts.h"

namespace vorlix::core {
namespace {

// What the handlers saw, in call order.
struct Call {
  std::string handler;
  std::vector<std::int32_t> arguments;
  std::optional<EventSource> source;
};
std::vector<Call> calls;

void Record(const char* handler, std::span<const Value> arguments) {
  Call call{handler, {}, CurrentEventSource()};
  for (const Value& argument : arguments) call.arguments.push_back(*argument.get_if<std::int32_t>());
  calls.push_back(call);
}

constexpr UnitId kButton = 0x16010001;
constexpr UnitId kLinkedButton = 0x16010002;
constexpr UnitId kFarButton = 0x16010003;
constexpr UnitId kLinkedToOtherType = 0x16010004;
constexpr UnitId kUnusedTypeUnit = 0x16010005;
constexpr UnitId kMenuItem = 0x26010010;
constexpr UnitId kMenuWithoutHandler = 0x26010011;
constexpr WindowId kOtherWindow = 0x52010002;
constexpr UnitId kOtherWindowButton = 0x16010009;

HandlerResult Clicked(std::span<const Value> arguments) {
  Record("Clicked", arguments);
  return std::nullopt;
}

HandlerResult LinkedTarget(std::span<const Value> arguments) {
  Record("LinkedTarget", arguments);
  return std::nullopt;
}

HandlerResult ReturnsFalse(std::span<const Value> arguments) {
  Record("ReturnsFalse", arguments);
  return 0;
}

HandlerResult MenuSelected(std::span<const Value> arguments) {
  Record("MenuSelected", arguments);
  return std::nullopt;
}

// Raises the other window's button event from inside itself, as a handler
// that processes pending messages would.
HandlerResult RaisesNested(std::span<const Value> arguments) {
  Record("RaisesNested", arguments);
  EventRequest inner{kOtherWindow, kOtherWindowButton, 0, {}};
  RaiseEvent(inner);
  Record("RaisesNested after inner", {});
  return std::nullopt;
}

HandlerResult Fails(std::span<const Value>) { FatalError("failed"); }

const std::array<Handler, 6> kHandlers{Clicked, LinkedTarget, ReturnsFalse, MenuSelected, RaisesNested, Fails};

std::uint32_t OffsetOf(Handler handler) {
  for (std::size_t i = 0; i < kHandlers.size(); ++i) {
    if (kHandlers[i] == handler) return static_cast<std::uint32_t>(i * sizeof(Handler));
  }
  ADD_FAILURE() << "handler not in the table";
  return kNoHandlerOffset;
}

TemplateRecord Unit(UnitId id, UnitTypeCode type, std::vector<EventBinding> bindings, UnitId linked = 0) {
  UnitRecord unit;
  unit.type = type;
  unit.linked_unit = linked;
  unit.bindings = std::move(bindings);
  return {id, unit};
}

TemplateRecord MenuItem(UnitId id, std::uint32_t handler_offset) {
  MenuItemRecord item;
  item.caption = "item";
  item.handler_offset = handler_offset;
  return {id, item};
}

EventBinding Bind(std::int32_t event, Handler handler) { return {event, OffsetOf(handler)}; }

TemplateSegment Windows() {
  WindowRecord main;
  main.records = {
      Unit(kWindowOwnRecordId, type_codes::kWindow, {Bind(7, ReturnsFalse), Bind(8, Fails)}),
      Unit(kButton, type_codes::kButton,
           {Bind(0, Clicked), Bind(-1, ReturnsFalse), {-2, kNoHandlerOffset}, Bind(1, RaisesNested)}),
      Unit(kLinkedButton, type_codes::kButton, {Bind(0, Clicked)}, kFarButton),
      Unit(kFarButton, type_codes::kButton, {Bind(0, LinkedTarget)}),
      Unit(kLinkedToOtherType, type_codes::kButton, {Bind(0, Clicked)}, kWindowOwnRecordId),
      Unit(kUnusedTypeUnit, MakeTypeCode(1, 2), {Bind(0, Clicked)}),
      MenuItem(kMenuItem, OffsetOf(MenuSelected)),
      MenuItem(kMenuWithoutHandler, kNoHandlerOffset),
  };
  WindowRecord other;
  other.records = {Unit(kWindowOwnRecordId, type_codes::kWindow, {}),
                   Unit(kOtherWindowButton, type_codes::kButton, {Bind(0, Clicked)})};
  return {{kMainWindowId, main}, {kOtherWindow, other}};
}

class EventDispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    while (EventDeliverySuspended()) ResumeEventDelivery();
    calls.clear();
    Runtime().windows = LoadSegment(SerialiseSegment(Windows()), CodeBaseOf(std::span<const Handler>(kHandlers)));
  }
  void TearDown() override { Runtime().windows.clear(); }

  static EventRequest Request(UnitId unit, std::int32_t event, std::vector<Value> arguments = {}) {
    return {kMainWindowId, unit, event, std::move(arguments)};
  }
  static std::vector<std::string> HandlersCalled() {
    std::vector<std::string> names;
    for (const Call& call : calls) names.push_back(call.handler);
    return names;
  }
};

TEST_F(EventDispatch, bound_handler_runs_with_the_arguments_in_order) {
  EventRequest request = Request(kButton, 0, {std::int32_t{3}, std::int32_t{-4}, std::int32_t{5}});
  EXPECT_TRUE(RaiseEvent(request));
  ASSERT_EQ(HandlersCalled(), std::vector<std::string>{"Clicked"});
  EXPECT_EQ(calls[0].arguments, (std::vector<std::int32_t>{3, -4, 5}));
}

TEST_F(EventDispatch, unit_0_raises_the_event_of_the_window_itself) {
  EventRequest request{kMainWindowId, 0, 7, {std::int32_t{12}}};
  EXPECT_TRUE(RaiseEvent(request));
  EXPECT_EQ(HandlersCalled(), std::vector<std::string>{"ReturnsFalse"});
}

TEST_F(EventDispatch, handler_that_returns_nothing_leaves_no_result) {
  EventRequest request = Request(kButton, 0);
  request.result_present = true;
  request.result = 99;
  EXPECT_TRUE(RaiseEvent(request));
  EXPECT_FALSE(request.result_present);
}

TEST_F(EventDispatch, returned_value_is_present_in_the_request_even_when_0) {
  EventRequest request = Request(kButton, -1, {std::int32_t{1}, std::int32_t{2}, std::int32_t{0}});
  EXPECT_TRUE(RaiseEvent(request));
  EXPECT_TRUE(request.result_present);
  EXPECT_EQ(request.result, 0);
}

TEST_F(EventDispatch, event_without_binding_runs_nothing) {
  EventRequest request = Request(kButton, 4);
  EXPECT_FALSE(RaiseEvent(request));
  EXPECT_FALSE(request.result_present);
  EXPECT_TRUE(calls.empty());
}

TEST_F(EventDispatch, binding_with_no_handler_runs_nothing) {
  EventRequest request = Request(kButton, -2);
  EXPECT_FALSE(RaiseEvent(request));
  EXPECT_TRUE(calls.empty());
}

TEST_F(EventDispatch, linked_units_are_followed_to_the_last_of_the_same_type) {
  EventRequest request = Request(kLinkedButton, 0);
  EXPECT_TRUE(RaiseEvent(request));
  EXPECT_EQ(HandlersCalled(), std::vector<std::string>{"LinkedTarget"});
}

TEST_F(EventDispatch, link_to_a_unit_of_another_type_keeps_the_own_bindings) {
  EventRequest request = Request(kLinkedToOtherType, 0);
  EXPECT_TRUE(RaiseEvent(request));
  EXPECT_EQ(HandlersCalled(), std::vector<std::string>{"Clicked"});
}

TEST_F(EventDispatch, menu_item_runs_its_one_handler_whatever_the_event) {
  EventRequest selected = Request(kMenuItem, 0);
  EventRequest other = Request(kMenuItem, 5);
  EXPECT_TRUE(RaiseEvent(selected));
  EXPECT_TRUE(RaiseEvent(other));
  EXPECT_EQ(HandlersCalled(), (std::vector<std::string>{"MenuSelected", "MenuSelected"}));
}

TEST_F(EventDispatch, menu_item_without_handler_runs_nothing) {
  EventRequest request = Request(kMenuWithoutHandler, 0);
  EXPECT_FALSE(RaiseEvent(request));
  EXPECT_TRUE(calls.empty());
}

TEST_F(EventDispatch, unknown_window_is_fatal) {
  auto error = test::FatalErrorOf([] {
    EventRequest request{0x52010099, 0, 0, {}};
    RaiseEvent(request);
  });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, texts::kEventWindowNotFound);
  EXPECT_EQ(error->code, 0);
}

TEST_F(EventDispatch, unknown_unit_is_fatal) {
  auto error = test::FatalErrorOf([] {
    EventRequest request = Request(0x16010099, 0);
    RaiseEvent(request);
  });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, texts::kEventUnitNotFound);
}

TEST_F(EventDispatch, unit_of_a_type_that_raises_no_events_is_fatal) {
  auto error = test::FatalErrorOf([] {
    EventRequest request = Request(kUnusedTypeUnit, 0);
    RaiseEvent(request);
  });
  ASSERT_TRUE(error);
  EXPECT_EQ(error->text, texts::kEventUnitInvalid);
  EXPECT_TRUE(calls.empty());
}

TEST_F(EventDispatch, suspended_delivery_runs_nothing_and_reports_no_handler) {
  SuspendEventDelivery();
  EventRequest request = Request(kButton, 0);
  EXPECT_FALSE(RaiseEvent(request));
  ResumeEventDelivery();
  EXPECT_TRUE(calls.empty());
}

TEST_F(EventDispatch, suspended_delivery_does_not_even_look_for_the_window) {
  SuspendEventDelivery();
  auto error = test::FatalErrorOf([] {
    EventRequest request{0x52010099, 0, 0, {}};
    EXPECT_FALSE(RaiseEvent(request));
  });
  ResumeEventDelivery();
  EXPECT_FALSE(error);
}

TEST_F(EventDispatch, suspensions_nest_and_resuming_never_goes_below_0) {
  SuspendEventDelivery();
  SuspendEventDelivery();
  ResumeEventDelivery();
  EXPECT_TRUE(EventDeliverySuspended());
  ResumeEventDelivery();
  ResumeEventDelivery();
  EXPECT_EQ(EventSuspensionDepth(), 0);
  SuspendEventDelivery();
  EXPECT_TRUE(EventDeliverySuspended()) << "an extra resume was remembered";
  ResumeEventDelivery();
}

TEST_F(EventDispatch, fatal_error_in_a_handler_stops_every_later_event) {
  int depth_seen = -1;
  SetErrorHook([](int depth, int, std::string_view) -> bool { throw depth; });
  try {
    EventRequest request{kMainWindowId, 0, 8, {}};
    RaiseEvent(request);
  } catch (int depth) {
    depth_seen = depth;
  }
  SetErrorHook(nullptr);
  EXPECT_EQ(depth_seen, 1) << "the hook sees the suspension the error began with";
  EventRequest later = Request(kButton, 0);
  EXPECT_FALSE(RaiseEvent(later));
  EXPECT_TRUE(calls.empty());
  EXPECT_FALSE(CurrentEventSource()) << "the failed handler's source stayed behind";
  ResumeEventDelivery();
}

TEST_F(EventDispatch, event_source_is_the_running_handler_and_is_cleared_after) {
  EXPECT_FALSE(CurrentEventSource());
  EventRequest request = Request(kButton, 0);
  RaiseEvent(request);
  ASSERT_EQ(calls.size(), 1u);
  ASSERT_TRUE(calls[0].source);
  EXPECT_EQ(calls[0].source->window, kMainWindowId);
  EXPECT_EQ(calls[0].source->unit, kButton);
  EXPECT_FALSE(CurrentEventSource());
}

TEST_F(EventDispatch, nested_event_overwrites_the_source_and_its_return_clears_it) {
  EventRequest request = Request(kButton, 1);
  EXPECT_TRUE(RaiseEvent(request));
  ASSERT_EQ(HandlersCalled(), (std::vector<std::string>{"RaisesNested", "Clicked", "RaisesNested after inner"}));
  EXPECT_EQ(calls[0].source->unit, kButton);
  EXPECT_EQ(calls[1].source->window, kOtherWindow);
  EXPECT_EQ(calls[1].source->unit, kOtherWindowButton);
  EXPECT_FALSE(calls[2].source) << "the inner handler's return clears the source";
  EXPECT_FALSE(CurrentEventSource());
}

}  // namespace
}  // namespace vorlix::core
