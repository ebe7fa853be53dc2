#include "app/results/checked_rows_run.h"

namespace vorlix::app {
namespace {

// Handlers all run on the window's thread.
bool running = false;

}  // namespace

CheckedRowsRun::CheckedRowsRun() : started_(!running) { running = true; }

CheckedRowsRun::~CheckedRowsRun() {
  if (started_) running = false;
}

}  // namespace vorlix::app
