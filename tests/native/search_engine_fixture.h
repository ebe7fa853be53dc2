#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "app/search/walk/file_walk.h"
#include "app/search/walk/folder_collection.h"
#include "app/search/walk/folder_lister.h"

namespace vorlix::testing {

// A folder tree held in memory: a listed folder is a path ending with the
// separator; a path missing from the tree cannot be listed, and a folder's
// listing may be set to fail after some of its entries. Identities are
// given per path, with or without the closing separator, and every request
// for one is counted. Stamps are given per listed path (a folder without
// one has none, so no index keeps it), on a clock of milliseconds set by
// the test; every request for one is recorded, and a test's hook may run
// at each. Whether a volume keeps stamps may be set for the paths below a
// folder. Who lists is a text the test sets. Safe to list from several
// threads.
class FakeLister final : public app::FolderLister {
 public:
  struct Entry {
    std::string name;
    bool is_folder = false;
    bool is_link = false;
  };

  explicit FakeLister(char separator = '/', app::NameEncoding encoding = app::NameEncoding::kUtf8)
      : separator_(separator), encoding_(encoding) {}

  void AddFolder(const std::string& folder, std::vector<Entry> entries) { folders_[folder] = std::move(entries); }
  void RemoveFolder(const std::string& folder) {
    folders_.erase(folder);
    stamps_.erase(folder);
  }
  void SetStamp(const std::string& folder, platform::FolderStamp stamp) { stamps_[folder] = stamp; }
  void SetNow(std::uint64_t milliseconds) { now_ = milliseconds; }
  void OnStamp(std::function<void(std::string_view)> hook) { on_stamp_ = std::move(hook); }
  std::vector<std::string> stamp_requests() const {
    const std::lock_guard lock(mutex_);
    return stamp_requests_;
  }
  void SetKeepsStamps(bool keeps) { keeps_stamps_ = keeps; }
  void SetKeepsStampsBelow(const std::string& folder, bool keeps) { keeps_stamps_below_[folder] = keeps; }
  // The listing of `folder` fails after `entries` entries, as one whose
  // second read meets a disk error (0: it cannot be listed at all, as one
  // this identity may not list); until ListWhole.
  void FailListingAfter(const std::string& folder, std::size_t entries) { cut_short_after_[folder] = entries; }
  void ListWhole(const std::string& folder) { cut_short_after_.erase(folder); }
  void SetListingIdentity(std::string who) { who_ = std::move(who); }
  void SetLink(const std::string& path, bool is_link) {
    if (is_link) {
      links_.insert(Trimmed(path));
    } else {
      links_.erase(Trimmed(path));
    }
  }
  void SetIdentity(const std::string& path, std::uint64_t id) { identities_[Trimmed(path)] = id; }
  int identity_requests() const { return identity_requests_; }
  std::vector<std::string> listed() const {
    const std::lock_guard lock(mutex_);
    return listed_;
  }

  char separator() const override { return separator_; }
  app::NameEncoding encoding() const override { return encoding_; }
  std::string Identity() const override { return who_; }
  bool List(std::string_view folder, platform::FolderEntryVisitor& visitor) const override {
    {
      const std::lock_guard lock(mutex_);
      listed_.emplace_back(folder);
    }
    const auto found = folders_.find(std::string(folder));
    if (found == folders_.end()) return false;
    const auto cut = cut_short_after_.find(found->first);
    for (std::size_t at = 0; at < found->second.size(); ++at) {
      if (cut != cut_short_after_.end() && at == cut->second) return false;
      const Entry& entry = found->second[at];
      if (!visitor.Visit({entry.name, entry.is_folder, entry.is_link})) break;
    }
    return true;
  }
  std::optional<platform::FolderIdentity> Identify(std::string_view path) const override {
    ++identity_requests_;
    const auto found = identities_.find(Trimmed(std::string(path)));
    if (found == identities_.end()) return std::nullopt;
    return platform::FolderIdentity{1, found->second};
  }
  std::optional<platform::FolderStamp> Stamp(std::string_view folder) const override {
    {
      const std::lock_guard lock(mutex_);
      stamp_requests_.emplace_back(folder);
    }
    if (on_stamp_) on_stamp_(folder);
    const auto found = stamps_.find(std::string(folder));
    if (found == stamps_.end()) return std::nullopt;
    return found->second;
  }
  bool KeepsStamps(std::string_view path) const override {
    bool keeps = keeps_stamps_;
    std::size_t longest = 0;
    for (const auto& [folder, below] : keeps_stamps_below_) {
      if (path.starts_with(folder) && folder.size() > longest) std::tie(keeps, longest) = std::pair(below, folder.size());
    }
    return keeps;
  }
  bool IsLink(std::string_view path) const override { return links_.contains(Trimmed(std::string(path))); }
  std::uint64_t Now() const override { return now_; }
  std::uint64_t TicksPerSecond() const override { return 1000; }

