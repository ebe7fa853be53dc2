// The search engine over the Windows listing, and vorlix-find.exe, on
// folder trees made here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/search/walk/file_walk.h"
#include "platform/folder_listing.h"
#include "platform/gbk_codec.h"
#include "platform/utf8_codec.h"
#include "platform/wide_text.h"
#include "temporary_folder.h"

namespace vorlix::app {
namespace {

using Rows = std::vector<std::string>;

constexpr const char* kChinese = "\xB1\xA8\xB8\xE6";  // 报告, whose GBK trail bytes are letters
// U+0E01, a Thai letter GBK lacks: it travels as a GB18030 four-byte sequence.
const std::string kThai = platform::Utf16ToGbk(u"\u0E01");

class Recorder final : public FileWalkSink {
 public:
  void OnRow(std::string_view folder, std::string_view name, std::string_view, std::uint32_t keyword) override {
    rows.push_back(std::string(folder) + std::string(name) + "|" + std::to_string(keyword));
  }
  bool ShouldStop() override { return false; }
  Rows rows;
};

class SearchListing : public ::testing::Test {
 protected:
  SearchListing() {
    tree_.MakeFolder("sub");
    tree_.MakeFolder("secret");
    tree_.SetAttributes("secret", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    tree_.Write("Report.DOC", "x");
    tree_.Write("hidden.txt", "x");
    tree_.SetAttributes("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    tree_.Write("sub\\" + std::string(kChinese) + ".TXT", "x");
    tree_.Write("secret\\" + kThai + ".txt", "x");
  }

  Rows Walk(const std::vector<std::string>& keywords, MatchRule rule) {
    const NameMatcher matcher(keywords, rule, NameEncoding::kGbk);
    Recorder recorder;
    EXPECT_TRUE(WalkFiles(tree_.Path(), matcher, SystemFolderLister(), recorder, {1}));
    std::sort(recorder.rows.begin(), recorder.rows.end());
    return recorder.rows;
  }

  vorlix::testing::TemporaryFolder tree_;
};

TEST_F(SearchListing, finds_hidden_system_and_double_byte_names_with_the_gbk_rules) {
  Rows expected{tree_.Path("report.doc|0"), tree_.Path("hidden.txt|1"),
                tree_.Path("sub\\" + std::string(kChinese) + ".txt|2"), tree_.Path("secret\\" + kThai + ".txt|3")};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Walk({"REPORT", "hidden", kChinese, kThai}, MatchRule::kExactFile), expected);
}

TEST_F(SearchListing, a_keyword_never_matches_across_two_chinese_characters) {
  // 0xA8 0xB8 is the trail byte of the first character and the lead byte of the second.
  EXPECT_EQ(Walk({"\xA8\xB8"}, MatchRule::kContains), Rows{});
}

TEST_F(SearchListing, folder_identity_follows_the_folder_not_its_spelling) {
  const auto plain = platform::IdentifyFolder(tree_.Path("sub"));
  ASSERT_TRUE(plain.has_value());
  EXPECT_EQ(platform::IdentifyFolder(tree_.Path("sub") + "\\"), plain);
  EXPECT_EQ(platform::IdentifyFolder(tree_.Path("sub\\..\\sub")), plain);
  EXPECT_NE(platform::IdentifyFolder(tree_.Path("secret")), plain);
  EXPECT_FALSE(platform::IdentifyFolder(tree_.Path("missing")).has_value());
}

TEST_F(SearchListing, is_folder_is_true_only_for_an_existing_folder) {
  EXPECT_TRUE(platform::IsFolder(tree_.Path("secret")));
  EXPECT_FALSE(platform::IsFolder(tree_.Path("hidden.txt")));
  EXPECT_FALSE(platform::IsFolder(tree_.Path("missing")));
}

// Each root gets listing threads of its own, which end with the root.
// Thread-local storage that owns memory, freed as such a thread ends, has
// corrupted the heap under mingw's static runtime.
// The bytes of every heap of the process that are handed out.
std::size_t BusyHeapBytes() {
  HANDLE heaps[64];
  const DWORD count = std::min<DWORD>(GetProcessHeaps(64, heaps), 64);
  std::size_t busy = 0;
  for (DWORD heap = 0; heap < count; ++heap) {
    PROCESS_HEAP_ENTRY entry{};
    HeapLock(heaps[heap]);
    while (HeapWalk(heaps[heap], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) busy += entry.cbData;
    }
    HeapUnlock(heaps[heap]);
  }
  return busy;
}

// Every root gets listing threads of its own, which end with the root.
// Under mingw's static runtime, thread-local storage that owns memory is not
// given back properly when such a thread ends (it leaked here, and has
// corrupted the heap before): the walk keeps none.
TEST_F(SearchListing, listing_threads_that_end_after_every_root_leave_nothing_behind) {
  std::string deep;
  for (int level = 0; level < 30; ++level) tree_.MakeFolder(deep += "d\\");
  const NameMatcher matcher(std::vector<std::string>{"report"}, MatchRule::kExactFile, NameEncoding::kGbk);
  const auto walk = [&] {
    Recorder recorder;
    WalkFiles(tree_.Path(), matcher, SystemFolderLister(), recorder, {2});
  };
  walk();
  const std::size_t before = BusyHeapBytes();
  for (int root = 0; root < 100; ++root) walk();
  EXPECT_LE(BusyHeapBytes(), before + 1024) << "the heap grew with every ended listing thread";
}

// vorlix-find.exe, run as a user runs it, with its output in a pipe.
class VorlixFindProgram : public SearchListing {
 protected:
  struct Result {
    DWORD status;
    std::string output;
  };

