#include "app/vorlix_find/vorlix_find.h"

#include <cstdint>
#include <future>
#include <memory>
#include <vector>

#include "app/search/walk/file_walk.h"
#include "app/search/walk/folder_collection.h"
#include "app/search/index/folder_index_file.h"
#include "app/search/names/folder_name_matches.h"
#include "app/search/index/indexed_listing.h"
#include "app/search/names/name_counts.h"
#include "app/search/suggestions/name_suggestions.h"
#include "app/search/suggestions/walked_files.h"
#include "app/vorlix_find/find_arguments.h"
#include "app/vorlix_find/find_help.h"
#include "app/vorlix_find/find_platform_rules.h"
#include "app/vorlix_find/names_list.h"
#include "app/vorlix_find/output_buffer.h"
#include "platform/folder_listing.h"
#include "platform/listing_identity.h"
#include "platform/standard_streams.h"
#include "platform/stream_reading.h"
#include "platform/user_cache.h"
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
  struct Modes {
    bool only_found;
    NameCounts* counts;
    bool print0;
    char separator;
  };

  RowOutput(OutputBuffer& output, std::size_t keyword_count, const Modes& modes, const FindStreams& streams)
      : output_(output),
        found_(modes.only_found ? keyword_count : 0, false),
        unfound_(found_.size()),
        modes_(modes),
        streams_(streams) {}

  // A file row: its path as on disk, then the lowered name; a folder row
  // has no name.
  void Row(std::string_view folder, std::string_view name_on_disk, std::string_view lowered_name,
           std::uint32_t keyword) {
    if (modes_.counts != nullptr) {
      path_.assign(folder).append(name_on_disk);
      modes_.counts->AddRow(path_, modes_.separator);
      return;
    }
    if (modes_.only_found) {
      if (!found_[keyword]) --unfound_;
      found_[keyword] = true;
      return;
    }
    std::string& line = output_.line();
    line += folder;
    line += name_on_disk;
    if (!modes_.print0) {
      line += '\t';
      line += lowered_name;
    }
    EndLine();
  }

  bool ShouldStop() {
    output_.FlushIfOld();
    return output_.failed();
  }

  void RootNotListed(std::string_view root) {
    NotListed(root, platform::IsFolder(root) ? ": cannot be listed\n" : ": no such folder\n");
  }
  void FolderNotListed(std::string_view folder) { NotListed(folder, ": cannot be listed\n"); }
  bool folders_missed() const { return folders_missed_; }
  bool AllFound() const { return unfound_ == 0; }

  std::vector<std::string> NotFound(const std::vector<std::string>& keywords) const {
    std::vector<std::string> missing;
    for (std::size_t keyword = 0; keyword < keywords.size(); ++keyword) {
      if (!found_[keyword]) missing.push_back(keywords[keyword]);
    }
    return missing;
  }

  // Each keyword, and after it a tab and each of its suggestions.
  void Names(const std::vector<std::string>& keywords, const std::vector<std::vector<std::string>>& suggestions) {
    for (std::size_t keyword = 0; keyword < keywords.size(); ++keyword) {
      output_.line() += keywords[keyword];
      for (const std::string& path : suggestions[keyword]) output_.line().append("\t").append(path);
      EndLine();
    }
  }

  void Counts(const std::vector<std::string>& keywords) {
    for (std::size_t keyword = 0; keyword < keywords.size(); ++keyword) {
      output_.line() += std::to_string(modes_.counts->counts()[keyword].files);
      output_.line() += '\t';
      output_.line() += keywords[keyword];
      EndLine();
    }
  }

 private:
  void EndLine() {
    output_.line() += modes_.print0 ? '\0' : '\n';
    output_.LineDone();
  }

  void NotListed(std::string_view path, std::string_view why) {
    streams_.write_error("vorlix-find: " + std::string(path) + std::string(why));
    folders_missed_ = true;
  }

  OutputBuffer& output_;
  std::vector<bool> found_;
  std::size_t unfound_;
  Modes modes_;
  std::string path_;
  const FindStreams& streams_;
  bool folders_missed_ = false;
};

class FileRows final : public FileWalkSink {
 public:
  FileRows(RowOutput& rows, WalkedFiles* walked) : rows_(rows), walked_(walked) {}
  void OnRow(std::string_view folder, std::string_view name, std::string_view name_on_disk,
             std::uint32_t keyword) override {
    rows_.Row(folder, name_on_disk, name, keyword);
  }
  // The files are kept only while some keyword has found nothing.
  void OnFile(std::string_view folder, std::string_view name_on_disk) override {
    if (KeepingFiles()) walked_->AddFile(folder, name_on_disk);
  }
  void OnKeptFolder(std::string_view folder, const KeptEntries& kept) override {
    if (KeepingFiles()) walked_->AddKeptFolder(folder, kept);
  }
  bool ShouldStop() override { return rows_.ShouldStop(); }
  void OnRootNotListed(std::string_view root) override { rows_.RootNotListed(root); }
  void OnFolderNotListed(std::string_view folder) override { rows_.FolderNotListed(folder); }

 private:
  bool KeepingFiles() {
    if (walked_ == nullptr) return false;
    if (!rows_.AllFound()) return true;
    if (walked_->size() > 0) walked_->Clear();
    return false;
  }

  RowOutput& rows_;
  WalkedFiles* walked_;
};

