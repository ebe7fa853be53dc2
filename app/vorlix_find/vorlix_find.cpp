#include "app/vorlix_find/vorlix_find.h"

#include <cstdint>
#include <future>
#include <memory>
#include <vector>

#include "app/search/file_walk.h"
#include "app/search/folder_collection.h"
#include "app/search/folder_index_file.h"
#include "app/search/folder_name_matches.h"
#include "app/search/indexed_listing.h"
#include "app/search/name_counts.h"
#include "app/vorlix_find/find_arguments.h"
#include "app/vorlix_find/find_platform_rules.h"
#include "app/vorlix_find/names_list.h"
#include "app/vorlix_find/output_buffer.h"
#include "platform/folder_listing.h"
#include "platform/standard_streams.h"
#include "platform/user_cache.h"
#include "platform/whole_file.h"
#include "version.h"

namespace vorlix::app {
namespace {

constexpr int kRan = 0;
constexpr int kIncomplete = 1;
constexpr int kBadRequest = 2;
constexpr const char* kFindIndexFileName = "vorlix-find-index";

// Rows go out, or, for --not-found, only mark their keyword as found: a
// row exists exactly when its own name matched its keyword under the
// search's rule, which is what counts a name as found. For --counts they
// are counted as the window counts its rows, a path once per name.
class RowOutput {
 public:
  RowOutput(OutputBuffer& output, std::size_t keyword_count, bool only_found, NameCounts* counts, char separator,
            const FindStreams& streams)
      : output_(output),
        found_(only_found ? keyword_count : 0, false),
        only_found_(only_found),
        counts_(counts),
        separator_(separator),
        streams_(streams) {}

  void Row(std::string_view column_0_folder, std::string_view column_0_name, std::string_view column_1,
           std::uint32_t keyword) {
    if (counts_ != nullptr) {
      path_.assign(column_0_folder).append(column_0_name);
      counts_->AddRow(path_, separator_);
      return;
    }
    if (only_found_) {
      found_[keyword] = true;
      return;
    }
    std::string& line = output_.line();
    line += column_0_folder;
    line += column_0_name;
    line += '\t';
    line += column_1;
    line += '\n';
    output_.LineDone();
  }

  bool ShouldStop() {
    output_.FlushIfOld();
    return output_.failed();
  }

  void RootNotListed(std::string_view root) {
    const bool exists = platform::IsFolder(root);
    streams_.write_error("vorlix-find: " + std::string(root) + (exists ? ": cannot be listed\n" : ": no such folder\n"));
    roots_missed_ = true;
  }
  bool roots_missed() const { return roots_missed_; }

  void NotFound(const std::vector<std::string>& keywords) {
    for (std::size_t keyword = 0; keyword < keywords.size(); ++keyword) {
      if (found_[keyword]) continue;
      output_.line() += keywords[keyword];
      output_.line() += '\n';
      output_.LineDone();
    }
  }

  void Counts(const std::vector<std::string>& keywords) {
    for (std::size_t keyword = 0; keyword < keywords.size(); ++keyword) {
      output_.line() += std::to_string(counts_->counts()[keyword].files);
      output_.line() += '\t';
      output_.line() += keywords[keyword];
      output_.line() += '\n';
      output_.LineDone();
    }
  }

 private:
  OutputBuffer& output_;
  std::vector<bool> found_;
  bool only_found_;
  NameCounts* counts_;
  char separator_;
  std::string path_;
  const FindStreams& streams_;
  bool roots_missed_ = false;
};

class FileRows final : public FileWalkSink {
 public:
  explicit FileRows(RowOutput& rows) : rows_(rows) {}
  void OnRow(std::string_view folder, std::string_view name, std::string_view, std::uint32_t keyword) override {
    rows_.Row(folder, name, name, keyword);
  }
  bool ShouldStop() override { return rows_.ShouldStop(); }
  void OnRootNotListed(std::string_view root) override { rows_.RootNotListed(root); }

 private:
  RowOutput& rows_;
};

class FolderRows final : public FolderCollectionSink {
 public:
  FolderRows(RowOutput& rows, FolderNameMatches& matches) : rows_(rows), matches_(matches) {}
  void OnFolder(std::string_view path) override { matches_.Add(path); }
  bool ShouldStop() override { return rows_.ShouldStop(); }
  void OnRootNotListed(std::string_view root) override { rows_.RootNotListed(root); }

 private:
  RowOutput& rows_;
  FolderNameMatches& matches_;
};

// The folder index of one run: read before the search, on a thread of its
// own while the names are made ready, and written after it only when the
// search changed it, so that a repeat search over unchanged folders writes
// nothing. A file that cannot be read or written leaves the search as it
// would be without an index.
class RunIndex {
 public:
  RunIndex(const std::string& file, const FolderLister& lister)
      : file_(file), format_{lister.separator(), lister.encoding()}, lister_(lister) {
    if (!file_.empty()) loading_ = std::async(std::launch::async, LoadFolderIndex, std::string_view(file_), format_);
  }

