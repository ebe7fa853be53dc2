// The main window's generated segment against the window it must describe:
// units, places, states, captions, properties, menus, and the focus and
// stacking orders that follow from the one stored order of the records.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>

#include "app/mainwindow/main_window_segment.h"
#include "runtime/core/template/list_view_blocks.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/template/template_segment_codec.h"
#include "runtime/core/template/unit_property_data.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "tests/template_data/main_window_layout.h"
#include "tests/template_data/main_window_records.h"

namespace vorlix::tests {
namespace {

using namespace core;
namespace layout = main_window_layout;

class MainWindowTemplate : public ::testing::Test {
 protected:
  void SetUp() override {
    segment_ = ParseSegment(app::MainWindowSegment());
    ASSERT_EQ(segment_.size(), 1u);
    ASSERT_EQ(segment_[0].id, kMainWindowId);
  }

  const WindowRecord& Window() const { return segment_[0].record; }

  const UnitRecord& Unit(std::u16string_view name) const {
    const TemplateRecord* record = RecordNamed(Window(), name);
    if (record == nullptr) throw std::runtime_error("no unit of that name");
    return *record->Unit();
  }

  UnitPropertyData Properties(const UnitRecord& unit) const {
    auto data = UnitPropertyData::Parse(*FindUnitType(unit.type), unit.property_data);
    if (!data) throw std::runtime_error("property data does not read");
    return *data;
  }
  UnitPropertyData Properties(std::u16string_view name) const { return Properties(Unit(name)); }

  std::vector<ListViewColumn> Columns(std::u16string_view name) const {
    return *ParseListViewColumns(Properties(name).BytesOf(list_view_props::kColumns));
  }

