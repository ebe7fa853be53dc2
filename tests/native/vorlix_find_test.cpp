#include "app/vorlix_find/vorlix_find.h"

#include <gtest/gtest.h>

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

TEST_F(VorlixFind, exact_file_search_gives_folder_and_lowered_name_in_walk_order) {
  const Outcome found = Run({"--names", "-", root_});
  EXPECT_EQ(found.status, 0);
  EXPECT_EQ(found.error, "");
  EXPECT_EQ(found.output, root_ + "/report.doc\treport.doc\n" +   //
                              root_ + "/Docs/report\treport\n" +  //
                              root_ + "/Docs/notes.txt\tnotes.txt\n");
}

TEST_F(VorlixFind, fuzzy_file_search_gives_a_row_per_matching_keyword) {
  EXPECT_EQ(Run({"--fuzzy", "--names", "-", root_}).output,
            root_ + "/report.doc\treport.doc\n" + root_ + "/report.doc.bak\treport.doc.bak\n" +  //
                root_ + "/Docs/report\treport\n" + root_ + "/Docs/notes.txt\tnotes.txt\n" +     //
                root_ + "/old/myreport.doc\tmyreport.doc\n" + root_ + "/Docs/Report/a.report\ta.report\n");
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
            root_ + "/old/myreport.doc\tmyreport.doc\n" + root_ + "/Docs/Report/a.report\ta.report\n" +
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
                              "--not-found and --counts exclude each other"}));

TEST_F(VorlixFind, help_prints_the_usage_and_where_the_index_lives) {
  index_file_ = "/cache/vorlix/vorlix-find-index";
  const Outcome help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.output.starts_with("usage: vorlix-find")) << help.output;
  EXPECT_NE(help.output.find("[--no-index]"), std::string::npos) << help.output;
  EXPECT_NE(help.output.find("The index lives in /cache/vorlix/vorlix-find-index;"), std::string::npos)
      << help.output;
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

TEST(VorlixFindOnDisk, finds_chinese_names_with_chinese_keywords_and_lists_names_that_are_not_utf8) {
  testing::TemporaryFolder tree;
  tree.Write("\xE6\x8A\xA5\xE5\x91\x8A.TXT", "x");
  tree.Write("bad\xFF.txt", "x");
  std::string root = tree.Path("");
  root.pop_back();
  std::string output;
  const FindStreams streams{[&](std::string_view text) {
                              output += text;
                              return true;
                            },
                            [](std::string_view) {},
                            [] { return std::optional<std::string>("\xE6\x8A\xA5\xE5\x91\x8A\nBAD\xFF\n"); },
                            [] { return std::string(); }};
  EXPECT_EQ(RunVorlixFind(std::vector<std::string>{"--names", "-", root}, SystemFolderLister(), streams), 0);
  const std::string chinese = root + "/\xE6\x8A\xA5\xE5\x91\x8A.txt\t\xE6\x8A\xA5\xE5\x91\x8A.txt\n";
  const std::string bad = root + "/bad\xFF.txt\tbad\xFF.txt\n";
  EXPECT_TRUE(output == chinese + bad || output == bad + chinese) << output;
}

}  // namespace
}  // namespace vorlix::app
