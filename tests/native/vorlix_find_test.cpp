#include "app/vorlix_find/vorlix_find.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>

#include "app/vorlix_find/find_arguments.h"
#include "search_engine_fixture.h"
#include "temporary_folder.h"
#include "version.h"

namespace vorlix::app {
namespace {

using testing::FakeLister;
using testing::File;
using testing::Folder;

struct Outcome {
  int status;
  std::string output;
  std::string error;
};

class VorlixFind : public ::testing::Test {
 protected:
  // The tree hangs below a real folder, since the folder-name search asks
  // the system whether a root is a folder; its contents are the fake's.
  VorlixFind() : root_(home_.Path("r")) {
    std::filesystem::create_directories(root_);
    lister_.AddFolder(root_ + "/", {File("Report.DOC"), Folder("Docs"), File("report.doc.bak"), Folder("old")});
    lister_.AddFolder(root_ + "/Docs/", {File("report"), Folder("Report"), File("notes.txt")});
    lister_.AddFolder(root_ + "/Docs/Report/", {File("a.REPORT")});
    lister_.AddFolder(root_ + "/old/", {File("myreport.doc")});
  }

  Outcome Run(std::vector<std::string> arguments, std::string names = "report\nnotes\nmissing\n") {
    Outcome outcome{0, "", ""};
    const FindStreams streams{
        [&](std::string_view text) {
          outcome.output += text;
          return true;
        },
        [&](std::string_view text) { outcome.error += text; }, [&] { return std::optional<std::string>(names); },
        [this] { return index_file_; }};
    outcome.status = RunVorlixFind(arguments, lister_, streams);
    return outcome;
  }

