#include "app/results/byte_progress.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "app/results/byte_amount.h"
#include "runtime/commands/shell_file_commands.h"
#include "runtime/core/values/text_format.h"
#include "texts.h"

namespace vorlix::app {
namespace {

namespace units = main_window;

// The bar's range is an int; bytes run far beyond it.
constexpr std::int32_t kSteps = 10000;

}  // namespace

ByteProgress::ByteProgress(const core::UnitReference& list, const std::vector<CheckedRow>& rows,
                           std::string_view working)
    : working_(working) {
  for (const CheckedRow& row : rows) {
    const std::int32_t index = CheckedIndexNow(list, row);
    const std::uint64_t bytes = index < 0 ? 0 : commands::ItemBytes(RowPathOnDisk(list, index));
    row_bytes_.push_back(bytes);
    total_ += bytes;
    if (row_bytes_.size() % 256 == 0) KeepWindowAlive();
  }
  SetProgressMaximum(units::进度条1, kSteps);
  Show();
}

void ByteProgress::RowDone(std::size_t row) {
  done_ += row_bytes_[row];
  Show();
}

void ByteProgress::Show() const {
  const double share = total_ == 0 ? 1.0 : static_cast<double>(done_) / static_cast<double>(total_);
  SetProgressPosition(units::进度条1, static_cast<std::int32_t>(share * kSteps));
  SetLabelCaption(units::标签_状态, core::FormatText(texts::kTransferBytesDone, std::string(working_).c_str(),
                                                     ByteAmountText(done_).c_str(), ByteAmountText(total_).c_str()));
}

}  // namespace vorlix::app
