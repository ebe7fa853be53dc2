#include "app/results/clipboard_file_list.h"

#include <cstddef>
#include <cstdint>
#include <functional>

#include "app/mainwindow/external_function_declarations.h"
#include "app/mainwindow/rows_progress.h"
#include "app/results/checked_rows_run.h"
#include "app/results/failure_reasons.h"
#include "app/results/failure_report.h"
#include "app/results/file_list_block.h"
#include "app/results/result_units.h"
#include "app/results/row_walk.h"
#include "app/results/rows_read_ahead.h"
#include "app/results/run_record.h"
#include "runtime/commands/code_page_commands.h"
#include "runtime/commands/drive_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/message_box_command.h"
#include "runtime/commands/unit_commands.h"
#include "runtime/commands/window_handle_integer.h"
#include "runtime/core/program/external_functions.h"
#include "texts.h"

namespace vorlix::app {
namespace {

// The clipboard functions with the arguments the program declares for them.
using OpenClipboardFunction = std::int32_t __stdcall(void* owner);
using EmptyClipboardFunction = std::int32_t __stdcall();
using GlobalAllocFunction = void* __stdcall(std::uint32_t flags, std::size_t bytes);
using GlobalLockFunction = void* __stdcall(void* memory);
using MoveMemoryFunction = void __stdcall(void* to, const void* from, std::size_t bytes);
using GlobalUnlockFunction = std::int32_t __stdcall(void* memory);
using SetClipboardDataFunction = void* __stdcall(std::uint32_t format, void* memory);
using CloseClipboardFunction = std::int32_t __stdcall();
using GlobalFreeFunction = void* __stdcall(void* memory);

constexpr std::uint32_t kMovableZeroed = 0x42;  // GMEM_MOVEABLE | GMEM_ZEROINIT
constexpr std::uint32_t kFileListFormat = 15;   // CF_HDROP

template <class Function>
Function* Call(ExternalFunction entry) {
  return core::ExternalFunction<Function>(entry);
}

// The ANSI list that every file manager reads, unless a path holds a
// character that the system's ANSI code page lacks. Built a path at a
// time: a million paths are not held twice over.
core::ByteSet FileListOf(std::span<const PathRef> paths, bool& wide, RowsProgress& progress) {
  std::size_t bytes_expected = 1;  // the closing zero
  for (const core::Text& path : paths) bytes_expected += path.size() + 1;
  AnsiFileListBuilder ansi(bytes_expected);
  for (const core::Text& path : paths) {
    const std::optional<std::string> fitted = commands::TextInAnsiCodePage(path);
    if (!fitted) {
      std::vector<std::u16string> utf16;
      for (const core::Text& each : paths) utf16.push_back(commands::TextInUtf16(each));
      wide = true;
      return WideFileList(utf16);
    }
    ansi.Add(*fitted);
    progress.Done(1);
  }
  wide = false;
  return std::move(ansi).Finish();
}

// Hands the block to the clipboard, which then owns it; frees it otherwise.
bool PlaceBlock(const core::ByteSet& header, const core::ByteSet& list) {
  void* memory = Call<GlobalAllocFunction>(kGlobalAlloc)(kMovableZeroed, header.size() + list.size());
  if (memory == nullptr) return false;
  bool placed = false;
  if (auto* block = static_cast<std::uint8_t*>(Call<GlobalLockFunction>(kGlobalLock)(memory))) {
    Call<MoveMemoryFunction>(kMoveMemoryHeader)(block, header.data(), header.size());
    Call<MoveMemoryFunction>(kMoveMemoryList)(block + header.size(), list.data(), list.size());
    Call<GlobalUnlockFunction>(kGlobalUnlock)(memory);
    placed = Call<SetClipboardDataFunction>(kSetClipboardData)(kFileListFormat, memory) != nullptr;
  }
  if (!placed) Call<GlobalFreeFunction>(kGlobalFree)(memory);
  return placed;
}

std::size_t CheckedCount(const commands::RowsCopy& rows) {
  std::size_t checked = 0;
  for (std::size_t row = 0; row < rows.size(); ++row) checked += rows.Check(row) == 1 ? 1 : 0;
  return checked;
}

// The paths as on disk: a paste makes files of these names.
std::vector<core::Text> CheckedPaths(const commands::RowsCopy& rows, RowsProgress& progress) {
  std::vector<core::Text> paths;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (rows.Check(row) != 1) continue;
    paths.push_back(RowPathOnDisk(rows, row));
    progress.Done(1);
  }
  return paths;
}

// Each checked row's line: on the clipboard, refused as a whole drive, or
// left off because the clipboard did not take the list. The files' sizes
// are read ahead on threads, with the window answering; the lines go out in
// batches.
void RecordRows(RunRecord& record, const std::vector<core::Text>& paths, const std::vector<bool>& whole_drives,
                bool placed, RowsProgress& progress) {
  constexpr std::size_t kLinesPerWrite = 4096;
  // Lines gathered but not yet written go out even when the window closes
  // between two rows and the run ends there: those rows are on the
  // clipboard, and the record must say so.
  struct Batch {
    RunRecord& record;
    std::vector<RecordEntry> entries;
    ~Batch() { record.Add(entries); }
  } batch{record, {}};
  std::vector<RecordEntry>& entries = batch.entries;
  const std::function<void()> answer_events = [&progress] { progress.Done(0); };
  RowsReadAhead<std::optional<std::uint64_t>> sizes(
      paths.size(), [&paths](std::size_t index) { return FileSizeForRecord(paths[index]); });
  for (std::size_t index = 0; index < paths.size(); ++index) {
    const bool whole_drive = whole_drives[index];
    entries.push_back({.source = paths[index],
                       .size = sizes.Take(index, answer_events),
                       .succeeded = placed && !whole_drive,
                       .reason = whole_drive ? FailureReason({.failure = commands::FileOperationFailure::kWholeDrive})
                                 : placed    ? core::Text()
                                             : core::Text(texts::kClipboardRefused)});
    if (entries.size() == kLinesPerWrite) {
      record.Add(entries);
      entries.clear();
    }
    progress.Done(1);
  }
}

// Whether the list went on the clipboard (nothing when no row was left to
// put there), then the rows refused as whole drives, each with why; and
// where the record is when anything failed.
core::Text EndMessage(const RunRecord& record, bool tried, bool placed, const std::vector<core::Text>& refused) {
  const core::Text outcome =
      tried ? core::Text(placed ? texts::kClipboardDone : texts::kClipboardFailed) : core::Text();
  if (refused.empty()) return placed ? record.WithNoteIfNotWritten(outcome) : record.WithWhereItIs(outcome);
  std::vector<core::Text> named;
  for (const core::Text& path : refused) named.push_back(FailedItem(path));
  const core::Text lines = FailureMessage(texts::kClipboardFailedHeading, named);
  return record.WithWhereItIs(outcome.empty() ? lines : outcome + "\r\n" + lines);
}

}  // namespace