  testing::TemporaryFolder home_;
  std::string root_;
  FakeLister lister_;
  std::string index_file_;  // none: these tests walk
};

TEST_F(VorlixFind, exact_file_search_gives_the_path_as_on_disk_and_the_lowered_name_in_walk_order) {
  const Outcome found = Run({"--names", "-", root_});
  EXPECT_EQ(found.status, 0);
  EXPECT_EQ(found.error, "");
  EXPECT_EQ(found.output, root_ + "/Report.DOC\treport.doc\n" +   //
                              root_ + "/Docs/report\treport\n" +  //
                              root_ + "/Docs/notes.txt\tnotes.txt\n");
}

TEST_F(VorlixFind, fuzzy_file_search_gives_a_row_per_matching_keyword) {
  EXPECT_EQ(Run({"--fuzzy", "--names", "-", root_}).output,
            root_ + "/Report.DOC\treport.doc\n" + root_ + "/report.doc.bak\treport.doc.bak\n" +  //
                root_ + "/Docs/report\treport\n" + root_ + "/Docs/notes.txt\tnotes.txt\n" +     //
                root_ + "/old/myreport.doc\tmyreport.doc\n" + root_ + "/Docs/Report/a.REPORT\ta.report\n");
}

TEST_F(VorlixFind, folder_search_gives_folders_keyword_by_keyword_with_an_empty_second_column) {
  EXPECT_EQ(Run({"--folders", "--names", "-", root_}).output, root_ + "/Docs/Report\t\n");
  EXPECT_EQ(Run({"--folders", "--fuzzy", "--names", "-", root_}, "o\nr\n").output,
            root_ + "/Docs/Report\t\n" + root_ + "/Docs\t\n" + root_ + "/old\t\n" +  //
                root_ + "\t\n" + root_ + "/Docs/Report\t\n");
}

TEST_F(VorlixFind, not_found_gives_the_keywords_no_row_matched_in_their_order) {
  EXPECT_EQ(Run({"--not-found", "--names", "-", root_}, "missing\nreport\nrep\nnotes\nrep\n").output, "missing\nrep\nrep\n");
  EXPECT_EQ(Run({"--not-found", "--fuzzy", "--names", "-", root_}, "missing\nrep\n").output, "missing\n");
  EXPECT_EQ(Run({"--not-found", "--folders", "--names", "-", root_}, "report\ndocs\nold\nx\n").output, "x\n");
}

// A swap, a separator and a name far from every file; the found name is
// not printed. The second run reads the tree from a warm folder index.
TEST_F(VorlixFind, suggest_gives_each_name_that_found_nothing_the_paths_of_the_nearest_files) {
  index_file_ = home_.Path("index");
  for (const char* folder : {"/", "/Docs/", "/Docs/Report/", "/old/"}) {
    lister_.SetStamp(root_ + folder, {1000, 1000, std::hash<std::string>()(folder), 1});
  }
  lister_.SetNow(3600 * 1000);
  const std::string expected = "reprot\t" + root_ + "/Report.DOC\t" + root_ + "/Docs/report\n" +  //
                               "my-report\t" + root_ + "/old/myreport.doc\n" + "zzzzzzz\n";
  for (const char* run : {"cold", "warm"}) {
    const Outcome suggested = Run({"--suggest", "--names", "-", root_}, "reprot\nnotes\nmy-report\nzzzzzzz\n");
    EXPECT_EQ(suggested.status, 0) << run;
    EXPECT_EQ(suggested.output, expected) << run;
  }
  EXPECT_EQ(Run({"--not-found", "--suggest", "--fuzzy", "-0", "--names", "-", root_}, "xreport.doc.bak\n").output,
            std::string("xreport.doc.bak\t") + root_ + "/report.doc.bak" + '\0');
}

TEST_F(VorlixFind, counts_give_each_keyword_its_number_of_distinct_files_in_order) {
  EXPECT_EQ(Run({"--counts", "--names", "-", root_}, "report\nmissing\nnotes\nreport\n").output,
            "2\treport\n0\tmissing\n1\tnotes\n2\treport\n");
  EXPECT_EQ(Run({"--counts", "--fuzzy", "--names", "-", root_}, "rep\nxyz\n").output, "5\trep\n0\txyz\n");
  EXPECT_EQ(Run({"--counts", "--folders", "--names", "-", root_}, "report\nold\nnone\n").output,
            "1\treport\n1\told\n0\tnone\n");
  // A root given twice reaches the same files again; they count once.
  EXPECT_EQ(Run({"--counts", "--names", "-", root_, root_ + "/Docs", root_}, "report\n").output, "2\treport\n");
}

TEST_F(VorlixFind, roots_are_searched_in_the_order_given_and_each_gives_its_rows) {
  EXPECT_EQ(Run({"--names", "-", root_ + "/old", root_ + "/Docs/", root_ + "/old"}, "myreport\na\n").output,
            root_ + "/old/myreport.doc\tmyreport.doc\n" + root_ + "/Docs/Report/a.REPORT\ta.report\n" +
                root_ + "/old/myreport.doc\tmyreport.doc\n");
}

TEST_F(VorlixFind, names_file_lines_lose_a_closing_cr_and_blank_lines_only) {
  // The blank lines hold ASCII spaces and a full-width space; the tab line is a keyword.
  EXPECT_EQ(Run({"--not-found", "--names", "-", root_},
                "\xEF\xBB\xBFreport\r\n \r\n\xE3\x80\x80 \n\t\n notes\nnotes \r\nlast").output,
            "\t\n notes\nnotes \nlast\n");
}

TEST_F(VorlixFind, reads_the_names_from_a_file) {
  home_.Write("names.txt", "notes\n");
  EXPECT_EQ(Run({"--names=" + home_.Path("names.txt"), root_}).output, root_ + "/Docs/notes.txt\tnotes.txt\n");
}

struct BadCall {
  std::vector<std::string> arguments;
  std::string message;
};

class VorlixFindRefuses : public VorlixFind, public ::testing::WithParamInterface<BadCall> {};

TEST_P(VorlixFindRefuses, with_status_2_and_one_line_that_says_why) {
  std::vector<std::string> arguments = GetParam().arguments;
  for (std::string& argument : arguments) {
    if (argument == "MISSING") argument = home_.Path("no such file");
  }
  const Outcome refused = Run(arguments, " \n\n");
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.output, "");
  EXPECT_TRUE(refused.error.starts_with("vorlix-find: " + GetParam().message)) << refused.error;
  EXPECT_EQ(refused.error.find('\n'), refused.error.size() - 1) << refused.error;
}

INSTANTIATE_TEST_SUITE_P(
    BadCalls, VorlixFindRefuses,
    ::testing::Values(BadCall{{}, "--names FILE is missing"}, BadCall{{"--fuzzy", "/"}, "--names FILE is missing"},
                      BadCall{{"--names"}, "--names needs a FILE"}, BadCall{{"--names="}, "--names needs a FILE"},
                      BadCall{{"--names", "a", "--names", "b"}, "--names is given more than once"},
                      BadCall{{"--exact", "--names", "a"}, "unknown option --exact"},
                      BadCall{{"--names", "a", ""}, "an empty ROOT names no folder"},
                      BadCall{{"--names", "MISSING"}, "cannot read the names file"},
                      BadCall{{"--names", "-", "/"}, "the names file - holds no name"},
                      BadCall{{"--counts", "--not-found", "--names", "-"},
                              "--not-found and --counts exclude each other"},
                      BadCall{{"--suggest", "--counts", "--names", "-"}, "--suggest and --counts exclude each other"},
                      BadCall{{"--suggest", "--folders", "--names", "-"},
                              "--suggest looks at file names, not with --folders"}));

TEST_F(VorlixFind, help_prints_the_usage_the_exit_statuses_where_the_index_lives_and_an_example) {
  index_file_ = "/cache/vorlix/vorlix-find-index";
  const Outcome help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.output.starts_with(std::string(kFindUsage) + "\n")) << help.output;
  for (const char* part : {"Exit status: 0 the search ran; 1 ", "; 2 wrong arguments",
                           "The folder index lives in /cache/vorlix/vorlix-find-index;", "\nExample:",
                           "vorlix-find -0 --names"}) {
    EXPECT_NE(help.output.find(part), std::string::npos) << part << "\n" << help.output;
  }
}

