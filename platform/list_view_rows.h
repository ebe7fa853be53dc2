#pragma once

// The rows of an owner-data list view: what a list-view control keeps per
// item, held so that a row goes in at either end in constant time. The
// control only shows them; it asks for each row as it paints.
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::platform {

// A row's identity: never reused while the program runs; 0 names no row.
using ListViewRowId = std::uint64_t;

struct ListViewItemSpec {
  std::string text;  // GBK, column 0
  int image = -1;
  // -1 gives the list's default: unchecked (1) with check boxes, else none (0).
  int state_image = -1;
  int indent = 0;
  std::int32_t item_data = 0;
};

// Rows as they were when copied: one column's texts one after another in
// `texts` (text i ends at ends[i]), and each row's state image and data.
struct ListViewRowsCopy {
  std::string texts;
  std::vector<std::uint32_t> ends;
  std::vector<std::uint8_t> state_images;
  std::vector<std::int32_t> item_data;

  std::size_t size() const { return ends.size(); }
  std::string_view Text(std::size_t row) const {
    const std::uint32_t begin = row == 0 ? 0 : ends[row - 1];
    return std::string_view(texts).substr(begin, ends[row] - begin);
  }
};

class ListViewRows {
 public:
  int Count() const { return static_cast<int>(rows_.size()); }
  // Changes whenever rows go in, go, move or get another text; checks,
  // selection and focus leave it. Work done on a copy of the rows is still
  // good while it is unchanged.
  std::uint64_t Version() const { return version_; }

  // What a new row without a state image of its own gets.
  void SetDefaultStateImage(int image) { default_state_image_ = image; }
  // Gives every row without a state image this one (check boxes switched on).
  void FillMissingStateImages(int image);

  // Inserts before the row at `index`, or appends when the index is outside
  // 0..Count(); gives the new row's index. `later_columns` are the texts of
  // columns 1, 2 and on, given with the row rather than one by one.
  int Insert(int index, const ListViewItemSpec& item, std::span<const std::string_view> later_columns = {});
  void Erase(int index);
  void Clear();
  // Removes the rows with these identities in one pass; unknown ones are
  // ignored. Gives how many rows went.
  int EraseIds(std::span<const ListViewRowId> ids);
  // New row i is old row order[i]; everything of a row moves with it.
  // False, and nothing changes, unless `order` is a permutation of
  // 0..Count()-1.
  bool Reorder(std::span<const std::int32_t> order);

  bool Exists(int index) const { return index >= 0 && index < Count(); }
  ListViewRowId IdAt(int index) const;
  // -1 when no row has it.
  int IndexOf(ListViewRowId id) const;

  // Empty for a row or column that does not exist.
  std::string_view Text(int index, int column) const;
  // Appends what work on a copy of the rows needs of rows first to
  // first + count - 1 (as far as they exist), without an allocation per
  // row. A big list is copied a stretch at a time, so that no copy holds
  // the window for long.
  void AppendRows(int column, int first, int count, ListViewRowsCopy& copy) const;
  // A text ends at its first NUL, as a control's does.
  void SetText(int index, int column, std::string_view text);
  // Column 0's text, the images, indent and data; the defaults for no row.
  ListViewItemSpec ItemAt(int index) const;

  // 0 (none) to 15; 0 for no row.
  int StateImage(int index) const;
  // Takes the image modulo 16, a negative one as 0.
  void SetStateImage(int index, int image);
  // The same for every row, or for the selected ones, in one pass.
  void SetEveryStateImage(int image);
  void SetSelectedStateImages(int image);
  // The identities and indices of the rows with this state image, top to
  // bottom, in one pass.
  void RowsWithStateImage(int image, std::vector<ListViewRowId>& ids, std::vector<std::int32_t>& indices) const;

  bool IsSelected(int index) const;
  void Select(int index, bool selected);
  // Rows first to last, both included, as far as they exist.
  void SelectRange(int first, int last, bool selected);
  void SelectAll(bool selected);
  int SelectedCount() const { return selected_count_; }
  // -1 when none is.
  int FirstSelected() const;
  template <class Visit>
  void ForEachSelected(Visit visit) const {
    for (int i = selection_begin_; i < selection_end_ && i < Count(); ++i) {
      if (rows_[static_cast<std::size_t>(i)].selected) visit(i);
    }
  }

  // -1 when no row has the focus.
  int Focused() const { return focused_; }
  // An index that names no row takes the focus away.
  void SetFocused(int index) { focused_ = Exists(index) ? index : -1; }

 private:
  struct Row {
    std::string texts;  // the column texts, each but the last followed by a NUL
    ListViewRowId id = 0;
    std::int32_t item_data = 0;
    std::int32_t image = -1;
    std::int32_t indent = 0;
    std::uint8_t state_image = 0;
    bool selected = false;
  };

  Row& At(int index) { return rows_[static_cast<std::size_t>(index)]; }
  const Row& At(int index) const { return rows_[static_cast<std::size_t>(index)]; }
  // After rows moved in bulk: the selection's count and bounds anew.
  void RecountSelection();

  std::deque<Row> rows_;
  std::uint64_t version_ = 0;
  int default_state_image_ = 0;
  int focused_ = -1;
  int selected_count_ = 0;
  // Every selected row lies in [selection_begin_, selection_end_), so that
  // reading the selection looks only there; FirstSelected narrows it.
  mutable int selection_begin_ = 0;
  int selection_end_ = 0;
};

}  // namespace vorlix::platform
