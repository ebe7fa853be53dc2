#pragma once

#include <functional>
#include <span>
#include <vector>

#include "app/mainwindow/rows_progress.h"
#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// Putting the checked files on the clipboard.
core::HandlerResult CopyCheckedToClipboard(std::span<const core::Value> arguments);

// Sets the paths on the clipboard as a file list (CF_HDROP), owned by the
// main window: in the ANSI code page when every path fits it, in UTF-16
// otherwise. False when the clipboard could not be opened or did not take
// the list; it is closed again whenever it was opened. Each path converted
// counts one row done of `progress`.
using PathRef = std::reference_wrapper<const core::Text>;
bool PutFileListOnClipboard(std::span<const PathRef> paths, RowsProgress& progress);

}  // namespace vorlix::app