TEST_F(VorlixFind, version_prints_the_project_version_and_needs_no_names) {
  const Outcome version = Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output, "vorlix-find " + std::string(kVersion) + "\n");
  EXPECT_EQ(version.error, "");
}

TEST_F(VorlixFind, a_root_after_the_end_of_options_may_start_with_a_dash) {
  lister_.AddFolder("-r/", {File("notes.txt")});
  EXPECT_EQ(Run({"--names", "-", "--", "-r"}).output, "-r/notes.txt\tnotes.txt\n");
}

TEST_F(VorlixFind, output_that_cannot_be_written_ends_with_status_1) {
  const FindStreams streams{[](std::string_view) { return false; }, [](std::string_view) {},
                            [] { return std::optional<std::string>("report\n"); }, [] { return std::string(); }};
  EXPECT_EQ(RunVorlixFind(std::vector<std::string>{"--names", "-", root_}, lister_, streams), 1);
}

// A root that cannot be listed (here one the fake tree lacks, and one that
// is no folder at all) is named on the error stream, one line each, in
// the order met; the other roots still give their rows, and the status
// says that not everything was searched.
TEST_F(VorlixFind, a_root_that_cannot_be_listed_is_named_and_the_others_are_searched) {
  const std::string typo = home_.Path("hoem");
  const std::string unlisted = home_.Path("locked");
  std::filesystem::create_directories(unlisted);
  std::filesystem::create_directories(root_ + "/old");
  for (const char* mode : {"--fuzzy", "--folders"}) {
    const Outcome found = Run({mode, "--names", "-", typo, root_ + "/old", unlisted}, "myreport\nold\n");
    EXPECT_EQ(found.status, 1) << mode;
    EXPECT_EQ(found.error, "vorlix-find: " + typo + ": no such folder\nvorlix-find: " + unlisted +
                               ": cannot be listed\n") << mode;
    EXPECT_NE(found.output.find(root_ + "/old"), std::string::npos) << mode << found.output;
  }
  const Outcome not_found = Run({"--not-found", "--names", "-", typo}, "report\n");
  EXPECT_EQ(not_found.status, 1);
  EXPECT_EQ(not_found.output, "report\n");
  EXPECT_EQ(not_found.error, "vorlix-find: " + typo + ": no such folder\n");
}

TEST_F(VorlixFind, a_names_file_that_is_a_folder_is_refused) {
  const Outcome refused = Run({"--names", home_.Path(""), root_});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.output, "");
  EXPECT_EQ(refused.error, "vorlix-find: the names file " + home_.Path("") + " is a folder\n");
}

// The rows' paths are the files' own: each names a file that exists.
TEST(VorlixFindOnDisk, finds_chinese_and_mixed_case_names_and_prints_paths_that_exist) {
  testing::TemporaryFolder tree;
  tree.Write("\xE6\x8A\xA5\xE5\x91\x8A.TXT", "x");
  tree.Write("bad\xFF.Txt", "x");
  std::string root = tree.Path("");
  root.pop_back();
  std::string output;
  const FindStreams streams{[&](std::string_view text) {
                              output += text;
                              return true;
                            },
                            [](std::string_view) {},
                            [] { return std::optional<std::string>("\xE6\x8A\xA5\xE5\x91\x8A\nBAD\n"); },
                            [] { return std::string(); }};
  EXPECT_EQ(RunVorlixFind(std::vector<std::string>{"--fuzzy", "--names", "-", root}, SystemFolderLister(), streams),
            0);
  const std::string chinese = root + "/\xE6\x8A\xA5\xE5\x91\x8A.TXT\t\xE6\x8A\xA5\xE5\x91\x8A.txt\n";
  const std::string bad = root + "/bad\xFF.Txt\tbad\xFF.txt\n";
  EXPECT_TRUE(output == chinese + bad || output == bad + chinese) << output;
}

