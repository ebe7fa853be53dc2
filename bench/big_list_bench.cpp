// Times actions on a big result list in the program's own main window, and
// the longest a caller waited for the window meanwhile, for the benchmark
// under Wine:
//
//     big_list_bench.exe [ROWS] [RUNS] [ONLY]
//     big_list_bench.exe names COUNT
//
// The rows (1,000,000 by default) go in through the list's own insert
// path: paths as a whole-disk search gives them, in 2,000 folders, or with
// VORLIX_BENCH_ROWS the paths of real files listed in that file. The
// actions are the real handlers, reached as a person reaches them (button
// clicks, the menu's command, clicks on the column header). A second thread
// sends the main window WM_NULL with SendMessageTimeout every 10 ms; an
// action's wait is the longest that took while the action ran. Prints one
// line per action: its name, the best time of RUNS (3) in seconds, the
// longest wait of all runs in milliseconds; then the peak working set.
// With ONLY, just the actions whose names hold it (or one of its parts
// between '|'). With "names", the start
// of the window with COUNT saved names instead: when the window was built,
// when the last name was in the box, and the longest wait meanwhile.
#include <windows.h>
#include <commctrl.h>
#undef FindWindow

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/program_header.h"
#include "app/results/list_view_sorting.h"
#include "app/search/search_globals.h"
#include "bench/process_memory.h"
#include "platform/wide_text.h"
#include "tests/win32/dialog_driver.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/settings_commands.h"
#include "runtime/core/program/startup.h"
#include "runtime/core/state/live_windows.h"
#include "texts.h"

namespace {

using namespace vorlix;
using namespace vorlix::app::main_window;
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) { return std::chrono::duration<double, std::milli>(duration).count(); }

HWND WindowOf(core::UnitId unit) {
  return reinterpret_cast<HWND>(core::FindLiveUnit(core::kMainWindowId, unit)->window());
}

void PumpPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Until the sort's order has landed, answering the window's messages as
// its message loop would.
void PumpUntilSortLands() {
  while (app::ListSortPending()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    PumpPendingMessages();
  }
}

// Sends WM_NULL every 10 ms and keeps the longest answer while measuring.
class Pinger {
 public:
  explicit Pinger(HWND window) : window_(window), thread_([this] { Run(); }) { thread_.detach(); }
  void Begin() {
    longest_ = 0;
    measuring_ = true;
  }
  double End() {
    measuring_ = false;
    return longest_.load();
  }

 private:
  void Run() {
    for (;;) {
      const Clock::time_point sent = Clock::now();
      DWORD_PTR answer = 0;
      SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &answer);
      const double waited = Milliseconds(Clock::now() - sent);
      if (measuring_ && waited > longest_) longest_ = waited;
      Sleep(10);
    }
  }

  HWND window_;
  std::atomic<bool> measuring_{false};
  std::atomic<double> longest_{0};
  std::thread thread_;
};

std::string GbkOfUtf8(const std::string& utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), static_cast<int>(wide.size()))));
  return platform::Narrow(wide);
}

// The rows are made up, or with VORLIX_BENCH_ROWS the first ROWS lines of
// that file (UTF-8 Windows paths of real files, so that the actions that
// read the files' facts read real ones).
void FillRows(int rows) {
  const core::UnitReference list = app::MainWindowList(超级列表框1);
  std::ifstream real_paths;
  if (const char* file = std::getenv("VORLIX_BENCH_ROWS")) real_paths.open(file);
  std::string line;
  for (int i = 0; i < rows; ++i) {
    std::string path;
    if (real_paths.is_open() && std::getline(real_paths, line)) {
      path = GbkOfUtf8(line);
    } else {
      path = "D:\\Photos\\" + std::to_string(2000 + i % 2000) + "\\Camera\\IMG_" +
             std::to_string(100000 + (i * 7919) % 900000) + ".jpg";
    }
    const std::string name = path.substr(path.rfind('\\') + 1);
    const std::string_view texts[] = {path, name};
    commands::ListViewInsertRow(list, -1, texts, 0);
  }
  commands::ListViewFlushCount(list);
}