 private:
  std::string Trimmed(std::string path) const {
    if (path.size() > 1 && path.back() == separator_) path.pop_back();
    return path;
  }

  char separator_;
  app::NameEncoding encoding_;
  std::map<std::string, std::vector<Entry>> folders_;
  std::map<std::string, std::uint64_t> identities_;
  std::map<std::string, platform::FolderStamp> stamps_;
  std::set<std::string> links_;
  std::atomic<std::uint64_t> now_ = 0;
  std::function<void(std::string_view)> on_stamp_;
  bool keeps_stamps_ = true;
  std::map<std::string, bool> keeps_stamps_below_;
  std::map<std::string, std::size_t> cut_short_after_;
  std::string who_ = "tester";
  mutable std::mutex mutex_;
  mutable int identity_requests_ = 0;
  mutable std::vector<std::string> listed_;
  mutable std::vector<std::string> stamp_requests_;
};

inline FakeLister::Entry File(std::string name) { return {std::move(name), false, false}; }
inline FakeLister::Entry Folder(std::string name) { return {std::move(name), true, false}; }
inline FakeLister::Entry FolderLink(std::string name) { return {std::move(name), true, true}; }

// Keeps every row as "folder|name|keyword", with "|" and the name as on
// disk after it where that differs from the lowered name, and the folders
// that could not be listed, and stops after a given number of polls.
class RowRecorder final : public app::FileWalkSink {
 public:
  explicit RowRecorder(long polls_before_stop = -1) : polls_left_(polls_before_stop) {}

  void OnRow(std::string_view folder, std::string_view name, std::string_view name_on_disk,
             std::uint32_t keyword) override {
    rows.push_back(std::string(folder) + "|" + std::string(name) + "|" + std::to_string(keyword));
    if (name_on_disk != name) rows.back().append("|").append(name_on_disk);
  }
  bool ShouldStop() override {
    ++polls;
    return polls_left_ >= 0 && polls_left_-- == 0;
  }
  void OnRootNotListed(std::string_view root) override { not_listed.push_back("root " + std::string(root)); }
  void OnFolderNotListed(std::string_view folder) override { not_listed.emplace_back(folder); }

  std::vector<std::string> rows;
  std::vector<std::string> not_listed;  // in the order told, a root as "root PATH"
  long polls = 0;

 private:
  long polls_left_;
};

class FolderRecorder final : public app::FolderCollectionSink {
 public:
  explicit FolderRecorder(long polls_before_stop = -1) : polls_left_(polls_before_stop) {}

  void OnFolder(std::string_view path) override { folders.emplace_back(path); }
  bool ShouldStop() override {
    ++polls;
    return polls_left_ >= 0 && polls_left_-- == 0;
  }
  void OnRootNotListed(std::string_view root) override { not_listed.push_back("root " + std::string(root)); }
  void OnFolderNotListed(std::string_view folder) override { not_listed.emplace_back(folder); }

  std::vector<std::string> folders;
  std::vector<std::string> not_listed;  // in the order told, a root as "root PATH"
  long polls = 0;

 private:
  long polls_left_;
};

}  // namespace vorlix::testing