// The main window owns the clipboard's content: the platform documents that
// with no owner, emptying the clipboard makes setting data on it fail. A
// million paths take a quarter of a second to place under Wine (most of it
// in closing the clipboard), so a thread of its own places them while the
// window keeps answering.
bool PutFileListOnClipboard(std::span<const PathRef> paths, RowsProgress& progress) {
  bool wide = false;
  const core::ByteSet list = FileListOf(paths, wide, progress);
  const core::ByteSet header = FileListHeader(wide);
  void* owner = reinterpret_cast<void*>(commands::NativeWindowOf(commands::GetWindowHandle(MainWindowItself())));
  return progress.AnswerWhile([&] {
    if (Call<OpenClipboardFunction>(kOpenClipboard)(owner) == 0) return false;
    Call<EmptyClipboardFunction>(kEmptyClipboard)();
    const bool placed = PlaceBlock(header, list);
    Call<CloseClipboardFunction>(kCloseClipboard)();
    return placed;
  });
}

core::HandlerResult CopyCheckedToClipboard(std::span<const core::Value>) {
  const CheckedRowsRun run;
  if (!run.started()) return std::nullopt;
  std::optional<commands::RowsCopy> rows = CopyRowsAnswering(ResultList(), 0);
  const std::size_t checked = CheckedCount(*rows);
  if (checked == 0) {
    commands::MessageBox(core::Value(texts::kClipboardNoneChecked), 0);
    return std::nullopt;
  }
  RunRecord record(texts::kOperationClipboard);
  bool placed = false;
  std::vector<PathRef> placeable;
  std::vector<core::Text> refused;
  {
    // Four steps a checked row: its path, its sorting out, its conversion
    // for the list, its line in the record.
    RowsProgress progress(texts::kClipboardWorking, checked, 4);
    const std::vector<core::Text> paths = CheckedPaths(*rows, progress);
    rows.reset();  // every row's copy, no longer needed
    // A paste in a file manager would copy the whole drive.
    std::vector<bool> whole_drives(paths.size());
    for (std::size_t index = 0; index < paths.size(); ++index) {
      whole_drives[index] = commands::IsWholeDrive(paths[index]);
      if (whole_drives[index]) {
        refused.push_back(paths[index]);
      } else {
        placeable.emplace_back(paths[index]);
      }
      progress.Done(1);
    }
    placed = !placeable.empty() && PutFileListOnClipboard(placeable, progress);
    RecordRows(record, paths, whole_drives, placed, progress);
  }
  commands::MessageBox(core::Value(EndMessage(record, !placeable.empty(), placed, refused)), 0);
  return std::nullopt;
}

}  // namespace vorlix::app
