#pragma once

namespace vorlix::app {

// Copy, move, delete and the clipboard act on the checked rows. The first
// three process events between rows, so a click on any of these buttons
// can come while one of them runs; it must not start a second run over
// the same rows. A run holds this for its whole length.
class CheckedRowsRun {
 public:
  CheckedRowsRun();
  ~CheckedRowsRun();
  CheckedRowsRun(const CheckedRowsRun&) = delete;
  CheckedRowsRun& operator=(const CheckedRowsRun&) = delete;

  // False when another run was going: this one must not start.
  bool started() const { return started_; }

 private:
  bool started_;
};

}  // namespace vorlix::app
