// Times the main window's own file search, from the click on 立即搜索 to
// its end, for the benchmark under Wine. The window is the program's own,
// with its real handlers; only the clicks of a person are replaced.
//
//     window_search_bench.exe NAMES ROOT exact|fuzzy [STOP_AFTER_MS] [--index]
//
// NAMES holds the names as they would be pasted (GBK, CR LF). Prints one
// line: seconds, rows, peak working set (MB), and the heap bytes each row
// adds beyond its two texts; with STOP_AFTER_MS, a click on 停止搜索 is
// posted that long after the search starts, and a fifth field gives the
// milliseconds from that click to the end of the search ("-" when the
// search ended first). Two fields always end the line: a digest of every
// row in order, and the milliseconds the folder index took to load before
// the click ("-" without it); stderr gets the most address space the
// process committed and what it may use. The folder index (the window's
// own, in the user's local application data) is used only with --index;
// it is loaded before the click, and what the search kept is written after
// the line is printed.
#include <windows.h>
#include <psapi.h>
#undef FindWindow

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/program_header.h"
#include "app/search/folder_index_use.h"
#include "app/search/search_globals.h"
#include "app/search/search_run.h"
#include "bench/process_memory.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/core/state/live_windows.h"
#include "runtime/core/program/startup.h"

namespace {

using namespace vorlix;
using namespace vorlix::app::main_window;

// A person clicks a window that has been drawn: its first painting is not
// the search's.
void PumpPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void PumpUntilSearchEnds() {
  MSG message;
  while (app::SearchRunning() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The settings a person makes before the click: names, one checked folder,
// the match mode, files rather than folders.
void PrepareSearch(const std::string& names, const std::string& root, bool fuzzy) {
  app::SetEditBoxContent(编辑框_文件名, names);
  app::SetChecked(单选框_整个电脑, false);
  app::SetChecked(单选框_指定路径, true);
  app::SetChecked(单选框_精确搜索, !fuzzy);
  app::SetChecked(单选框_模糊搜索, fuzzy);
  app::SetChecked(选择框_搜索目录, false);
  commands::ListViewInsertItem(app::MainWindowList(超级列表框_路径), std::nullopt, root, std::nullopt, 1);
}

using Clock = std::chrono::steady_clock;
Clock::time_point stop_posted;

// Posted from a timer, so it reaches the window only when the search
// processes events, as a person's click does.
void PostStopClickAfter(UINT milliseconds) {
  SetTimer(nullptr, 0, milliseconds, [](HWND, UINT, UINT_PTR timer, DWORD) CALLBACK {
    KillTimer(nullptr, timer);
    stop_posted = Clock::now();
    PostMessageW(reinterpret_cast<HWND>(core::FindLiveUnit(core::kMainWindowId, 按钮_停止搜索)->window()), BM_CLICK,
                 0, 0);
  });
}

double Milliseconds(Clock::duration duration) { return std::chrono::duration<double, std::milli>(duration).count(); }

// FNV-1a over every row's two columns, in order.
std::uint64_t DigestOfRows(const core::UnitReference& results, std::int32_t rows) {
  std::uint64_t digest = 0xCBF29CE484222325ULL;
  const auto add = [&digest](const std::string& text) {
    for (const char byte : text + '\n') digest = (digest ^ static_cast<unsigned char>(byte)) * 0x100000001B3ULL;
  };
  for (std::int32_t row = 0; row < rows; ++row) {
    add(commands::ListViewGetText(results, row, 0));
    add(commands::ListViewGetText(results, row, 1));
  }
  return digest;
}

// Milliseconds until the index is in memory; a person would still be
// pasting names while it loads.
double LoadFolderIndexFirst() {
  const Clock::time_point start = Clock::now();
  app::FolderIndexForSearch()->Await([] { return true; });
  return Milliseconds(Clock::now() - start);
}

std::size_t TextBytesOfRows(const core::UnitReference& results, std::int32_t rows) {
  std::size_t bytes = 0;
  for (std::int32_t row = 0; row < rows; ++row) {
    bytes += commands::ListViewGetText(results, row, 0).size() + commands::ListViewGetText(results, row, 1).size();
  }
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  const bool with_index = argc > 4 && std::string(argv[argc - 1]) == "--index";
  if (with_index) --argc;
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: window_search_bench NAMES ROOT exact|fuzzy [STOP_AFTER_MS] [--index]\n");
    return 2;
  }
  const std::string names_path = argv[1], root = argv[2];
  core::InitialiseRuntime(app::ApplicationHeader());
  app::CreateGlobalArrays();
  core::LoadStartWindow(core::kMainWindowId);
  const core::ByteSet names = commands::ReadFile(names_path);
  PrepareSearch(std::string(names.begin(), names.end()), root, std::string(argv[3]) == "fuzzy");
  app::ShowFolderIndexUse(with_index);
  const double load_milliseconds = with_index ? LoadFolderIndexFirst() : -1;

  PumpPendingMessages();
  const bench::HeapBytes before = bench::BytesInHeaps();
  HWND button = reinterpret_cast<HWND>(core::FindLiveUnit(core::kMainWindowId, 按钮_立即搜索)->window());
  if (argc == 5) PostStopClickAfter(static_cast<UINT>(std::atoi(argv[4])));
  const Clock::time_point start = Clock::now();
  SendMessageW(button, BM_CLICK, 0, 0);
  PumpUntilSearchEnds();
  const Clock::time_point end = Clock::now();
  const double seconds = Milliseconds(end - start) / 1000;

  const core::UnitReference results = app::MainWindowList(超级列表框1);
  const std::int32_t rows = commands::ListViewGetCount(results);
  const double grown = static_cast<double>(bench::BytesInHeaps() - before);
  const double per_row = rows == 0 ? 0 : (grown - static_cast<double>(TextBytesOfRows(results, rows))) / rows;
  std::printf("%.3f %d %.1f %.0f", seconds, rows, bench::PeakWorkingSetMegabytes(), per_row);
  if (argc == 5 && stop_posted == Clock::time_point{}) std::printf(" -");
  if (argc == 5 && stop_posted != Clock::time_point{}) std::printf(" %.1f", Milliseconds(end - stop_posted));
  std::printf(" %016llx", static_cast<unsigned long long>(DigestOfRows(results, rows)));
  if (with_index) std::printf(" %.0f\n", load_milliseconds);
  if (!with_index) std::printf(" -\n");
  std::fflush(stdout);
  app::FinishFolderIndex();
  // After the index is written; on stderr, which the scripts leave alone.
  std::fprintf(stderr, "address space: %.0f MB committed at most, of %.0f MB\n", bench::PeakCommittedMegabytes(),
               bench::AddressSpaceMegabytes());
  // No close: closing would save the settings beside the program.
  ExitProcess(0);
}