class FolderRows final : public FolderCollectionSink {
 public:
  FolderRows(RowOutput& rows, FolderNameMatches& matches) : rows_(rows), matches_(matches) {}
  void OnFolder(std::string_view path) override { matches_.Add(path); }
  bool ShouldStop() override { return rows_.ShouldStop(); }
  void OnRootNotListed(std::string_view root) override { rows_.RootNotListed(root); }
  void OnFolderNotListed(std::string_view folder) override { rows_.FolderNotListed(folder); }

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
      : file_(file), format_(FolderIndexFormatOf(lister)), lister_(lister) {
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

// With `walked`, every file met is kept there for the suggestions.
void SearchFiles(const std::vector<std::string>& roots, const NameMatcher& matcher, const FolderLister& lister,
                 IndexedListing* index, RowOutput& rows, WalkedFiles* walked) {
  FileRows sink(rows, walked);
  for (const std::string& root : roots) {
    if (!WalkFiles(root, matcher, lister, sink, {FindListingThreads(), index, walked != nullptr})) return;
  }
}

// The keywords that found nothing, each with the walked files near it.
void PrintNotFound(const std::vector<std::string>& keywords, RowOutput& rows, const WalkedFiles* walked,
                   MatchRule rule, NameEncoding encoding) {
  const std::vector<std::string> missing = rows.NotFound(keywords);
  std::vector<std::vector<std::string>> suggestions(missing.size());
  if (walked && !missing.empty()) {
    suggestions = *SuggestPaths(missing, rule, encoding, *walked, false, [] { return false; });
  }
  rows.Names(missing, suggestions);
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

// The names file's bytes, or the one-line reason it cannot be used.
std::optional<std::string> ReadNames(const std::string& file, const FindStreams& streams, std::string& refusal) {
  const std::string named = "the names file " + file;
  if (file == "-") {
    std::optional<std::string> input = streams.read_input();
    if (!input) refusal = "cannot read the names file - (standard input)";
    return input;
  }
  platform::StreamContent content = platform::ReadToEnd(file);
  if (content.read) return std::move(content.bytes);
  refusal = platform::IsFolder(file) ? named + " is a folder" : "cannot read " + named + ": " + content.failure;
  return std::nullopt;
}

// The keywords of the names file, or nothing with `refusal` set.
std::optional<std::vector<std::string>> KeywordsOf(const std::string& file, const FindStreams& streams,
                                                   NameEncoding encoding, std::string& refusal) {
  const std::optional<std::string> names = ReadNames(file, streams, refusal);
  if (!names) return std::nullopt;
  if (const std::size_t line = FirstLineNotUtf8(*names); line != 0) {
    refusal = "the names file " + file + " is not UTF-8 text (line " + std::to_string(line) + ")";
    return std::nullopt;
  }
  std::vector<std::string> keywords = KeywordsOfNamesFile(*names, encoding);
  if (keywords.empty()) {
    refusal = "the names file " + file + " holds no name";
    return std::nullopt;
  }
  return keywords;
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
  return streams.write_output(FindHelp(streams.index_file())) ? kRan : kIncomplete;
}

// An elevated run on Windows, which may list folders a normal run may not,
// keeps an index of its own (each file records who listed it as well).
std::string FindIndexFileName() {
  return std::string(kFindIndexFileName) + (platform::ThisProcessListingIdentity().elevated ? "-elevated" : "");
}

}  // namespace

FindStreams StandardFindStreams() {
  return {platform::WriteStandardOutput, platform::WriteStandardError, platform::ReadStandardInput,
          [] { return platform::UserCacheFile(FindIndexFileName()); }};
}

int RunVorlixFind(std::span<const std::string> arguments, const FolderLister& lister, const FindStreams& streams) {
  std::string error;
  const std::optional<FindArguments> parsed = ParseFindArguments(arguments, error);
  if (!parsed) return Refuse(streams, error + " (" + std::string(kFindUsage) + ")");
  if (parsed->help) return Help(streams);
  if (parsed->version) return streams.write_output("vorlix-find " + std::string(kVersion) + "\n") ? kRan : kIncomplete;
  std::string refusal;
  const std::optional<std::vector<std::string>> found_keywords =
      KeywordsOf(parsed->names_file, streams, lister.encoding(), refusal);
  if (!found_keywords) return Refuse(streams, refusal);
  const std::vector<std::string>& keywords = *found_keywords;

  RunIndex index(parsed->no_index ? std::string() : streams.index_file(), lister);
  const NameMatcher matcher(keywords, RuleOf(*parsed), lister.encoding());
  const std::vector<std::string> roots = parsed->roots.empty() ? DefaultFindRoots() : parsed->roots;
  OutputBuffer output(streams.write_output);
  std::optional<NameCounts> counts;
  WalkedFiles walked;
  if (parsed->counts) counts.emplace(keywords, RuleOf(*parsed), lister.encoding(), 0);
  RowOutput rows(output, keywords.size(),
                 {parsed->not_found, counts ? &*counts : nullptr, parsed->print0, lister.separator()}, streams);
  if (parsed->folders) {
    SearchFolderNames(roots, matcher, lister, index.listing(), rows);
  } else {
    SearchFiles(roots, matcher, lister, index.listing(), rows, parsed->suggest ? &walked : nullptr);
  }
  index.Save();
  if (parsed->not_found && !output.failed()) {
    PrintNotFound(keywords, rows, parsed->suggest ? &walked : nullptr, RuleOf(*parsed), lister.encoding());
  }
  if (counts && !output.failed()) rows.Counts(keywords);
  if (!output.Finish()) {
    streams.write_error("vorlix-find: cannot write the output\n");
    return kIncomplete;
  }
  return rows.folders_missed() ? kIncomplete : kRan;
}

}  // namespace vorlix::app
