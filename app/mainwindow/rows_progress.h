#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "runtime/commands/list_view_commands.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// Work over a big result list on the window thread that never holds the
// window: every few milliseconds the events are processed (a close ends
// the handler through MainWindowClosed) and the progress bar and the
// status line show how many rows are done. Both are put back as they were
// when the work ends. Work of several steps a row counts each step done,
// and shows whole rows.
class RowsProgress {
 public:
  RowsProgress(std::string_view working, std::size_t rows, std::size_t steps_per_row = 1);
  ~RowsProgress();
  RowsProgress(const RowsProgress&) = delete;
  RowsProgress& operator=(const RowsProgress&) = delete;

  void Done(std::size_t rows);
  // Does one long step (a quarter of a second and more under Wine) on a
  // thread of its own while the window keeps answering; gives its result.
  // Should the window close meanwhile, the step is still waited for.
  bool AnswerWhile(const std::function<bool()>& step);

 private:
  void Show() const;

  std::string_view working_;
  std::size_t rows_;
  std::size_t steps_per_row_;
  std::size_t done_ = 0;  // steps
  std::uint32_t last_answer_;
  std::uint32_t last_shown_;
  core::Text status_before_;
  std::int32_t bar_before_;
  std::int32_t bar_maximum_before_;
};

// The rows with one column's texts, copied a stretch at a time with the
// events processed in between. They are the rows as they stand when the
// copy ends: a copy that rows coming, going, moving or changing their text
// cut across starts again. A short list is copied in one step.
commands::RowsCopy CopyRowsAnswering(const core::UnitReference& list, std::int32_t column);

}  // namespace vorlix::app
