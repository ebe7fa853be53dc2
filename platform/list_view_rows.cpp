#include "platform/list_view_rows.h"

#include <algorithm>
#include <atomic>
#include <vector>

namespace vorlix::platform {
namespace {

ListViewRowId NewRowId() {
  static std::atomic<ListViewRowId> last{0};
  return ++last;
}

// Where column `column` begins in the joined texts, or npos when the row has
// fewer columns.
std::size_t ColumnStart(const std::string& texts, int column) {
  std::size_t at = 0;
  for (int i = 0; i < column; ++i) {
    at = texts.find('\0', at);
    if (at == std::string::npos) return at;
    ++at;
  }
  return at;
}

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::uint8_t StateImageByte(int image) { return static_cast<std::uint8_t>(std::max(image, 0) & 0xF); }

}  // namespace

void ListViewRows::FillMissingStateImages(int image) {
  for (Row& row : rows_) {
    if (row.state_image == 0) row.state_image = static_cast<std::uint8_t>(image & 0xF);
  }
}

int ListViewRows::Insert(int index, const ListViewItemSpec& item, std::span<const std::string_view> later_columns) {
  static_assert(sizeof(Row) <= 64, "a million rows must stay small");
  if (!Exists(index)) index = Count();
  Row row;
  std::size_t size = item.text.size();
  for (const std::string_view text : later_columns) size += 1 + text.size();
  row.texts.reserve(size);
  row.texts = UpToNul(item.text);
  for (const std::string_view text : later_columns) row.texts.append(1, '\0').append(UpToNul(text));
  row.id = NewRowId();
  row.item_data = item.item_data;
  row.image = item.image;
  row.indent = item.indent;
  row.state_image = static_cast<std::uint8_t>((item.state_image < 0 ? default_state_image_ : item.state_image) & 0xF);
  ++version_;
  if (index == 0) {
    rows_.push_front(std::move(row));
  } else {
    rows_.insert(rows_.begin() + index, std::move(row));
  }
  if (focused_ >= index) ++focused_;
  if (selected_count_ > 0) {
    if (index <= selection_begin_) ++selection_begin_;
    if (index < selection_end_) ++selection_end_;
  }
  return index;
}

void ListViewRows::Erase(int index) {
  if (!Exists(index)) return;
  if (At(index).selected) --selected_count_;
  rows_.erase(rows_.begin() + index);
  ++version_;
  if (focused_ == index) focused_ = -1;
  if (focused_ > index) --focused_;
  if (selected_count_ == 0) {
    selection_begin_ = selection_end_ = 0;
    return;
  }
  if (index < selection_begin_) --selection_begin_;
  if (index < selection_end_) --selection_end_;
}

void ListViewRows::Clear() {
  rows_.clear();
  ++version_;
  focused_ = -1;
  selected_count_ = selection_begin_ = selection_end_ = 0;
}

int ListViewRows::EraseIds(std::span<const ListViewRowId> ids) {
  std::vector<ListViewRowId> gone(ids.begin(), ids.end());
  std::sort(gone.begin(), gone.end());
  const ListViewRowId focused_id = IdAt(focused_);
  const auto erased = std::erase_if(
      rows_, [&](const Row& row) { return std::binary_search(gone.begin(), gone.end(), row.id); });
  if (erased == 0) return 0;
  ++version_;
  focused_ = IndexOf(focused_id);
  RecountSelection();
  return static_cast<int>(erased);
}

bool ListViewRows::Reorder(std::span<const std::int32_t> order) {
  if (order.size() != rows_.size()) return false;
  std::vector<bool> seen(rows_.size());
  for (const std::int32_t from : order) {
    if (!Exists(from) || seen[static_cast<std::size_t>(from)]) return false;
    seen[static_cast<std::size_t>(from)] = true;
  }
  int focused = -1;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i] == focused_) focused = static_cast<int>(i);
  }
  // Gathered into a new sequence: reads jump about, but every write goes to
  // the next place, which a million rows take about twice as fast as
  // moving them round the permutation's cycles. The moved-from rows hold no
  // text, so the extra memory is the rows' fixed part only.
  std::deque<Row> ordered;
  for (const std::int32_t from : order) ordered.push_back(std::move(rows_[static_cast<std::size_t>(from)]));
  rows_.swap(ordered);
  ++version_;
  focused_ = focused;
  RecountSelection();
  return true;
}

ListViewRowId ListViewRows::IdAt(int index) const { return Exists(index) ? At(index).id : 0; }

