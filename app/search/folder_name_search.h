#pragma once

#include <vector>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// Starts the folder-name search on a worker thread with copies of the
// keywords and roots, and returns at once. The worker never touches a unit:
// its rows and its end status reach the result list and the status label
// through the window thread, in batches, and only while the main window is
// open. Marks the search as running until its last rows are in.
void StartFolderNameSearch(const std::vector<core::Text>& keywords, const std::vector<core::Text>& roots);

// Asks a running worker to stop; it ends within milliseconds.
void StopFolderNameSearch();

// Stops a running worker and waits until it has finished: for the end of
// the program.
void EndFolderNameSearch();

}  // namespace vorlix::app
