#include "app/mainwindow/rows_progress.h"

#include <chrono>
#include <future>
#include <string>

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "runtime/commands/uptime_command.h"
#include "runtime/core/values/text_format.h"
#include "texts.h"

namespace vorlix::app {
namespace {

namespace units = main_window;

// Events wait at most this long: a click is answered at once to the eye.
constexpr std::uint32_t kAnswerPeriodMs = 15;
// The bar and the status line change less often: each change repaints
// them, which costs a few milliseconds under Wine.
constexpr std::uint32_t kShowPeriodMs = 100;
// A stretch of rows copies in well under the answer period's few multiples.
constexpr std::int32_t kRowsPerStretch = 32768;
// The bar's range is an int of at most 32767.
constexpr std::int32_t kSteps = 10000;

std::uint32_t Now() { return static_cast<std::uint32_t>(commands::GetUptime()); }

}  // namespace

RowsProgress::RowsProgress(std::string_view working, std::size_t rows, std::size_t steps_per_row)
    : working_(working),
      rows_(rows),
      steps_per_row_(steps_per_row),
      last_answer_(Now()),
      last_shown_(last_answer_ - kShowPeriodMs),
      status_before_(LabelCaption(units::标签_状态)),
      bar_before_(ProgressPosition(units::进度条1)),
      bar_maximum_before_(ProgressMaximum(units::进度条1)) {}

// Not when the window went: its units are gone with it.
RowsProgress::~RowsProgress() {
  if (!MainWindowOpen()) return;
  SetLabelCaption(units::标签_状态, status_before_);
  SetProgressMaximum(units::进度条1, bar_maximum_before_);
  SetProgressPosition(units::进度条1, bar_before_);
}

void RowsProgress::Done(std::size_t rows) {
  done_ += rows;
  // Unsigned, so that the tick counter's wrap-around gives the right span.
  if (Now() - last_answer_ < kAnswerPeriodMs) return;
  if (Now() - last_shown_ >= kShowPeriodMs) {
    Show();
    last_shown_ = Now();
  }
  KeepWindowAlive();
  last_answer_ = Now();
}

bool RowsProgress::AnswerWhile(const std::function<bool()>& step) {
  std::future<bool> result = std::async(std::launch::async, step);
  while (result.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready) Done(0);
  return result.get();
}

void RowsProgress::Show() const {
  const std::size_t steps = rows_ * steps_per_row_;
  const double share = steps == 0 ? 1.0 : static_cast<double>(done_) / static_cast<double>(steps);
  SetProgressMaximum(units::进度条1, kSteps);
  SetProgressPosition(units::进度条1, static_cast<std::int32_t>(share * kSteps));
  SetLabelCaption(units::标签_状态,
                  core::FormatText(texts::kRowsDone, std::string(working_).c_str(),
                                   std::to_string(done_ / steps_per_row_).c_str(), std::to_string(rows_).c_str()));
}

commands::RowsCopy CopyRowsAnswering(const core::UnitReference& list, std::int32_t column) {
  for (;;) {
    const std::uint64_t version = commands::ListViewGetRowsVersion(list);
    const std::int32_t count = commands::ListViewGetCount(list);
    commands::RowsCopy copy;
    for (std::int32_t first = 0; first < count; first += kRowsPerStretch) {
      if (first > 0) KeepWindowAlive();
      if (commands::ListViewGetRowsVersion(list) != version) break;
      commands::ListViewAppendRows(list, column, first, kRowsPerStretch, copy);
    }
    if (commands::ListViewGetRowsVersion(list) == version) return copy;
  }
}

}  // namespace vorlix::app