int ListViewRows::IndexOf(ListViewRowId id) const {
  if (id == 0) return -1;
  const auto found = std::find_if(rows_.begin(), rows_.end(), [id](const Row& row) { return row.id == id; });
  return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

std::string_view ListViewRows::Text(int index, int column) const {
  if (!Exists(index) || column < 0) return {};
  const std::string& texts = At(index).texts;
  const std::size_t start = ColumnStart(texts, column);
  if (start == std::string::npos) return {};
  return UpToNul(std::string_view(texts).substr(start));
}

void ListViewRows::SetText(int index, int column, std::string_view text) {
  if (!Exists(index) || column < 0) return;
  std::string& texts = At(index).texts;
  std::size_t start = ColumnStart(texts, column);
  if (start == std::string::npos) {
    const auto columns = static_cast<int>(std::count(texts.begin(), texts.end(), '\0')) + 1;
    texts.append(static_cast<std::size_t>(column - columns + 1), '\0');
    start = texts.size();
  }
  const std::size_t end = std::min(texts.find('\0', start), texts.size());
  texts.replace(start, end - start, UpToNul(text));
  ++version_;
}

ListViewItemSpec ListViewRows::ItemAt(int index) const {
  if (!Exists(index)) return {{}, -1, 0, 0, 0};
  const Row& row = At(index);
  return {std::string(Text(index, 0)), row.image, row.state_image, row.indent, row.item_data};
}

int ListViewRows::StateImage(int index) const { return Exists(index) ? At(index).state_image : 0; }

void ListViewRows::SetStateImage(int index, int image) {
  if (Exists(index)) At(index).state_image = StateImageByte(image);
}

void ListViewRows::SetEveryStateImage(int image) {
  for (Row& row : rows_) row.state_image = StateImageByte(image);
}

void ListViewRows::SetSelectedStateImages(int image) {
  ForEachSelected([&](int index) { At(index).state_image = StateImageByte(image); });
}

void ListViewRows::AppendRows(int column, int first, int count, ListViewRowsCopy& copy) const {
  // The first stretch makes room for every row from it on: a million rows'
  // texts grown by doubling would be held twice over for a moment. The
  // texts' room is judged by those of the first stretch, since measuring
  // every row's would take as long as a stretch of the copy.
  const bool first_stretch = copy.size() == 0;
  const std::size_t rows_to_come = static_cast<std::size_t>(std::max(Count() - std::max(first, 0), 0));
  if (first_stretch) {
    copy.ends.reserve(rows_to_come);
    copy.state_images.reserve(rows_to_come);
    copy.item_data.reserve(rows_to_come);
  }
  const int end = std::min(Count(), first + std::max(count, 0));
  for (int index = std::max(first, 0); index < end; ++index) {
    const Row& row = At(index);
    copy.texts.append(Text(index, column));
    copy.ends.push_back(static_cast<std::uint32_t>(copy.texts.size()));
    copy.state_images.push_back(row.state_image);
    copy.item_data.push_back(row.item_data);
  }
  if (first_stretch && copy.size() > 0) copy.texts.reserve(copy.texts.size() * 9 / 8 * rows_to_come / copy.size());
}

void ListViewRows::RowsWithStateImage(int image, std::vector<ListViewRowId>& ids,
                                      std::vector<std::int32_t>& indices) const {
  for (int index = 0; index < Count(); ++index) {
    if (At(index).state_image != image) continue;
    ids.push_back(At(index).id);
    indices.push_back(index);
  }
}

bool ListViewRows::IsSelected(int index) const { return Exists(index) && At(index).selected; }

void ListViewRows::Select(int index, bool selected) {
  if (!Exists(index) || At(index).selected == selected) return;
  At(index).selected = selected;
  if (!selected) {
    if (--selected_count_ == 0) selection_begin_ = selection_end_ = 0;
    return;
  }
  if (selected_count_++ == 0) {
    selection_begin_ = index;
    selection_end_ = index + 1;
  } else {
    selection_begin_ = std::min(selection_begin_, index);
    selection_end_ = std::max(selection_end_, index + 1);
  }
}

void ListViewRows::SelectRange(int first, int last, bool selected) {
  for (int i = std::max(first, 0); i <= last && i < Count(); ++i) Select(i, selected);
}

void ListViewRows::SelectAll(bool selected) {
  if (selected) {
    for (Row& row : rows_) row.selected = true;
    selected_count_ = selection_end_ = Count();
    selection_begin_ = 0;
    return;
  }
  for (int i = selection_begin_; i < selection_end_; ++i) At(i).selected = false;
  selected_count_ = selection_begin_ = selection_end_ = 0;
}

int ListViewRows::FirstSelected() const {
  for (; selection_begin_ < selection_end_; ++selection_begin_) {
    if (At(selection_begin_).selected) return selection_begin_;
  }
  return -1;
}

void ListViewRows::RecountSelection() {
  selected_count_ = selection_begin_ = selection_end_ = 0;
  for (int i = 0; i < Count(); ++i) {
    if (!At(i).selected) continue;
    if (selected_count_++ == 0) selection_begin_ = i;
    selection_end_ = i + 1;
  }
}

}  // namespace vorlix::platform
