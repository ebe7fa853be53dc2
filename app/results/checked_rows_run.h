#pragma once

#include "app/mainwindow/single_run.h"

namespace vorlix::app {

// Copy, move, delete and the clipboard act on the checked rows and process
// events while they run, so a click on any of these buttons can come while
// one of them runs; it must not start a second run over the same rows.
class CheckedRowsRun : public SingleRun {
 public:
  CheckedRowsRun();
};

}  // namespace vorlix::app