// Names come from any file a shell hands over: a file, a named pipe, a
// pipe's /dev/fd path (as <(...) gives), a character device.
enum class NamesSource { kFile, kNamedPipe, kPipePath, kEmptyDevice };

class VorlixFindNamesFrom : public VorlixFind, public ::testing::WithParamInterface<NamesSource> {
 protected:
  // The names file's path, with its writer started when it is a pipe.
  std::string Give(NamesSource source, const std::string& names) {
    switch (source) {
      case NamesSource::kFile:
        home_.Write("names.txt", names);
        return home_.Path("names.txt");
      case NamesSource::kNamedPipe: {
        const std::string fifo = home_.Path("names.fifo");
        EXPECT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        writer_ = std::thread([fifo, names] {
          const int end = open(fifo.c_str(), O_WRONLY);
          EXPECT_EQ(write(end, names.data(), names.size()), static_cast<ssize_t>(names.size()));
          close(end);
        });
        return fifo;
      }
      case NamesSource::kPipePath: {
        int ends[2];
        EXPECT_EQ(pipe(ends), 0);
        EXPECT_EQ(write(ends[1], names.data(), names.size()), static_cast<ssize_t>(names.size()));
        close(ends[1]);
        pipe_read_end_ = ends[0];
        return "/dev/fd/" + std::to_string(ends[0]);
      }
      case NamesSource::kEmptyDevice: return "/dev/null";
    }
    return {};
  }

  void TearDown() override {
    if (writer_.joinable()) writer_.join();
    if (pipe_read_end_ >= 0) close(pipe_read_end_);
  }

  std::thread writer_;
  int pipe_read_end_ = -1;
};

TEST_P(VorlixFindNamesFrom, any_readable_file_read_as_a_stream) {
  const std::string names_file = Give(GetParam(), "notes\n");
  const Outcome found = Run({"--names", names_file, root_});
  if (GetParam() == NamesSource::kEmptyDevice) {
    EXPECT_EQ(found.status, 2);
    EXPECT_EQ(found.error, "vorlix-find: the names file /dev/null holds no name\n");
    return;
  }
  EXPECT_EQ(found.error, "");
  EXPECT_EQ(found.status, 0);
  EXPECT_EQ(found.output, root_ + "/Docs/notes.txt\tnotes.txt\n");
}

INSTANTIATE_TEST_SUITE_P(Sources, VorlixFindNamesFrom,
                         ::testing::Values(NamesSource::kFile, NamesSource::kNamedPipe, NamesSource::kPipePath,
                                           NamesSource::kEmptyDevice));

struct UnreadableNames {
  std::string names_file;  // below the test's folder; "notes.txt" exists there
  std::string reason;
};

class VorlixFindCannotRead : public VorlixFind, public ::testing::WithParamInterface<UnreadableNames> {};

