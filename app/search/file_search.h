#pragma once

#include <vector>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// Walks every root breadth first and puts a row at the top of the result
// list for every file name that matches a keyword, once per keyword and per
// root that reaches the file. Runs on the window thread, processing events
// on a time budget; returns when the walk has ended or the stop button was
// clicked. Each root keeps the backslash it is given when it has none.
void SearchFiles(const std::vector<core::Text>& keywords, std::vector<core::Text>& roots, bool fuzzy);

}  // namespace vorlix::app
