// Every event of the main window's wiring reaches the handler it names,
// through the stored binding and the application's handler table order.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>

#include "app/mainwindow/handler_names.h"
#include "app/mainwindow/main_window_segment.h"
#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/template_loader.h"
#include "tests/template_data/main_window_layout.h"
#include "tests/template_data/main_window_records.h"

namespace vorlix::tests {
namespace {

using namespace core;
namespace layout = main_window_layout;

constexpr std::size_t kHandlerCount = app::kHandlerNames.size();

// The entries that ran, in order.
std::vector<std::size_t> ran;

template <std::size_t Entry>
HandlerResult Recording(std::span<const Value>) {
  ran.push_back(Entry);
  return std::nullopt;
}

// A recording routine in every place of the application's handler table.
template <std::size_t... Entries>
constexpr std::array<Handler, kHandlerCount> RecordingTable(std::index_sequence<Entries...>) {
  return {Recording<Entries>...};
}
constexpr std::array<Handler, kHandlerCount> kRecordingHandlers =
    RecordingTable(std::make_index_sequence<kHandlerCount>());

std::string_view HandlerNameOf(std::size_t entry) { return app::kHandlerNames.at(entry); }

class MainWindowWiring : public ::testing::Test {
 protected:
  void SetUp() override {
    Runtime().windows =
        LoadSegment(app::MainWindowSegment(), CodeBaseOf(std::span<const Handler>(kRecordingHandlers)));
    ran.clear();
  }
  void TearDown() override { Runtime().windows.clear(); }

  const WindowRecord& Window() const { return FindWindow(Runtime().windows, kMainWindowId)->record; }

  // The names of the handlers that ran for the event.
  std::vector<std::string_view> Raise(UnitId unit, std::int32_t event) {
    ran.clear();
    EventRequest request{kMainWindowId, unit, event, {}};
    RaiseEvent(request);
    std::vector<std::string_view> names;
    for (std::size_t entry : ran) names.push_back(HandlerNameOf(entry));
    return names;
  }
};

TEST_F(MainWindowWiring, every_bound_event_runs_the_handler_it_names) {
  for (const layout::Binding& binding : layout::kWiring) {
    const UnitId unit = UnitIdNamed(Window(), binding.unit);
    ASSERT_NE(unit, 0u) << Gbk(binding.unit);
    EXPECT_EQ(Raise(unit, binding.event), std::vector<std::string_view>{binding.handler})
        << Gbk(binding.unit) << " event " << binding.event;
  }
}

TEST_F(MainWindowWiring, no_other_event_of_any_unit_is_bound) {
  std::size_t bound = 0;
  for (const TemplateRecord& record : Window().records) {
    if (const UnitRecord* unit = record.Unit()) {
      bound += std::count_if(unit->bindings.begin(), unit->bindings.end(),
                             [](const EventBinding& binding) { return binding.handler != 0; });
      EXPECT_EQ(unit->linked_unit, 0u);
    }
  }
  EXPECT_EQ(bound, std::size(layout::kWiring));
}

TEST_F(MainWindowWiring, close_query_and_the_events_after_building_run_nothing) {
  for (std::int32_t event : {1, 3, 4, 7}) {
    EXPECT_TRUE(Raise(kWindowOwnRecordId, event).empty()) << "window event " << event;
  }
  EXPECT_TRUE(Raise(UnitIdNamed(Window(), u"时钟1"), 0).empty()) << "the timer has no handler";
  EXPECT_TRUE(Raise(UnitIdNamed(Window(), u"编辑框_文件名"), -7).empty());
}

TEST_F(MainWindowWiring, each_menu_item_runs_its_handler_and_the_two_popups_none) {
  std::size_t index = 0;
  for (const TemplateRecord& record : Window().records) {
    if (!record.IsMenuItem()) continue;
    const layout::MenuItem& expected = layout::kMenu[index++];
    const std::vector<std::string_view> handlers = Raise(record.id, 0);
    if (expected.handler.empty()) {
      EXPECT_TRUE(handlers.empty()) << expected.command;
    } else {
      EXPECT_EQ(handlers, std::vector<std::string_view>{expected.handler}) << expected.command;
    }
  }
  EXPECT_EQ(index, std::size(layout::kMenu));
}

TEST_F(MainWindowWiring, every_entry_of_the_handler_table_is_bound_somewhere) {
  std::vector<std::string_view> bound;
  for (const layout::Binding& binding : layout::kWiring) bound.push_back(binding.handler);
  for (const layout::MenuItem& item : layout::kMenu) bound.push_back(item.handler);
  for (std::string_view name : app::kHandlerNames) {
    EXPECT_NE(std::find(bound.begin(), bound.end(), name), bound.end()) << name;
  }
}

}  // namespace
}  // namespace vorlix::tests
