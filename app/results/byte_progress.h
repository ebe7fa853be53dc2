#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/results/row_walk.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// With copies read back the work is bytes rather than rows: the progress
// bar and the status line follow the bytes of the run, counted before it
// starts (events go on while they are counted; a folder row's tree is
// walked for it). The status reads the working text, then how much of how
// much is done.
class ByteProgress {
 public:
  ByteProgress(const core::UnitReference& list, const std::vector<CheckedRow>& rows, std::string_view working);
  // The row at `row` of `rows` is handled, delivered or not.
  void RowDone(std::size_t row);

 private:
  void Show() const;

  std::string_view working_;
  std::vector<std::uint64_t> row_bytes_;
  std::uint64_t total_ = 0;
  std::uint64_t done_ = 0;
};

}  // namespace vorlix::app