TEST_P(VorlixFindCannotRead, says_the_system_reason_with_status_2) {
  home_.Write("notes.txt", "notes\n");
  const std::string path = home_.Path(GetParam().names_file);
  const Outcome refused = Run({"--names", path, root_});
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.output, "");
  EXPECT_EQ(refused.error, "vorlix-find: cannot read the names file " + path + ": " + GetParam().reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(Reasons, VorlixFindCannotRead,
                         ::testing::Values(UnreadableNames{"no such file", "No such file or directory"},
                                           UnreadableNames{"notes.txt/inner", "Not a directory"}));

struct NotUtf8 {
  std::string names;
  std::size_t bad_line;
};

class VorlixFindNotUtf8 : public VorlixFind, public ::testing::WithParamInterface<NotUtf8> {};

TEST_P(VorlixFindNotUtf8, refuses_the_names_file_naming_its_first_bad_line) {
  for (const char* mode : {"--names", "--not-found"}) {
    std::vector<std::string> arguments{"--names", "-", root_};
    if (std::string_view(mode) == "--not-found") arguments.insert(arguments.begin(), mode);
    const Outcome refused = Run(arguments, GetParam().names);
    EXPECT_EQ(refused.status, 2) << mode;
    EXPECT_EQ(refused.output, "") << mode;
    EXPECT_EQ(refused.error, "vorlix-find: the names file - is not UTF-8 text (line " +
                                 std::to_string(GetParam().bad_line) + ")\n")
        << mode;
  }
}

INSTANTIATE_TEST_SUITE_P(
    BadBytes, VorlixFindNotUtf8,
    ::testing::Values(NotUtf8{"r\xE9sum\xE9\n", 1},                      // Latin-1
                      NotUtf8{"\xEF\xBB\xBFok\r\n\r\n\xFF\xFEn\x00", 3},  // UTF-16 after good lines
                      NotUtf8{std::string("a\nb\nELF\x00\x01\n", 10), 3},  // a NUL
                      NotUtf8{"ok\n\xC0\xAF\n", 2},                       // an overlong '/'
                      NotUtf8{"\xED\xA0\x80\n", 1},                       // an encoded surrogate
                      NotUtf8{"notes\n\xE6\x8A", 2}));                    // cut off at the end

// Paths end with a NUL, for xargs -0; what --not-found and --counts print
// ends with one too.
TEST_F(VorlixFind, print0_ends_each_path_with_a_nul_and_prints_no_name) {
  using namespace std::string_literals;
  EXPECT_EQ(Run({"-0", "--names", "-", root_}).output,
            root_ + "/Report.DOC\0"s + root_ + "/Docs/report\0"s + root_ + "/Docs/notes.txt\0"s);
  EXPECT_EQ(Run({"--print0", "--folders", "--names", "-", root_}).output, root_ + "/Docs/Report\0"s);
  EXPECT_EQ(Run({"-0", "--not-found", "--names", "-", root_}).output, "missing\0"s);
  EXPECT_EQ(Run({"-0", "--counts", "--names", "-", root_}, "notes\nnone\n").output, "1\tnotes\0" "0\tnone\0"s);
}

// Below a root, a folder that cannot be listed is named, as find names it;
// the rows of the rest are printed, and the status says not all was seen.
TEST_F(VorlixFind, a_folder_below_a_root_that_cannot_be_listed_is_named_and_the_rest_searched) {
  lister_.AddFolder(root_ + "/", {File("Report.DOC"), Folder("Docs"), Folder("locked"), Folder("old")});
  lister_.AddFolder(root_ + "/Docs/", {File("report"), Folder("Report"), Folder("private")});
  for (const char* mode : {"--names", "--folders", "--not-found", "--counts"}) {
    std::vector<std::string> arguments{"--names", "-", root_};
    if (std::string_view(mode) != "--names") arguments.insert(arguments.begin(), mode);
    const Outcome found = Run(arguments, "report\nold\n");
    EXPECT_EQ(found.status, 1) << mode;
    // The file walk meets them level by level, the folder search depth first.
    const std::string locked = "vorlix-find: " + root_ + "/locked: cannot be listed\n";
    const std::string private_folder = "vorlix-find: " + root_ + "/Docs/private: cannot be listed\n";
    EXPECT_TRUE(found.error == locked + private_folder || found.error == private_folder + locked)
        << mode << ": " << found.error;
    EXPECT_NE(found.output, "") << mode;
  }
  EXPECT_EQ(Run({"--names", "-", root_}, "report\n").output,
            root_ + "/Report.DOC\treport.doc\n" + root_ + "/Docs/report\treport\n");
}

// --help lists every option the parser takes, each on a line of its own,
// and each option it lists is taken.
TEST_F(VorlixFind, help_has_a_line_for_every_option_and_each_is_taken) {
  const std::string help = Run({"--help"}).output;
  for (const FindOption& option : FindOptions()) {
    const std::string named = option.short_name.empty()
                                  ? "\n  " + std::string(option.long_name)
                                  : "\n  " + std::string(option.short_name) + ", " + std::string(option.long_name);
    EXPECT_NE(help.find(named), std::string::npos) << named << "\n" << help;
    if (option.flag == nullptr) continue;
    for (std::string_view spelling : {option.long_name, option.short_name}) {
      if (spelling.empty()) continue;
      std::string error;
      const auto parsed = ParseFindArguments(std::vector<std::string>{std::string(spelling), "--names", "x"}, error);
      ASSERT_TRUE(parsed) << spelling << ": " << error;
      EXPECT_TRUE((*parsed).*(option.flag)) << spelling;
    }
  }
}

}  // namespace
}  // namespace vorlix::app
