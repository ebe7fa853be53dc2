#pragma once

#include <span>

#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// At close, for each of the two options checked then: the folder list with
// its check marks goes to gxbx.ini, the name box's text to filemame.txt.
// Each file is replaced in one step; the file of an unchecked option is
// left as it is.
core::HandlerResult SaveStateAtClose(std::span<const core::Value> arguments);

// The start's two loading steps. The saved names fill the name box (a
// missing file empties it), hide its hint and check 选择框_保存关键字; the
// saved folders are appended unchecked, then the saved indices checked,
// and 选择框_保存路径 is checked.
void LoadSavedNames();
void LoadSavedFolders();

}  // namespace vorlix::app
