#include "runtime/core/template/build_plan.h"

#include <gtest/gtest.h>

#include "runtime/core/events/focus_order.h"

namespace vorlix::core {
namespace {

TemplateRecord Unit(UnitId id, UnitId parent = 0, std::uint32_t state = 0, std::uint32_t tab_order = 0) {
  UnitRecord unit;
  unit.parent = parent;
  unit.state = state;
  unit.tab_order = tab_order;
  return {id, unit};
}

TemplateRecord MenuItem(UnitId id) { return {id, MenuItemRecord{}}; }

// Records newest first, as stored: C (on the container B), a menu item, B, A.
WindowRecord SampleWindow() {
  WindowRecord window;
  window.records = {Unit(kWindowOwnRecordId), Unit(0x1601000C, 0x1601000B, state_flags::kTabStop),
                    MenuItem(0x26010001), Unit(0x1601000B), Unit(0x1601000A, 0, state_flags::kTabStop)};
  return window;
}

TEST(CreationOrder, oldest_unit_first_with_control_ids_from_100_in_steps_of_10_skipping_menu_items) {
  const auto order = CreationOrder(SampleWindow());
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(order[0].id, 0x1601000Au);
  EXPECT_EQ(order[0].control_id, 100);
  EXPECT_EQ(order[0].record_index, 4u);
  EXPECT_EQ(order[1].id, 0x1601000Bu);
  EXPECT_EQ(order[1].control_id, 110);
  EXPECT_EQ(order[2].id, 0x1601000Cu);
  EXPECT_EQ(order[2].control_id, 120);
}

TEST(StackingOrder, each_unit_goes_below_the_nearest_earlier_record_with_the_same_parent) {
  const auto steps = StackingOrder(SampleWindow());
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].unit, 0x1601000Cu);
  EXPECT_EQ(steps[0].below, 0u) << "first in its container";
  EXPECT_EQ(steps[1].unit, 0x1601000Bu);
  EXPECT_EQ(steps[1].below, 0u) << "the only earlier record is on another parent";
  EXPECT_EQ(steps[2].unit, 0x1601000Au);
  EXPECT_EQ(steps[2].below, 0x1601000Bu);
}

TEST(FocusOrder, tab_stops_by_tab_order_then_creation_order) {
  WindowRecord window = SampleWindow();
  window.records.push_back(Unit(0x16010009, 0, state_flags::kTabStop, 1));
  window.records.push_back(Unit(0x16010008, 0, state_flags::kTabStop, 0));
  EXPECT_EQ(TabStopOrder(window), (std::vector<UnitId>{0x16010008, 0x1601000A, 0x1601000C, 0x16010009}));
}

TEST(PagedContainer, children_after_the_first_separator_start_hidden) {
  UnitRecord container;
  container.children = {0x16010001, 0x16010002, 0, 0x16010003, 0, 0x16010004};
  EXPECT_EQ(ChildrenOfLaterPages(container), (std::vector<UnitId>{0x16010003, 0x16010004}));
}

}  // namespace
}  // namespace vorlix::core