  IndexedListing* listing() {
    if (loading_.valid()) listing_.emplace(loading_.get(), lister_);
    return listing_ ? &*listing_ : nullptr;
  }

  void Save() {
    const IndexedListing* used = listing();
    if (used && used->Changed()) SaveFolderIndex(file_, used->Result(), format_);
  }

 private:
  std::string file_;
  FolderIndexFormat format_;
  const FolderLister& lister_;
  std::future<std::shared_ptr<const FolderIndex>> loading_;
  std::optional<IndexedListing> listing_;
};

void SearchFiles(const std::vector<std::string>& roots, const NameMatcher& matcher, const FolderLister& lister,
                 IndexedListing* index, RowOutput& rows) {
  FileRows sink(rows);
  for (const std::string& root : roots) {
    if (!WalkFiles(root, matcher, lister, sink, {FindListingThreads(), index})) return;
  }
}

void SearchFolderNames(const std::vector<std::string>& roots, const NameMatcher& matcher, const FolderLister& lister,
                       IndexedListing* index, RowOutput& rows) {
  FolderNameMatches matches(matcher, lister.separator());
  FolderRows sink(rows, matches);
  for (const std::string& root : roots) {
    if (!CollectFindRootFolders(root, lister, sink, index)) return;
    matches.ForEachRow([&](std::uint32_t keyword, std::string_view folder) { rows.Row(folder, {}, {}, keyword); });
    matches.Clear();
  }
}

std::optional<std::string> ReadNames(const std::string& file, const FindStreams& streams) {
  if (file == "-") return streams.read_input();
  platform::FileContent content = platform::ReadWholeFile(file, platform::ReadSharing::kEveryone);
  if (content.status != platform::FileContent::Status::kRead) return std::nullopt;
  return std::string(content.bytes.begin(), content.bytes.end());
}

MatchRule RuleOf(const FindArguments& arguments) {
  if (arguments.fuzzy) return MatchRule::kContains;
  return arguments.folders ? MatchRule::kExactWhole : MatchRule::kExactFile;
}

int Refuse(const FindStreams& streams, const std::string& reason) {
  streams.write_error("vorlix-find: " + reason + "\n");
  return kBadRequest;
}

int Help(const FindStreams& streams) {
  const std::string index_file = streams.index_file();
  const std::string help = std::string(kFindUsage) +
                           "\nA repeat search over the same folders reads what did not change from the folder index, "
                           "\nchecked by each folder's own stamps, and gives the rows a walk gives.\n"
                           "The index lives in " + (index_file.empty() ? "(no cache folder)" : index_file) +
                           "; --no-index walks every folder and leaves the index alone.\n";
  return streams.write_output(help) ? kRan : kIncomplete;
}

}  // namespace

FindStreams StandardFindStreams() {
  return {platform::WriteStandardOutput, platform::WriteStandardError, platform::ReadStandardInput,
          [] { return platform::UserCacheFile(kFindIndexFileName); }};
}

int RunVorlixFind(std::span<const std::string> arguments, const FolderLister& lister, const FindStreams& streams) {
  std::string error;
  const std::optional<FindArguments> parsed = ParseFindArguments(arguments, error);
  if (!parsed) return Refuse(streams, error + " (" + kFindUsage + ")");
  if (parsed->help) return Help(streams);
  if (parsed->version) return streams.write_output("vorlix-find " + std::string(kVersion) + "\n") ? kRan : kIncomplete;
  const std::optional<std::string> names = ReadNames(parsed->names_file, streams);
  if (!names && platform::IsFolder(parsed->names_file)) {
    return Refuse(streams, "the names file " + parsed->names_file + " is a folder");
  }
  if (!names) return Refuse(streams, "cannot read the names file " + parsed->names_file);
  const std::vector<std::string> keywords = KeywordsOfNamesFile(*names, lister.encoding());
  if (keywords.empty()) return Refuse(streams, "the names file " + parsed->names_file + " holds no name");

  RunIndex index(parsed->no_index ? std::string() : streams.index_file(), lister);
  const NameMatcher matcher(keywords, RuleOf(*parsed), lister.encoding());
  const std::vector<std::string> roots = parsed->roots.empty() ? DefaultFindRoots() : parsed->roots;
  OutputBuffer output(streams.write_output);
  std::optional<NameCounts> counts;
  if (parsed->counts) counts.emplace(keywords, RuleOf(*parsed), lister.encoding(), 0);
  RowOutput rows(output, keywords.size(), parsed->not_found, counts ? &*counts : nullptr, lister.separator(),
                 streams);
  if (parsed->folders) {
    SearchFolderNames(roots, matcher, lister, index.listing(), rows);
  } else {
    SearchFiles(roots, matcher, lister, index.listing(), rows);
  }
  index.Save();
  if (parsed->not_found && !output.failed()) rows.NotFound(keywords);
  if (counts && !output.failed()) rows.Counts(keywords);
  if (!output.Finish()) {
    streams.write_error("vorlix-find: cannot write the output\n");
    return kIncomplete;
  }
  return rows.roots_missed() ? kIncomplete : kRan;
}

}  // namespace vorlix::app
