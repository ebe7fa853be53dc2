#pragma once

#include <vector>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// The application's global text arrays: created empty by the start routine
// and freed, with every text they hold, by its exit routine.

// One text per keyword, in the order of the name box's lines.
extern std::vector<core::Text> KeywordList;
// One text per search root: a drive name (C:) or a folder path.
extern std::vector<core::Text> SearchRoots;
// The folders of one root, collected by the folder-name search.
extern std::vector<core::Text> FolderList;

void CreateGlobalArrays();
void FreeGlobalArrays();

}  // namespace vorlix::app