  Result Run(const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read_end = nullptr, write_end = nullptr;
    CreatePipe(&read_end, &write_end, &inherit, 0);
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{sizeof startup};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write_end;
    startup.hStdError = write_end;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    const std::filesystem::path program = ProgramFolder() / L"app" / L"vorlix-find.exe";
    std::wstring command = L"\"" + program.wstring() + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                               &process));
    CloseHandle(write_end);
    Result result{0, {}};
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) && got > 0) result.output.append(buffer, got);
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &result.status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(read_end);
    return result;
  }

  // Text as the program writes it to a pipe: UTF-8.
  static std::string Utf8(const std::string& gbk) { return platform::Utf16ToUtf8(platform::GbkToUtf16(gbk)); }

  static Rows SortedLines(const std::string& output) {
    Rows lines;
    for (std::size_t at = 0, end = 0; at < output.size(); at = end + 1) {
      end = output.find('\n', at);
      if (end == std::string::npos) end = output.size();
      lines.push_back(output.substr(at, end - at));
    }
    std::sort(lines.begin(), lines.end());
    return lines;
  }

  static std::filesystem::path ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return std::filesystem::path(path).parent_path().parent_path();
  }
};

// Whatever the console's code page (936 here), a pipe gets every name as
// its UTF-8 bytes: Thai and emoji, which GBK lacks, as well as Chinese;
// the paths keep the names' case as on disk.
TEST_F(VorlixFindProgram, prints_rows_to_a_pipe_in_utf8_with_paths_as_on_disk) {
  const std::string emoji = platform::Utf16ToGbk(u"\U0001F600");
  tree_.Write(emoji + ".Txt", "x");
  // The names file is UTF-8: 报告, a line of spaces, the Thai letter, the emoji, report.
  tree_.Write("names.txt", "\xE6\x8A\xA5\xE5\x91\x8A\r\n  \r\n\xE0\xB8\x81\n\xF0\x9F\x98\x80\nreport\n");
  const Result result = Run(L"--names \"" + tree_.WidePath("names.txt") + L"\" \"" + platform::Wide(tree_.Path()) + L"\"");
  EXPECT_EQ(result.status, 0u);
  const auto row = [&](const std::string& path, const std::string& lowered) {
    return Utf8(tree_.Path(path) + "\t" + lowered);
  };
  Rows expected{row("sub\\" + std::string(kChinese) + ".TXT", std::string(kChinese) + ".txt"),
                row("secret\\" + kThai + ".txt", kThai + ".txt"), row(emoji + ".Txt", emoji + ".txt"),
                row("Report.DOC", "report.doc")};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(SortedLines(result.output), expected) << result.output;
}

TEST_F(VorlixFindProgram, bad_arguments_end_with_status_2) {
  const Result result = Run(L"--no-such-option");
  EXPECT_EQ(result.status, 2u);
  EXPECT_NE(result.output.find("unknown option --no-such-option"), std::string::npos) << result.output;
}

}  // namespace
}  // namespace vorlix::app
