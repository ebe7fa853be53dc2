#include "runtime/core/template/template_loader.h"

#include <gtest/gtest.h>

#include <array>

#include "fatal_error_capture.h"
#include "runtime/core/template/byte_writer.h"
#include "runtime/core/template/template_segment_codec.h"
#include "texts.h"

namespace vorlix::core {
namespace {

using TestHandler = void (*)();
void First() {}
void Second() {}
void Third() {}
const std::array<TestHandler, 3> kHandlers{First, Second, Third};
const ApplicationCodeBase kCodeBase = CodeBaseOf(std::span<const TestHandler>(kHandlers));

constexpr UnitId kButtonA = 0x16010001;
constexpr UnitId kButtonB = 0x16010002;
constexpr UnitId kLabel = 0x16010003;
constexpr UnitId kMenuTop = 0x26010010;
constexpr UnitId kMenuItem = 0x26010011;

TemplateRecord Unit(UnitId id, UnitTypeCode type, std::vector<EventBinding> bindings, UnitId linked = 0) {
  UnitRecord unit;
  unit.type = type;
  unit.linked_unit = linked;
  unit.bindings = std::move(bindings);
  unit.pointer_data = {0, 0, 0, 0};
  return {id, unit};
}

TemplateRecord MenuItem(UnitId id, std::uint32_t level, std::uint32_t handler_offset) {
  MenuItemRecord item;
  item.level = level;
  item.caption = "item";
  item.handler_offset = handler_offset;
  return {id, item};
}

TemplateSegment SampleWindows() {
  WindowRecord main;
  main.module_id = 0x1901000A;
  main.records = {
      Unit(kWindowOwnRecordId, type_codes::kWindow, {{0, 0}, {2, 2 * sizeof(TestHandler)}}),
      Unit(kButtonA, type_codes::kButton, {{0, sizeof(TestHandler)}, {-4, kNoHandlerOffset}}),
      Unit(kButtonB, type_codes::kButton, {}, kButtonA),
      Unit(kLabel, type_codes::kLabel, {{0, 0}}, kButtonA),
      MenuItem(kMenuTop, 0, kNoHandlerOffset),
      MenuItem(kMenuItem, 1, 2 * sizeof(TestHandler)),
  };
  WindowRecord second;
  second.records = {Unit(kWindowOwnRecordId, type_codes::kWindow, {})};
  return {{kMainWindowId, main}, {0x52010002, second}};
}

std::uintptr_t EntryOf(std::size_t index) { return reinterpret_cast<std::uintptr_t>(&kHandlers[index]); }

TEST(TemplateLoader, handler_offsets_become_the_entries_they_name) {
  TemplateSegment windows = LoadSegment(SerialiseSegment(SampleWindows()), kCodeBase);
  WindowRecord& main = FindWindow(windows, kMainWindowId)->record;
  EXPECT_EQ(main.records[0].Unit()->bindings[0].handler, EntryOf(0));
  EXPECT_EQ(main.records[0].Unit()->bindings[1].handler, EntryOf(2));
  EXPECT_EQ(*HandlerEntry<TestHandler>(main.records[1].Unit()->bindings[0].handler), &Second);
  EXPECT_EQ(FindRecord(main, kMenuItem)->MenuItem()->handler, EntryOf(2));
}

TEST(TemplateLoader, the_no_handler_word_becomes_0) {
  TemplateSegment windows = LoadSegment(SerialiseSegment(SampleWindows()), kCodeBase);
  WindowRecord& main = windows[0].record;
  EXPECT_EQ(main.records[1].Unit()->bindings[1].handler, 0u);
  EXPECT_EQ(FindRecord(main, kMenuTop)->MenuItem()->handler, 0u);
  EXPECT_EQ(HandlerFor(main, *FindRecord(main, kMenuTop), 0), 0u);
}

TEST(TemplateLoader, windows_are_found_by_id_and_units_by_id_by_0_or_by_index) {
  TemplateSegment windows = LoadSegment(SerialiseSegment(SampleWindows()), kCodeBase);
  ASSERT_NE(FindWindow(windows, 0x52010002), nullptr);
  EXPECT_EQ(FindWindow(windows, 0x52010003), nullptr);
  WindowRecord& main = FindWindow(windows, kMainWindowId)->record;
  EXPECT_EQ(main.module_id, 0x1901000Au);
  EXPECT_EQ(FindRecord(main, 0), &main.records[0]);
  EXPECT_EQ(FindRecord(main, kLabel), &main.records[3]);
  EXPECT_EQ(FindRecord(main, 0x16010099), nullptr);
  EXPECT_EQ(RecordAt(main, 2), &main.records[2]);
  EXPECT_EQ(RecordAt(main, 6), nullptr);
}

TEST(TemplateLoader, a_linked_unit_of_the_same_type_uses_the_bindings_it_links_to) {
  TemplateSegment windows = LoadSegment(SerialiseSegment(SampleWindows()), kCodeBase);
  const WindowRecord& main = windows[0].record;
  EXPECT_EQ(HandlerFor(main, *FindRecord(main, kButtonB), 0), EntryOf(1));
}

TEST(TemplateLoader, a_linked_unit_of_another_type_keeps_its_own_bindings) {
  TemplateSegment windows = LoadSegment(SerialiseSegment(SampleWindows()), kCodeBase);
  const WindowRecord& main = windows[0].record;
  EXPECT_EQ(HandlerFor(main, *FindRecord(main, kLabel), 0), EntryOf(0));
}

TEST(TemplateLoader, links_are_followed_through_several_units_and_a_cycle_ends) {
  TemplateSegment windows = SampleWindows();
  WindowRecord& main = windows[0].record;
  main.records.push_back(Unit(0x16010004, type_codes::kButton, {}, kButtonB));
  main.records[1].Unit()->linked_unit = 0x16010004;  // A -> 4 -> B -> A
  windows = LoadSegment(SerialiseSegment(windows), kCodeBase);
  const WindowRecord& loaded = windows[0].record;
  EXPECT_EQ(&BindingSource(loaded, *FindRecord(loaded, 0x16010004)->Unit()), FindRecord(loaded, kButtonA)->Unit());
  EXPECT_EQ(HandlerFor(loaded, *FindRecord(loaded, kButtonA), 0), 0u);
}

TEST(TemplateLoader, a_unit_without_a_binding_for_the_event_has_no_handler) {
  TemplateSegment windows = LoadSegment(SerialiseSegment(SampleWindows()), kCodeBase);
  EXPECT_EQ(HandlerFor(windows[0].record, windows[0].record.records[0], 1), 0u);
}

void ExpectRefused(const ByteSet& segment, const ApplicationCodeBase& code_base = kCodeBase) {
  auto raised = test::FatalErrorOf([&] { LoadSegment(segment, code_base); });
  ASSERT_TRUE(raised.has_value()) << "the segment was accepted";
  EXPECT_EQ(raised->text, texts::kTemplateSegmentError);
  EXPECT_EQ(raised->code, 0);
}

TEST(TemplateLoaderRefuses, a_segment_cut_short_anywhere) {
  const ByteSet whole = SerialiseSegment(SampleWindows());
  for (std::size_t length = 0; length < whole.size(); ++length) {
    SCOPED_TRACE(length);
    ExpectRefused(ByteSet(whole.begin(), whole.begin() + length));
  }
}

TEST(TemplateLoaderRefuses, bytes_after_the_last_window) {
  ByteSet segment = SerialiseSegment(SampleWindows());
  segment.push_back(0);
  ExpectRefused(segment);
}

// The byte offset of the first occurrence of a word in the segment.
std::size_t OffsetOfWord(const ByteSet& bytes, std::uint32_t word, std::size_t from = 0) {
  for (std::size_t at = from; at + 4 <= bytes.size(); ++at) {
    if (bytes[at] == (word & 0xFF) && bytes[at + 1] == ((word >> 8) & 0xFF) && bytes[at + 2] == ((word >> 16) & 0xFF) &&
        bytes[at + 3] == (word >> 24)) {
      return at;
    }
  }
  ADD_FAILURE() << "word not found";
  return 0;
}

void PutWord(ByteSet& bytes, std::size_t at, std::uint32_t word) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(word >> (8 * i));
}

TEST(TemplateLoaderRefuses, a_window_table_length_that_is_not_8_per_window_or_runs_past_the_end) {
  ByteSet segment = SerialiseSegment(SampleWindows());
  PutWord(segment, 0, 12);
  ExpectRefused(segment);
  PutWord(segment, 0, 0xFFFFFFF8);
  ExpectRefused(segment);
}

TEST(TemplateLoaderRefuses, a_count_or_length_that_runs_past_the_end) {
  const ByteSet whole = SerialiseSegment(SampleWindows());
  // The pointer data of the first button (a length of 4) and its binding
  // count (2), found after its pointer slot and parent.
  ByteSet segment = whole;
  const std::size_t pointer_length = OffsetOfWord(segment, 4, OffsetOfWord(segment, type_codes::kButton));
  PutWord(segment, pointer_length, 0x7FFFFFFF);
  ExpectRefused(segment);

  segment = whole;
  // After the window table, reserved word, module and the lengths of texts A and B.
  const std::size_t record_count = 4 + 16 + 4 + 4 + 4 + 4;
  ASSERT_EQ(segment[record_count], 6);
  PutWord(segment, record_count, 0x40000000);
  ExpectRefused(segment);
}

TEST(TemplateLoaderRefuses, a_record_offset_past_its_table) {
  ByteSet segment = SerialiseSegment(SampleWindows());
  const std::size_t ids = OffsetOfWord(segment, kWindowOwnRecordId);
  PutWord(segment, ids + 6 * 4 + 4, 0x00100000);  // the second record's offset
  ExpectRefused(segment);
}

TEST(TemplateLoaderRefuses, a_handler_offset_outside_the_table_or_between_entries) {
  TemplateSegment windows = SampleWindows();
  windows[0].record.records[1].Unit()->bindings[0].handler_offset = 3 * sizeof(TestHandler);
  ExpectRefused(SerialiseSegment(windows));
  windows[0].record.records[1].Unit()->bindings[0].handler_offset = 1;
  ExpectRefused(SerialiseSegment(windows));
  windows[0].record.records[1].Unit()->bindings[0].handler_offset = 0;
  windows[0].record.records[5].MenuItem()->handler_offset = 0x7FFFFFFF;
  ExpectRefused(SerialiseSegment(windows));
}

TEST(TemplateLoaderRefuses, a_window_without_records_or_led_by_a_menu_item) {
  TemplateSegment windows = SampleWindows();
  windows[1].record.records.clear();
  ExpectRefused(SerialiseSegment(windows));
  windows[1].record.records = {MenuItem(kMenuTop, 0, kNoHandlerOffset)};
  ExpectRefused(SerialiseSegment(windows));
}

TEST(TemplateLoader, an_empty_window_table_is_an_empty_list) {
  const ByteSet segment{0, 0, 0, 0};
  EXPECT_TRUE(LoadSegment(segment, kCodeBase).empty());
}

}  // namespace
}  // namespace vorlix::core
