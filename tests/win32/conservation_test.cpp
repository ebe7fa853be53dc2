// One test guards every file action: on the real window, over trees that
// hold what has lost files before (links out of the tree and back to its
// root, one name in several folders, names that differ only in case,
// names outside GBK, a file already in the target), with random checked
// rows, each of copy, move, delete and the two folder-keeping entries,
// the rename option on and off. Every file that was there before the run
// is still there, whole and where it was, unless the run was asked to
// delete it (then it is in the recycle bin), to move it (then it is whole
// at its new place), or, with the rename option off, it was in the target
// under a found file's name (replaced). The record says 成功 exactly for
// the rows whose files arrived or went, naming them as on disk.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>

#include "app/results/copy_check_option.h"
#include "app/results/result_units.h"
#include "platform/wide_text.h"
#include "tests/win32/delivery_room.h"
#include "tests/win32/unix_links.h"
#include "tests/win32/window_test_support.h"

namespace vorlix::test {
namespace {

namespace menu = app::main_window::menu;

enum class Action { kCopy, kMove, kDelete, kCopyKeepingFolders, kMoveKeepingFolders };

const char* NameOf(Action action) {
  constexpr const char* kNames[] = {"copy", "move", "delete", "copy keeping folders", "move keeping folders"};
  return kNames[static_cast<int>(action)];
}

std::string Lower(std::string text) {
  for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  return text;
}

bool IsBelow(const std::string& path, const std::string& folder) {
  return path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '\\';
}

std::string LastName(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

// A placed name as on disk: the source's own, or with " (n)" before its
// extension when a free name had to be taken.
bool IsNameOrNumbered(const std::string& placed, const std::string& source) {
  if (placed == source) return true;
  const std::size_t dot = source.rfind('.');
  const std::string stem = dot == std::string::npos || dot == 0 ? source : source.substr(0, dot);
  const std::string extension = source.substr(stem.size());
  if (!placed.starts_with(stem + " (") || !placed.ends_with(")" + extension)) return false;
  const std::string number = placed.substr(stem.size() + 2, placed.size() - stem.size() - 3 - extension.size());
  return !number.empty() && std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Every file below a folder (GBK paths, found by listing; the target holds
// no links), with its bytes.
void ListFiles(const std::string& folder, std::map<std::string, std::string>& files,
               const testing::TemporaryFolder& room) {
  WIN32_FIND_DATAW entry;
  HANDLE listing = FindFirstFileW(platform::Wide(folder + "\\*").c_str(), &entry);
  if (listing == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = platform::Narrow(entry.cFileName);
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ListFiles(path, files, room);
    } else {
      files[path] = room.Read(path.substr(room.Path().size() + 1));
    }
  } while (FindNextFileW(listing, &entry));
  FindClose(listing);
}

class Conservation : public DeliveryRoom {
 protected:
  // One run's tree, below its own folder: every file by its path as on
  // disk, and every path the search can show, through links too.
  struct Tree {
    std::string root;                              // the run's folder
    std::map<std::string, std::string> files;      // real files: path, bytes
    std::map<std::string, std::string> reachable;  // path as shown (through links too): the real path; "" for a
                                                   // link
    std::set<std::string> links;
    std::map<std::string, std::string> link_targets;  // a link to a file: the file
  };

  std::string At(const Tree& tree, const std::string& name) const { return tree.root + "\\" + name; }

  void AddFile(Tree& tree, const std::string& name) {
    const std::string bytes = "run " + tree.root + " file " + name;
    folder_.Write(tree.root.substr(folder_.Path().size() + 1) + "\\" + name, bytes);
    tree.files[At(tree, name)] = bytes;
  }

  void AddLink(Tree& tree, const std::string& target, const std::string& name) {
    ASSERT_TRUE(testing::MakeUnixLink(target, At(tree, name))) << name;
    tree.links.insert(At(tree, name));
  }

  Tree MakeTree(int run) {
    Tree tree{In("run" + std::to_string(run))};
    // The room's own clean-up would follow the links, and one leads back up.
    removals_.push_back(tree.root);
    const std::string strange = Gbk(L"\U0001F600photo \u0E44\u0E17\u0E22.jpg");  // outside GBK
    for (const char* folder :
         {"", "\\src", "\\src\\a", "\\src\\b", "\\src\\c", "\\src\\c\\sub", "\\outside", "\\outside\\dir", "\\t"}) {
      CreateDirectoryW(platform::Wide(tree.root + folder).c_str(), nullptr);
    }
    for (const std::string& name :
         {std::string("src\\a\\IMG_0001.JPG"), std::string("src\\b\\IMG_0001.JPG"),
          std::string("src\\b\\Mix_photo.jpg"), std::string("src\\c\\Photo.jpg"), std::string("src\\c\\sub\\photo.jpg"),
          "src\\c\\" + strange,
          std::string("src\\c\\IMG_photo.jpg"),  // two keywords, two rows
          std::string("outside\\victim_photo.jpg"), std::string("outside\\dir\\IMG_0009.jpg"),
          std::string("outside\\dir\\keep.txt"), std::string("t\\IMG_0001.JPG"), std::string("t\\other.txt")}) {
      AddFile(tree, name);
    }
    // A second name differing only in case: Win32 would open the first.
    AddFile(tree, "src\\b\\mix-second");
    const std::string second = At(tree, "src\\b\\mix-second");
    EXPECT_TRUE(testing::RenameUnix(second, At(tree, "src\\b\\mix_PHOTO.jpg")));
    tree.files[At(tree, "src\\b\\mix_PHOTO.jpg")] = tree.files[second];
    tree.files.erase(second);

    AddLink(tree, testing::UnixPath(At(tree, "outside\\victim_photo.jpg")), "src\\c\\flink_photo.jpg");
    tree.link_targets[At(tree, "src\\c\\flink_photo.jpg")] = At(tree, "outside\\victim_photo.jpg");
    AddLink(tree, testing::UnixPath(At(tree, "outside\\dir")), "src\\a\\out");
    AddLink(tree, "..", "src\\b\\up");

    for (const auto& [path, bytes] : tree.files) {
      if (IsBelow(path, At(tree, "src"))) tree.reachable[path] = path;
    }
    for (const char* folder : {"src\\a", "src\\b", "src\\c", "src\\c\\sub"}) {
      tree.reachable[At(tree, folder)] = At(tree, folder);
    }
    for (const char* name : {"IMG_0009.jpg", "keep.txt"}) {
      tree.reachable[At(tree, "src\\a\\out\\") + name] = At(tree, "outside\\dir\\") + name;
    }
    for (const std::string& link : tree.links) tree.reachable[link] = "";
    return tree;
  }

  // The real files below a path as the search shows it (the path itself
  // for a file), each by the path it has there. A copy reads through a
  // link to a file; a delete or a move never goes through a link inside
  // the row's own tree, nor acts on what a row that is a link leads to.
  static std::map<std::string, std::string> ShownTreeOf(const Tree& tree, const std::string& shown, bool copy) {
    std::map<std::string, std::string> below;  // shown path: real path
    for (const auto& [path, real] : tree.reachable) {
      if (path != shown && !IsBelow(path, shown)) continue;
      const bool through_link = std::any_of(tree.links.begin(), tree.links.end(), [&](const std::string& link) {
        return (link == shown || IsBelow(link, shown)) && (path == link || IsBelow(path, link));
      });
      if (!through_link) {
        if (tree.files.contains(real)) below[path] = real;
      } else if (copy && tree.link_targets.contains(path)) {
        below[path] = tree.link_targets.at(path);
      } else if (copy && tree.files.contains(real)) {
        below[path] = real;
      }
    }
    return below;
  }

  // Checks the rows that broke things before (links, folders holding one,
  // the two files of one name) and, of the others, those the seed picks.
  std::vector<std::string> CheckRows(const Tree& tree, std::mt19937& random) {
    const auto always = [&tree](const std::string& row) {
      return std::any_of(tree.links.begin(), tree.links.end(),
                         [&](const std::string& link) { return Lower(link) == row || IsBelow(Lower(link), row); }) ||
             row.ends_with("\\img_0001.jpg");
    };
    std::vector<std::string> checked;
    const std::vector<std::string> paths = Paths();
    for (std::size_t row = 0; row < paths.size(); ++row) {
      if (!always(Lower(paths[row])) && random() % 2 == 0) continue;
      commands::ListViewSetCheck(app::ResultList(), static_cast<std::int32_t>(row), 1);
      checked.push_back(paths[row]);
    }
    return checked;
  }

  void Run(Action action, const std::string& target) {
    std::string message;
    if (action == Action::kDelete) {
      DialogAnswers answers({DialogAnswers::Step{IDOK, {}}, ReadMessage(message)});
      Click(u"按钮4");
      return;
    }
    if (action == Action::kCopy || action == Action::kMove) {
      DialogAnswers answers({ChooseFolder(target), ReadMessage(message)});
      Click(action == Action::kCopy ? u"按钮3" : u"按钮5");
      return;
    }
    Deliver(action == Action::kCopyKeepingFolders ? menu::复制勾选文件_保留目录结构 : menu::移动勾选文件_保留目录结构,
            target);
  }

  static std::set<std::string> TrashContents() {
    char data_home[1024];
    if (GetEnvironmentVariableA("XDG_DATA_HOME", data_home, sizeof data_home) == 0) return {};
    std::string trash = "Z:" + std::string(data_home) + "/Trash/files";
    std::replace(trash.begin(), trash.end(), '/', '\\');
    std::set<std::string> contents;
    WIN32_FIND_DATAW entry;
    std::function<void(const std::string&)> walk = [&](const std::string& folder) {
      HANDLE listing = FindFirstFileW(platform::Wide(folder + "\\*").c_str(), &entry);
      if (listing == INVALID_HANDLE_VALUE) return;
      std::vector<std::string> subfolders;
      do {
        const std::string name = platform::Narrow(entry.cFileName);
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          subfolders.push_back(folder + "\\" + name);
        } else {
          const core::ByteSet bytes = commands::ReadFile(folder + "\\" + name);
          contents.emplace(bytes.begin(), bytes.end());
        }
      } while (FindNextFileW(listing, &entry));
      FindClose(listing);
      for (const std::string& subfolder : subfolders) walk(subfolder);
    };
    walk(trash);
    return contents;
  }

  // Everything the run may have done, held against the tree as it was.
  void ExpectConserved(const Tree& tree, Action action, bool rename, const std::vector<std::string>& checked) {
    const std::string target = At(tree, "t");
    const bool copy = action == Action::kCopy || action == Action::kCopyKeepingFolders;
    std::multiset<std::string> handled;
    std::set<std::string> gone;                  // real paths the run took away
    std::map<std::string, std::string> arrived;  // placed path: the bytes it must hold
    const std::vector<Record> lines = RecordLines();
    for (std::size_t at = 0; at < lines.size(); ++at) {
      const Record& line = lines[at];
      const std::string& source = line[1];
      handled.insert(Lower(source));
      const auto reachable = std::find_if(tree.reachable.begin(), tree.reachable.end(),
                                          [&](const auto& item) { return Utf8(item.first) == source; });
      ASSERT_NE(reachable, tree.reachable.end()) << "the record names the source as on disk: " << source;
      if (line[4] != "成功") continue;
      const std::string shown = reachable->first;
      const std::string placed = Utf8ToGbk(line[2]);
      if (action != Action::kDelete) {
        ASSERT_TRUE(IsBelow(placed, target)) << placed;
        EXPECT_TRUE(IsNameOrNumbered(LastName(placed), LastName(shown))) << placed << " for " << shown;
      }
      const std::map<std::string, std::string> files = ShownTreeOf(tree, shown, copy);
      // A copied folder's line is followed by a line for each file inside it, read back.
      if (copy && app::CopyCheckOn() && !files.contains(shown)) at += files.size();
      for (const auto& [below, real] : files) {
        if (!copy) gone.insert(real);
        if (action == Action::kDelete) continue;
        const std::string at = placed + below.substr(shown.size());
        const auto [earlier, first] = arrived.emplace(at, tree.files.at(real));
        EXPECT_TRUE(first || earlier->second == tree.files.at(real)) << "two items placed at " << at;
      }
    }
    std::multiset<std::string> asked;
    for (const std::string& row : checked) asked.insert(Lower(Utf8(row)));
    EXPECT_EQ(handled, asked) << "each checked row handled once";

    const std::set<std::string> bin = action == Action::kDelete ? TrashContents() : std::set<std::string>{};
    for (const auto& [path, bytes] : tree.files) {
      const std::string now = Read(path);
      if (gone.contains(path)) {
        EXPECT_EQ(now, kMissing) << "recorded as gone, yet still there: " << path;
        if (action == Action::kDelete) EXPECT_TRUE(bin.contains(bytes)) << "in the recycle bin: " << path;
      } else if (arrived.contains(path)) {
        EXPECT_FALSE(rename) << "with renaming on nothing that was there is replaced: " << path;
      } else {
        EXPECT_EQ(now, bytes) << "untouched: " << path;
      }
    }
    for (const auto& [path, bytes] : arrived) EXPECT_EQ(Read(path), bytes) << "arrived whole: " << path;
    std::map<std::string, std::string> in_target;
    ListFiles(target, in_target, folder_);
    for (const auto& [path, bytes] : in_target) {
      EXPECT_TRUE(arrived.contains(path) || tree.files.contains(path)) << "nothing else in the target: " << path;
    }
  }

  void TearDown() override {
    for (const std::string& root : removals_) EXPECT_TRUE(testing::RemoveUnixTree(root)) << root;
    DeliveryRoom::TearDown();
  }

  std::vector<std::string> removals_;

  // The bytes of the file of exactly this name: under Wine a name finds
  // another of another case when its own has gone.
  std::string Read(const std::string& path) const {
    WIN32_FIND_DATAW entry;
    HANDLE found = FindFirstFileW(platform::Wide(path).c_str(), &entry);
    if (found == INVALID_HANDLE_VALUE) return kMissing;
    FindClose(found);
    if (platform::Narrow(entry.cFileName) != LastName(path)) return kMissing;
    return folder_.Read(path.substr(folder_.Path().size() + 1));
  }

  static std::string Utf8ToGbk(const std::string& utf8) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return platform::Narrow(wide);
  }
};

TEST_F(Conservation, every_file_action_keeps_every_file_it_was_not_asked_to_change) {
  const Action actions[] = {Action::kCopy, Action::kMove, Action::kDelete, Action::kCopyKeepingFolders,
                            Action::kMoveKeepingFolders};
  int run = 0;
  for (const bool folders : {false, true}) {
    for (const Action action : actions) {
      for (const bool rename : {false, true}) {
        const unsigned seed = 7919u * static_cast<unsigned>(++run);
        const bool check = rename != folders;  // each action both ways, in each kind of row
        const std::string context = std::string(NameOf(action)) + (rename ? ", renaming" : ", replacing") +
                                    (folders ? ", folder rows" : ", file rows") +
                                    (check ? ", copies read back" : ", copies unchecked") + ", seed " +
                                    std::to_string(seed);
        const Tree tree = MakeTree(run);
        if (HasFatalFailure()) return;
        DeleteFileW(platform::Wide(RecordPath()).c_str());
        SetAutoRename(rename);
        app::ShowCopyCheck(check);
        if (folders) {
          Search("a\r\nb\r\nc\r\nsub\r\nout\r\nup\r\n", {At(tree, "src")}, {.folders = true});
        } else {
          Search("img\r\nmix\r\nphoto\r\n", {At(tree, "src")}, {.fuzzy = true});
        }
        // Every kind of row that has lost files before is there: the links
        // and folders holding them, one name twice, two of one name but case
        // (each named by two keywords, so that one row comes after its file
        // has gone, beside the other).
        ASSERT_EQ(Paths().size(), folders ? 6u : 13u) << context;
        std::mt19937 random(seed);
        const std::vector<std::string> checked = CheckRows(tree, random);
        Run(action, At(tree, "t"));
        {
          SCOPED_TRACE(context);
          ExpectConserved(tree, action, rename, checked);
        }
        if (HasFailure()) {
          std::string lines;
          for (const Record& line : RecordLines())
            lines += "\n  " + line[1] + " -> " + line[2] + ": " + line[4] + " " + line[5];
          std::string rows;
          for (const std::string& row : checked) rows += "\n  " + Utf8(row);
          std::string shown;
          for (const std::string& row : Paths()) shown += "\n  " + Utf8(row);
          ADD_FAILURE() << context << "\nrows:" << shown << "\nchecked rows:" << rows << "\nrecord:" << lines;
          return;
        }
      }
    }
  }
}

// Under Wine a name finds a file of another case when its own has gone;
// the shell would then act on that one.
TEST_F(Conservation, a_row_whose_file_has_gone_never_acts_on_a_name_of_another_case) {
  folder_.MakeFolder("case");
  folder_.MakeFolder("t");
  folder_.Write("case\\twin", "the other file");
  ASSERT_TRUE(testing::RenameUnix(In("case\\twin"), In("case\\mix.JPG")));
  for (const Action action : {Action::kDelete, Action::kCopy, Action::kMove}) {
    ClearRows();
    AddRows({{In("case\\Mix.jpg"), true}});
    Run(action, In("t"));
    EXPECT_EQ(Read(In("case\\mix.JPG")), "the other file") << NameOf(action);
    std::map<std::string, std::string> in_target;
    ListFiles(In("t"), in_target, folder_);
    EXPECT_TRUE(in_target.empty()) << NameOf(action);
  }
}

}  // namespace
}  // namespace vorlix::test
