#include "app/results/checked_rows_run.h"

namespace vorlix::app {
namespace {

// Handlers all run on the window's thread.
bool running = false;

}  // namespace

CheckedRowsRun::CheckedRowsRun() : SingleRun(running) {}

}  // namespace vorlix::app