// Whether ONLY ("a|b|..." or nothing) names the action: one of its parts
// is in the action's name.
bool Chosen(std::string_view action, std::string_view only) {
  for (std::size_t start = 0;;) {
    const std::size_t end = std::min(only.find('|', start), only.size());
    if (action.find(only.substr(start, end - start)) != std::string_view::npos) return true;
    if (end == only.size()) return false;
    start = end + 1;
  }
}

void ClickHeader(int column) {
  HWND header = ListView_GetHeader(WindowOf(超级列表框1));
  RECT item;
  Header_GetItemRect(header, column, &item);
  const LPARAM inside = MAKELPARAM(item.left + 10, item.top + 5);
  PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  PostMessageW(header, WM_LBUTTONUP, 0, inside);
  PumpPendingMessages();
  PumpUntilSortLands();
}

void Click(core::UnitId button) { SendMessageW(WindowOf(button), BM_CLICK, 0, 0); }

void Command(core::UnitId item) {
  HWND frame = GetAncestor(WindowOf(超级列表框1), GA_ROOT);
  SendMessageW(frame, WM_COMMAND, app::main_window::kFirstMenuCommand + (item - menu::菜单), 0);
}

// The save dialog's name field, given the whole path of a name in the
// program's folder: the dialog opens in the folder last used in the
// prefix, which may be another build's.
std::function<bool(HWND)> SaveAs(const wchar_t* name) {
  wchar_t program[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring path(program, length);
  path = path.substr(0, path.rfind(L'\\') + 1) + name;
  return [path](HWND dialog) { return testing::FillSaveName(dialog, path); };
}

// Runs the action; the dialog it opens (the end's message, a folder
// dialog, a question) is answered with `button` as soon as it shows.
void Answered(int button, const std::function<void()>& action, std::function<bool(HWND)> look = {}) {
  testing::DialogAnswers answers({{button, look ? look : [](HWND) { return true; }}});
  action();
}

void SelectEveryRow(HWND list, bool selected) {
  LVITEMW every{};
  every.stateMask = LVIS_SELECTED;
  every.state = selected ? LVIS_SELECTED : 0;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&every));
}

// `prepare` runs before each timed run, outside the timing.
struct Action {
  const char* name;
  std::function<void()> run;
  std::function<void()> prepare = [] {};
};