  TemplateSegment segment_;
};

// The children of one parent, top first, as the builder stacks them: walking
// the records from entry 1, each goes directly below the nearest preceding
// record with the same parent, or on top when there is none.
std::vector<UnitId> StackedChildren(const WindowRecord& window, UnitId parent) {
  std::vector<UnitId> stack;
  std::map<UnitId, UnitId> parent_of;
  for (std::size_t i = 1; i < window.records.size(); ++i) {
    const TemplateRecord& record = window.records[i];
    if (record.IsMenuItem()) continue;
    parent_of[record.id] = record.Unit()->parent;
    if (record.Unit()->parent != parent) continue;
    UnitId preceding = 0;
    for (std::size_t j = i - 1; j >= 1 && preceding == 0; --j) {
      const TemplateRecord& before = window.records[j];
      if (!before.IsMenuItem() && before.Unit()->parent == parent) preceding = before.id;
    }
    auto place = preceding == 0 ? stack.begin() : std::find(stack.begin(), stack.end(), preceding) + 1;
    stack.insert(place, record.id);
  }
  return stack;
}

std::vector<Text> NamesOf(const WindowRecord& window, const std::vector<UnitId>& ids) {
  std::vector<Text> names;
  for (UnitId id : ids) names.push_back(FindRecord(window, id)->Unit()->name);
  return names;
}

template <std::size_t N>
std::vector<Text> GbkNames(const std::u16string_view (&names)[N]) {
  std::vector<Text> out;
  for (auto name : names) out.push_back(Gbk(name));
  return out;
}

TEST_F(MainWindowTemplate, tab_stop_units_are_created_in_the_focus_order) {
  std::vector<Text> order;
  for (const TemplateRecord* record : CreationOrder(Window())) {
    const std::uint32_t state = record->Unit()->state;
    if ((state & state_flags::kTabStop) != 0 && (state & state_flags::kVisible) != 0) {
      order.push_back(record->Unit()->name);
    }
  }
  EXPECT_EQ(order, GbkNames(layout::kFocusOrder));
}

TEST_F(MainWindowTemplate, the_name_box_is_created_first_and_so_takes_control_id_100) {
  EXPECT_EQ(CreationOrder(Window()).front()->Unit()->name, Gbk(u"编辑框_文件名"));
}

TEST_F(MainWindowTemplate, the_window_children_stack_in_the_specified_order) {
  EXPECT_EQ(NamesOf(Window(), StackedChildren(Window(), 0)), GbkNames(layout::kStackingOrder));
}

TEST_F(MainWindowTemplate, every_record_holds_its_units_type_place_parent_and_states) {
  for (const layout::Unit& expected : layout::kUnits) {
    SCOPED_TRACE(Gbk(expected.name));
    const TemplateRecord* record = RecordNamed(Window(), expected.name);
    ASSERT_NE(record, nullptr);
    const UnitRecord& unit = *record->Unit();
    EXPECT_EQ(unit.type, expected.type);
    EXPECT_EQ(std::vector<int>({unit.left, unit.top, unit.width, unit.height}),
              std::vector<int>({expected.left, expected.top, expected.width, expected.height}));
    const UnitId parent = expected.parent.empty() ? 0 : UnitIdNamed(Window(), expected.parent);
    EXPECT_EQ(unit.parent, parent);
    EXPECT_EQ((unit.state & state_flags::kVisible) != 0, expected.visible);
    EXPECT_EQ((unit.state & state_flags::kDisabled) != 0, expected.disabled);
    EXPECT_EQ((unit.state & state_flags::kTabStop) != 0, expected.tab_stop);
    EXPECT_EQ(unit.tab_order, 0u);
    EXPECT_EQ(unit.linked_unit, 0u);
    EXPECT_EQ(unit.pointer_data, ByteSet({0, 0, 0, 0}));
    EXPECT_TRUE(unit.tag.empty());
    EXPECT_TRUE(unit.comment.empty());
  }
}

TEST_F(MainWindowTemplate, holds_no_unit_besides_those_of_the_layout) {
  const std::size_t units = std::count_if(Window().records.begin() + 1, Window().records.end(),
                                          [](const TemplateRecord& record) { return !record.IsMenuItem(); });
  EXPECT_EQ(units, std::size(layout::kUnits));
}

TEST_F(MainWindowTemplate, containers_list_the_units_placed_on_them) {
  for (std::u16string_view container : {u"外形框1", u"外形框2"}) {
    std::vector<UnitId> placed;
    for (const layout::Unit& unit : layout::kUnits) {
      if (unit.parent == container) placed.push_back(UnitIdNamed(Window(), unit.name));
    }
    std::vector<UnitId> children = Unit(container).children;
    std::sort(placed.begin(), placed.end());
    std::sort(children.begin(), children.end());
    EXPECT_EQ(children, placed) << Gbk(container);
  }
}

TEST_F(MainWindowTemplate, window_is_a_fixed_centred_frame_with_control_and_minimise_boxes) {
  const UnitRecord& frame = *Window().records[0].Unit();
  EXPECT_EQ(std::vector<int>({frame.left, frame.top, frame.width, frame.height}),
            std::vector<int>({50, 50, 859, 543}));
  EXPECT_NE(frame.state & state_flags::kVisible, 0u);
  const UnitPropertyData data = Properties(frame);
  using namespace window_props;
  EXPECT_EQ(data.TextOf(kCaption), "VorlixV5.2");
  EXPECT_EQ(data.Word(kBorder), 2);
  EXPECT_EQ(data.Word(kControlBox), 1);
  EXPECT_EQ(data.Word(kMinimiseBox), 1);
  EXPECT_EQ(data.Word(kMaximiseBox), 0);
  EXPECT_EQ(data.Word(kStartPosition), 1);
  EXPECT_EQ(data.Word(kMovable), 1);
  EXPECT_EQ(data.Word(kShownInTaskBar), 1);
  EXPECT_EQ(data.Word(kAlwaysOnTop), 0);
  EXPECT_EQ(data.Word(kEscCloses), 1);
  EXPECT_EQ(data.Word(kEnterMovesFocus), 0);
  EXPECT_EQ(data.Word(kF1OpensHelp), 0);
  EXPECT_EQ(data.Word(kBackgroundColour), static_cast<std::int32_t>(0xFF000000));
  EXPECT_TRUE(data.BytesOf(kIcon).empty());
  EXPECT_TRUE(data.BytesOf(kBackgroundPicture).empty());
  EXPECT_TRUE(data.BytesOf(kMusic).empty());
}

// The caption's property number for each type that shows one.
int CaptionProperty(UnitTypeCode type) {
  switch (type) {
    case type_codes::kLabel: return label_props::kCaption;
    case type_codes::kButton: return button_props::kCaption;
    case type_codes::kCheckBox:
    case type_codes::kRadioBox: return check_box_props::kCaption;
    default: return -1;
  }
}

int FontProperty(UnitTypeCode type) {
  switch (type) {
    case type_codes::kLabel: return label_props::kFont;
    case type_codes::kButton: return button_props::kFont;
    case type_codes::kCheckBox:
    case type_codes::kRadioBox: return check_box_props::kFont;
    case type_codes::kEditBox: return edit_box_props::kFont;
    case type_codes::kListView: return list_view_props::kFont;
    case type_codes::kTransLabel: return trans_label_props::kFont;
    default: return -1;
  }
}

TEST_F(MainWindowTemplate, captions_are_exact_and_nine_point_fonts_are_stored_where_marked) {
  const LogFont nine_point = MakeFont(-12, kNormalWeight);
  for (const layout::Unit& expected : layout::kUnits) {
    SCOPED_TRACE(Gbk(expected.name));
    const UnitPropertyData data = Properties(expected.name);
    if (const int caption = CaptionProperty(expected.type); caption >= 0) {
      EXPECT_EQ(data.TextOf(caption), Gbk(expected.caption));
    }
    if (const int font = FontProperty(expected.type); font >= 0) {
      if (expected.nine_point) {
        ASSERT_TRUE(data.Font(font).has_value());
        EXPECT_EQ(*data.Font(font), nine_point);
        EXPECT_TRUE(FaceName(*data.Font(font)).empty());
      } else {
        EXPECT_FALSE(data.Font(font).has_value()) << "the default GUI font";
      }
    }
  }
}

TEST_F(MainWindowTemplate, buttons_centre_their_captions_and_boxes_sit_left_of_theirs) {
  for (const layout::Unit& expected : layout::kUnits) {
    SCOPED_TRACE(Gbk(expected.name));
    const UnitPropertyData data = Properties(expected.name);
    if (expected.type == type_codes::kButton) {
      EXPECT_EQ(data.Word(button_props::kType), 0);
      EXPECT_EQ(data.Word(button_props::kHorizontalAlignment), 1);
      EXPECT_EQ(data.Word(button_props::kVerticalAlignment), 1);
    } else if (expected.type == type_codes::kCheckBox || expected.type == type_codes::kRadioBox) {
      EXPECT_EQ(data.Word(check_box_props::kTextLeft), 0);
      EXPECT_EQ(data.Word(check_box_props::kPushLike), 0);
      EXPECT_EQ(data.Word(check_box_props::kHorizontalAlignment), 0);
      EXPECT_EQ(data.Word(check_box_props::kVerticalAlignment), 1);
      EXPECT_EQ(data.Word(check_box_props::kBackgroundColour), static_cast<std::int32_t>(0xFF000000));
    }
  }
}

TEST_F(MainWindowTemplate, options_start_with_chosen_folders_exact_match_and_all_boxes_unchecked) {
  const std::pair<std::u16string_view, int> checked[] = {
      {u"单选框_指定路径", 1}, {u"单选框_整个电脑", 0}, {u"单选框_精确搜索", 1}, {u"单选框_模糊搜索", 0},
      {u"选择框_搜索目录", 0}, {u"选择框_保存路径", 0}, {u"选择框_保存关键字", 0}, {u"选择框1", 0},
      {u"选择框3", 1},
  };
  for (const auto& [name, state] : checked) {
    EXPECT_EQ(Properties(name).Word(check_box_props::kChecked), state) << Gbk(name);
  }
}

TEST_F(MainWindowTemplate, result_list_has_clickable_headers_and_two_columns) {
  const UnitPropertyData data = Properties(u"超级列表框1");
  using namespace list_view_props;
  EXPECT_EQ(data.Word(kViewType), 3);
  EXPECT_EQ(data.Word(kHideColumnHeaders), 0);
  EXPECT_EQ(data.Word(kHeaderButtons), 1);
  EXPECT_EQ(data.Word(kGridLines), 0);
  EXPECT_EQ(data.Word(kLabelEditing), 0);
  EXPECT_EQ(data.Word(kAutoSort), 0);
  const std::vector<ListViewColumn> columns = Columns(u"超级列表框1");
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[0].header, Gbk(u"文件路径"));
  EXPECT_EQ(columns[0].width, 450);
  EXPECT_EQ(columns[0].alignment, 0);
  EXPECT_EQ(columns[1].header, Gbk(u"文件名"));
  EXPECT_EQ(columns[1].width, 100);
  EXPECT_EQ(columns[1].alignment, 0);
  EXPECT_TRUE(data.BytesOf(kInitialItems).empty());
}

TEST_F(MainWindowTemplate, folder_list_is_one_headerless_column) {
  const UnitPropertyData data = Properties(u"超级列表框_路径");
  EXPECT_EQ(data.Word(list_view_props::kViewType), 3);
  EXPECT_EQ(data.Word(list_view_props::kHideColumnHeaders), 1);
  const std::vector<ListViewColumn> columns = Columns(u"超级列表框_路径");
  ASSERT_EQ(columns.size(), 1u);
  EXPECT_EQ(columns[0].header, Gbk(u"路径"));
  EXPECT_EQ(columns[0].width, 260);
  EXPECT_EQ(columns[0].alignment, 0);
}

TEST_F(MainWindowTemplate, both_lists_check_select_whole_rows_several_at_once_with_flat_scroll_bars) {
  for (std::u16string_view name : {u"超级列表框1", u"超级列表框_路径"}) {
    SCOPED_TRACE(Gbk(name));
    const UnitPropertyData data = Properties(name);
    using namespace list_view_props;
    EXPECT_EQ(data.Word(kCheckBoxes), 1);
    EXPECT_EQ(data.Word(kFullRowSelect), 1);
    EXPECT_EQ(data.Word(kSingleSelection), 0);
    EXPECT_EQ(data.Word(kFlatScrollBars), 1);
    EXPECT_EQ(data.Word(kBorder), 1);
    EXPECT_EQ(data.Word(kTextColour), 0x000000);
    EXPECT_EQ(data.Word(kBackgroundColour), 0xFFFFFF);
    EXPECT_EQ(data.Word(kTextBackgroundColour), 0xFFFFFF);
  }
}

TEST_F(MainWindowTemplate, name_box_is_an_empty_multi_line_box_with_both_scroll_bars) {
  const UnitPropertyData data = Properties(u"编辑框_文件名");
  using namespace edit_box_props;
  EXPECT_TRUE(data.TextOf(kContent).empty());
  EXPECT_EQ(data.Word(kMultiLine), 1);
  EXPECT_EQ(data.Word(kScrollBars), 3);
  EXPECT_EQ(data.Word(kBorder), 1);
  EXPECT_EQ(data.Word(kMaxLength), 0);
  EXPECT_EQ(data.Word(kInputMode), 0);
  EXPECT_EQ(data.Word(kHideSelection), 1);
  EXPECT_EQ(data.Word(kTextColour), 0x000000);
  EXPECT_EQ(data.Word(kBackgroundColour), 0xFFFFFF);
}

TEST_F(MainWindowTemplate, hint_is_the_prompt_and_six_example_names_in_light_grey) {
  const UnitPropertyData data = Properties(u"透明标签1");
  using namespace trans_label_props;
  const Text caption = data.TextOf(kCaption);
  const Text prompt = Gbk(layout::kNameHintPrompt);
  ASSERT_EQ(caption.substr(0, prompt.size()), prompt);
  EXPECT_TRUE(std::regex_match(caption.substr(prompt.size()), std::regex(R"((\r\n[0-9]{18}\.jpg){6})")))
      << caption.substr(prompt.size());
  EXPECT_EQ(data.Word(kTextColour), 0xC0C0C0);
  EXPECT_EQ(data.Word(kEffect), 0);
  EXPECT_EQ(data.Word(kHorizontalAlignment), 0);
  EXPECT_EQ(data.Word(kWordWrap), 1);
  EXPECT_FALSE(data.Font(kFont).has_value());
}

TEST_F(MainWindowTemplate, labels_have_no_border_and_the_status_line_starts_empty) {
  for (std::u16string_view name : {u"标签2", u"标签_状态"}) {
    EXPECT_EQ(Properties(name).Word(label_props::kBorder), 0) << Gbk(name);
  }
  EXPECT_TRUE(Properties(u"标签_状态").TextOf(label_props::kCaption).empty());
}

TEST_F(MainWindowTemplate, progress_bar_shape_box_2_and_hidden_list_box_store_no_property_data) {
  for (std::u16string_view name : {u"进度条1", u"外形框2", u"列表框_路径"}) {
    EXPECT_TRUE(Unit(name).property_data.empty()) << Gbk(name);
  }
  const UnitPropertyData bar = Properties(u"进度条1");
  using namespace process_bar_props;
  EXPECT_EQ(bar.Word(kVertical), 0);
  EXPECT_EQ(bar.Word(kSmooth), 0);
  EXPECT_EQ(bar.Word(kMinimum), 0);
  EXPECT_EQ(bar.Word(kMaximum), 100);
  EXPECT_EQ(bar.Word(kPosition), 0);
  EXPECT_EQ(bar.Word(kBorder), 3);
}

TEST_F(MainWindowTemplate, shape_box_1_draws_a_plain_black_frame) {
  const UnitPropertyData data = Properties(u"外形框1");
  using namespace shape_box_props;
  EXPECT_EQ(data.Word(kShape), 0);
  EXPECT_EQ(data.Word(kLineStyle), 0);
  EXPECT_EQ(data.Word(kLineWidth), 1);
  EXPECT_EQ(data.Word(kLineColour), 0x000000);
  EXPECT_EQ(data.Word(kFillColour), static_cast<std::int32_t>(0xFF000000));
  EXPECT_EQ(data.Word(kBackgroundColour), static_cast<std::int32_t>(0xFF000000));
}

TEST_F(MainWindowTemplate, timer_ticks_every_20_ms_and_the_drop_target_takes_files_only) {
  EXPECT_EQ(Properties(u"时钟1").Word(timer_props::kPeriod), 20);
  const UnitPropertyData drop = Properties(u"拖放对象");
  using namespace drop_target_props;
  EXPECT_EQ(drop.Word(kAcceptText), 0);
  EXPECT_EQ(drop.Word(kAcceptRichText), 0);
  EXPECT_EQ(drop.Word(kAcceptLinks), 0);
  EXPECT_EQ(drop.Word(kAcceptFiles), 1);
}

TEST_F(MainWindowTemplate, menu_run_holds_hidden_popups_with_commands_from_20000) {
  std::vector<const MenuItemRecord*> run;
  for (const TemplateRecord& record : Window().records) {
    if (record.IsMenuItem()) run.push_back(record.MenuItem());
  }
  ASSERT_EQ(run.size(), std::size(layout::kMenu));
  for (std::size_t i = 0; i < run.size(); ++i) {
    const layout::MenuItem& expected = layout::kMenu[i];
    SCOPED_TRACE(expected.command);
    EXPECT_EQ(static_cast<int>(20000 + i), expected.command);
    EXPECT_EQ(run[i]->caption, Gbk(expected.caption));
    EXPECT_EQ(run[i]->level, expected.level);
    EXPECT_EQ(run[i]->flags, expected.hidden ? menu_flags::kHidden : 0u) << "no check mark, nothing disabled";
    EXPECT_EQ(run[i]->shortcut, 0u);
    EXPECT_TRUE(run[i]->name.empty());
  }
}

TEST_F(MainWindowTemplate, menu_items_form_one_run_after_the_units) {
  const auto& records = Window().records;
  auto first_item = std::find_if(records.begin(), records.end(), [](const auto& r) { return r.IsMenuItem(); });
  EXPECT_TRUE(std::all_of(first_item, records.end(), [](const auto& r) { return r.IsMenuItem(); }));
}

}  // namespace
}  // namespace vorlix::tests
