#pragma once

#include <cstdint>
#include <vector>

#include "runtime/commands/list_view_commands.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// A row that was checked when a run over the checked rows began, and where
// it was then. Runs process events between rows, and the handlers that run
// meanwhile may add, remove or reorder rows: a row is found again by its
// identity, so that a run never skips one, takes one twice or acts on
// another row than the one that was checked.
struct CheckedRow {
  commands::ListViewRowId id;
  std::int32_t index;
};

// The checked rows, top to bottom, read in one pass.
std::vector<CheckedRow> CheckedRowsOf(const core::UnitReference& list);

// The checked rows, with the progress bar reset to run from 0 to their
// number: how a run over them begins.
std::vector<CheckedRow> CheckedRowsWithProgress(const core::UnitReference& list, core::UnitId bar);

// Where the row is now; -1 when it has gone or is no longer checked.
std::int32_t CheckedIndexNow(const core::UnitReference& list, const CheckedRow& row);

// The path of the row's file as on disk: the row shows a file's name
// lowered, and what the program does to the file (and writes of it) uses
// the file's own name.
core::Text RowPathOnDisk(const core::UnitReference& list, std::int32_t index);
core::Text RowPathOnDisk(const commands::RowsCopy& rows, std::size_t row);

}  // namespace vorlix::app