// The start with `count` saved names: how long the window takes to come,
// then the longest wait of a caller over the next ten seconds.
int TimeNamesAtStart(int count) {
  std::string names;
  for (int i = 0; i < count; ++i) names += "IMG_" + std::to_string(100000 + i) + ".jpg\r\n";
  const core::Text folder = commands::GetRunDirectory();
  commands::WriteFile(folder + "\\filemame.txt", {commands::ByteSetView(reinterpret_cast<const std::uint8_t*>(names.data()), names.size())});
  commands::WriteSettingsItem(folder + "\\config.ini", "zhuce", texts::kKeySaveKeywords, texts::kTrue);
  const Clock::time_point start = Clock::now();
  core::LoadStartWindow(core::kMainWindowId);
  std::printf("window built with %d names\t%.3f\n", count, Milliseconds(Clock::now() - start) / 1000);
  HWND frame = GetAncestor(WindowOf(超级列表框1), GA_ROOT);
  HWND box = WindowOf(编辑框_文件名);
  Pinger pinger(frame);
  pinger.Begin();
  // The box is read-only while names still go in; a second more after.
  Clock::time_point loaded = Clock::now() + std::chrono::hours(1);
  while (Clock::now() < loaded + std::chrono::seconds(1)) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    PumpPendingMessages();
    if (loaded > Clock::now() && (GetWindowLongW(box, GWL_STYLE) & ES_READONLY) == 0) loaded = Clock::now();
  }
  std::printf("all names in the box after\t%.3f s\n", Milliseconds(loaded - start) / 1000);
  std::printf("longest wait meanwhile\t%.0f ms\n", pinger.End());
  std::printf("peak working set\t%.0f MB\n", bench::PeakWorkingSetMegabytes());
  std::fflush(stdout);
  ExitProcess(0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::string(argv[1]) == "names") {
    core::InitialiseRuntime(app::ApplicationHeader());
    app::CreateGlobalArrays();
    return TimeNamesAtStart(std::atoi(argv[2]));
  }
  const int rows = argc > 1 ? std::atoi(argv[1]) : 1000000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
  const std::string only = argc > 3 ? argv[3] : "";
  core::InitialiseRuntime(app::ApplicationHeader());
  app::CreateGlobalArrays();
  core::LoadStartWindow(core::kMainWindowId);
  FillRows(rows);
  // Names for the counts and the not-found list: a thousand, half of them
  // names of rows.
  std::string names;
  for (int i = 0; i < 1000; ++i) names += "IMG_" + std::to_string(100000 + i * (i % 2 == 0 ? 1 : 997)) + ".jpg\r\n";
  app::SetEditBoxContent(编辑框_文件名, names);
  PumpPendingMessages();
  HWND list = WindowOf(超级列表框1);
  HWND frame = GetAncestor(list, GA_ROOT);

  const Action actions[] = {
      {"uncheck all (取消全部勾选)", [] { SendMessageW(WindowOf(按钮2), BM_CLICK, 0, 0); }},
      {"check all (全部勾选)", [] { SendMessageW(WindowOf(按钮1), BM_CLICK, 0, 0); }},
      {"clipboard (一键复制勾选文件到剪贴板)", [] { Answered(IDOK, [] { Click(按钮_复制到剪贴板); }); }},
      {"export (导出结果列表)", [] { Answered(IDOK, [] { Command(menu::导出结果列表); }, SaveAs(L"exported.csv")); },
       [] { DeleteFileW(L"exported.csv"); }},  // else the dialog asks whether to replace it
      {"counts (名字查找统计)", [] { Command(menu::名字查找统计); }},
      {"not-found list (未搜到的文件列表)", [] { Click(按钮_未搜索到文件); }},
      {"copy, up to its folder dialog", [] { Answered(IDCANCEL, [] { Click(按钮3); }); }},
      {"move, up to its folder dialog", [] { Answered(IDCANCEL, [] { Click(按钮5); }); }},
      {"delete, up to its question", [] { Answered(IDNO, [] { Click(按钮4); }); }},
      {"sort by name, one click", [] { ClickHeader(1); }},
      {"sort by name, other way", [] { ClickHeader(1); }},
      {"sort by path, one click", [] { ClickHeader(0); }},
      {"sort by path, other way", [] { ClickHeader(0); }},
      {"select every row (as Ctrl+A does)", [&] { SelectEveryRow(list, true); }, [&] { SelectEveryRow(list, false); }},
      {"check selected (批量勾选选定项目)", [&] { SendMessageW(frame, WM_COMMAND, 20007, 0); },
       [&] { SelectEveryRow(list, true); }},
      {"sort by name, every row selected", [] { ClickHeader(1); }},
  };
  Pinger pinger(frame);
  for (const Action& action : actions) {
    if (!Chosen(action.name, only)) continue;
    double best = 1e300, longest_wait = 0;
    for (int run = 0; run < runs; ++run) {
      action.prepare();
      Sleep(50);
      PumpPendingMessages();
      pinger.Begin();
      const Clock::time_point start = Clock::now();
      action.run();
      best = std::min(best, Milliseconds(Clock::now() - start) / 1000);
      Sleep(30);  // a ping sent just before the end is answered now
      PumpPendingMessages();
      longest_wait = std::max(longest_wait, pinger.End());
    }
    std::printf("%s\t%.3f\t%.0f\n", action.name, best, longest_wait); 
    std::fflush(stdout);
  }
  std::printf("peak working set\t%.0f MB\n", bench::PeakWorkingSetMegabytes());
  std::fflush(stdout);
  // No close: closing would save the settings beside the program, and the
  // pinger would be left waiting on a window that is going.
  ExitProcess(0);
}
