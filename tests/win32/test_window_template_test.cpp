// The test window's segment as the Windows program carries it: generated at
// build time for this target and embedded, then loaded against a handler
// table of real routines.
#include <gtest/gtest.h>

#include <array>

#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/template/list_view_blocks.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/template/unit_property_data.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "tests/template_data/test_handler_names.h"
#include "tests/template_data/test_window_segment.h"

namespace vorlix::core {
namespace {

using namespace tests::test_units;

int last_called = -1;
template <int N>
HandlerResult Record(std::span<const Value>) {
  last_called = N;
  return std::nullopt;
}
// In the order of the test handler names.
const std::array<Handler, tests::kTestHandlerNames.size()> kTestHandlers{Record<0>, Record<1>, Record<2>, Record<3>};

TemplateSegment LoadTestSegment() {
  return LoadSegment(tests::TestWindowSegment(), CodeBaseOf(std::span<const Handler>(kTestHandlers)));
}

int CallHandler(std::uintptr_t handler) {
  last_called = -1;
  (*HandlerEntry<Handler>(handler))({});
  return last_called;
}

TEST(EmbeddedTemplateSegment, loads_and_binds_each_event_to_the_routine_its_description_names) {
  TemplateSegment windows = LoadTestSegment();
  const WindowTemplate* window = FindWindow(windows, tests::kTestWindowId);
  ASSERT_NE(window, nullptr);
  const WindowRecord& record = window->record;
  EXPECT_EQ(CallHandler(HandlerFor(record, *FindRecord(record, 0), 0)), 0);
  EXPECT_EQ(CallHandler(HandlerFor(record, *FindRecord(record, kButton), 0)), 1);
  EXPECT_EQ(CallHandler(HandlerFor(record, *FindRecord(record, kListView), -4)), 2);
  EXPECT_EQ(CallHandler(HandlerFor(record, *FindRecord(record, kMenuSecond), 0)), 3);
  EXPECT_EQ(HandlerFor(record, *FindRecord(record, kMenuTop), 0), 0u);
}

TEST(EmbeddedTemplateSegment, a_linked_button_runs_the_handler_of_the_button_it_links_to) {
  TemplateSegment windows = LoadTestSegment();
  const WindowRecord& record = windows[0].record;
  EXPECT_EQ(CallHandler(HandlerFor(record, *FindRecord(record, kSecondButton), 0)), 1);
}

TEST(EmbeddedTemplateSegment, units_are_stored_newest_first_after_the_window_and_before_the_menu) {
  TemplateSegment windows = LoadTestSegment();
  const auto& records = windows[0].record.records;
  ASSERT_EQ(records.size(), 1u + 11u + 3u);
  EXPECT_EQ(records[0].id, kWindowOwnRecordId);
  EXPECT_EQ(records[1].id, kDropTarget);
  EXPECT_EQ(records[11].id, kShapeBox);
  EXPECT_EQ(records[12].id, kMenuTop);
  EXPECT_EQ(records[0].Unit()->type, type_codes::kWindow);
}

TEST(EmbeddedTemplateSegment, property_data_reads_back_for_each_unit) {
  TemplateSegment windows = LoadTestSegment();
  for (const auto& record : windows[0].record.records) {
    if (record.IsMenuItem()) continue;
    const UnitRecord& unit = *record.Unit();
    EXPECT_TRUE(UnitPropertyData::Parse(*FindUnitType(unit.type), unit.property_data).has_value()) << std::hex
                                                                                                    << record.id;
  }
  const UnitRecord& list = *FindRecord(windows[0].record, kListView)->Unit();
  auto data = UnitPropertyData::Parse(*FindUnitType(list.type), list.property_data);
  auto columns = ParseListViewColumns(data->BytesOf(list_view_props::kColumns));
  ASSERT_TRUE(columns.has_value());
  ASSERT_EQ(columns->size(), 2u);
  EXPECT_EQ((*columns)[0].width, 150);
}

}  // namespace
}  // namespace vorlix::core
