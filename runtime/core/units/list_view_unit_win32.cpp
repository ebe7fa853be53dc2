// The list view: the platform's list-view control, its stored columns and
// initial rows.
#include "platform/list_view_control.h"
#include "runtime/core/template/list_view_blocks.h"
#include "runtime/core/units/standard_unit_types.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

using namespace list_view_props;

platform::ListViewLook LookOf(const UnitPropertyData& data) {
  auto on = [&](int property) { return data.Word(property) != 0; };
  auto colour = [&](int property) { return static_cast<std::uint32_t>(data.Word(property)); };
  platform::ListViewLook look;
  look.border = data.Word(kBorder);
  look.view = data.Word(kViewType);
  look.align_left = on(kAlignLeft);
  look.auto_arrange = on(kAutoArrange);
  look.wrap_labels = on(kWrapLabels);
  look.hide_column_headers = on(kHideColumnHeaders);
  look.header_buttons = on(kHeaderButtons);
  look.full_row_select = on(kFullRowSelect);
  look.grid_lines = on(kGridLines);
  look.header_drag = on(kHeaderDrag);
  look.hot_tracking = on(kHotTracking);
  look.hand_cursor = on(kHandCursor);
  look.underline_cold = on(kUnderlineCold);
  look.underline_hot = on(kUnderlineHot);
  look.label_editing = on(kLabelEditing);
  look.auto_sort = data.Word(kAutoSort);
  look.check_boxes = on(kCheckBoxes);
  look.flat_scroll_bars = on(kFlatScrollBars);
  look.single_selection = on(kSingleSelection);
  look.always_show_selection = on(kAlwaysShowSelection);
  look.text_colour = colour(kTextColour);
  look.text_background = colour(kTextBackgroundColour);
  look.background = colour(kBackgroundColour);
  return look;
}

class ListViewUnit : public LiveUnit {
 public:
  using LiveUnit::LiveUnit;

  void Show() {
    UseFont(kFont);
    ShowColumns();
    ShowItems();
    const int row = data_.Word(kCurrentRow);
    if (data_.Word(kSingleSelection) != 0 && row >= 0) platform::SelectOnlyListViewItem(window(), row);
  }

 protected:
  // The rows go into the data only when all of it is asked for: a list may
  // hold many thousands.
  void ReadBackAll() override {
    data_.Set(kInitialItems, EmitListViewInitialEntries(CurrentEntries()));
    data_.Set(kCurrentRow, platform::FirstSelectedListViewItem(window()));
  }

  std::optional<PropertyValue> GetLive(int property) override {
    if (property == kCurrentRow) return platform::FirstSelectedListViewItem(window());
    return std::nullopt;
  }

  void Apply(int property) override {
    switch (property) {
      case kFont: UseFont(kFont); break;
      case kBorder: platform::SetWindowBorder(window(), data_.Word(kBorder)); break;
      case kColumns:
        platform::DeleteAllListViewColumns(window());
        ShowColumns();
        break;
      case kInitialItems:
        platform::DeleteAllListViewItems(window());
        ShowItems();
        break;
      case kCurrentRow: platform::SelectOnlyListViewItem(window(), data_.Word(kCurrentRow)); break;
      default: platform::SetListViewLook(window(), LookOf(data_)); break;
    }
  }

 private:
  void ShowColumns() {
    // The block was checked when the data was read.
    const auto columns = ParseListViewColumns(data_.BytesOf(kColumns));
    for (const auto& column : *columns) {
      platform::AppendListViewColumn(window(), {column.header, column.width, column.alignment, column.image});
    }
  }

  void ShowItems() {
    int row = -1;
    int column = 0;
    const auto entries = ParseListViewInitialEntries(data_.BytesOf(kInitialItems));
    for (const auto& entry : *entries) {
      if (entry.next_column == 0 || row < 0) {
        // A stored state image of 0 leaves the list's default.
        const int state_image = entry.state_image > 0 ? entry.state_image : -1;
        row = platform::InsertListViewItem(window(), -1,
                                           {entry.text, entry.image, state_image, entry.indent, entry.item_data});
        column = 0;
      } else {
        platform::SetListViewItemText(window(), row, ++column, entry.text);
      }
    }
    platform::ShowListViewRowCount(window());
  }

  std::vector<ListViewInitialEntry> CurrentEntries() const {
    std::vector<ListViewInitialEntry> entries;
    const int columns = platform::ListViewColumnCount(window());
    const int rows = platform::ListViewItemCount(window());
    for (int row = 0; row < rows; ++row) {
      const auto item = platform::ListViewItemAt(window(), row);
      entries.push_back({0, item.image, item.state_image, item.indent, item.item_data, item.text, {}});
      for (int column = 1; column < columns; ++column) {
        entries.push_back({1, -1, 0, 0, 0, platform::ListViewItemText(window(), row, column), {}});
      }
    }
    return entries;
  }
};

std::unique_ptr<LiveUnit> CreateListView(const UnitCreation& creation) {
  const auto window = platform::CreateListViewControl(creation.window, LookOf(creation.data));
  if (window == 0) return nullptr;
  auto unit = std::make_unique<ListViewUnit>(creation.type, creation.data, window);
  unit->Show();
  return unit;
}

}  // namespace

const UnitRealiser kListViewRealiser{CreateListView};

}  // namespace vorlix::core
