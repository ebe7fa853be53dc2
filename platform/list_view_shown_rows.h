#pragma once

// What an owner-data list-view control shows, against its rows as they are
// now. The control takes the row count on a timer, and rows may go in above
// the ones on screen in between: until it takes the count again, the
// control's index i names the row that was at i then, whatever the user
// clicks, selects or types on. Removals and moves make the control take the
// count at once, so only insertions are kept here.
#include <cstddef>
#include <vector>

namespace vorlix::platform {

class ShownRows {
 public:
  // The control has just taken the count: it shows `count` rows, those of
  // the rows as they are.
  void Shown(int count);
  int Count() const { return count_; }

  // A row went in at `index`, before the row that was there; the rows now
  // number `count_after`.
  void Inserted(int index, int count_after);
  // So many insertions are kept that the control should take the count.
  bool Crowded() const { return insertions_.size() >= kMostInsertions; }

  // The index in the rows of the row that the control shows at `shown`;
  // -1 when the control shows no such row.
  int RowOf(int shown) const;
  // The control's index of the row at `row`; -1 when the control does not
  // show that row (it went in since, or there is no such row).
  int ShownOf(int row) const;

 private:
  static constexpr std::size_t kMostInsertions = 256;
  // Rows that went in one after another at the same index are one entry.
  struct Insertion {
    int index;
    int count;
  };
  std::vector<Insertion> insertions_;
  int count_ = 0;
};

}  // namespace vorlix::platform
