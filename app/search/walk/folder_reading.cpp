#include "app/search/walk/folder_reading.h"

namespace vorlix::app {

void FolderContents::Clear() {
  names.clear();
  listed = false;
  subfolders.clear();
  files.clear();
  keywords.clear();
}

bool FolderReader::Read(std::string_view folder, bool through_link, FolderContents& contents,
                        const std::function<bool()>& should_stop) {
  contents.Clear();
  contents_ = &contents;
  should_stop_ = &should_stop;
  stopping_ = nullptr;
  stopped_ = false;
  contents.listed = index_ != nullptr && !through_link ? index_->List(folder, *this) : lister_.List(folder, *this);
  return !stopped_;
}

void FolderReader::StartAppending(FolderContents& contents, const std::atomic<bool>& stopping) {
  contents_ = &contents;
  stopping_ = &stopping;
  stopped_ = false;
}

bool FolderReader::ShouldStop() {
  if (stopping_ ? stopping_->load(std::memory_order_relaxed) : (*should_stop_)()) stopped_ = true;
  return stopped_;
}

// Most names match nothing; their keys tell so without lowering them.
bool FolderReader::VisitKeyed(const platform::FolderEntry& entry, const NameKeys& keys) {
  if (!keys_fit_ || every_file_) return Take(entry, nullptr);
  if (matcher_.MayMatch(keys)) return Take(entry, &keys);
  return !ShouldStop();
}

bool FolderReader::Take(const platform::FolderEntry& entry, const NameKeys* keys) {
  if (ShouldStop()) return false;
  if (entry.is_folder) {
    contents_->subfolders.push_back({AddName(entry.name), static_cast<std::uint32_t>(entry.name.size()), entry.is_link});
    return true;
  }
  lowered_.Assign(entry.name, matcher_.encoding());
  matcher_.Match(lowered_, scratch_, matched_, keys);
  if (matched_.empty() && !every_file_) return true;
  contents_->keywords.insert(contents_->keywords.end(), matched_.begin(), matched_.end());
  const std::uint32_t name_at = AddName(lowered_.text());
  AddName(entry.name);
  contents_->files.push_back({name_at, static_cast<std::uint32_t>(entry.name.size()),
                              static_cast<std::uint32_t>(contents_->keywords.size())});
  return true;
}

std::uint32_t FolderReader::AddName(std::string_view name) {
  const auto at = static_cast<std::uint32_t>(contents_->names.size());
  contents_->names.append(name);
  return at;
}

}  // namespace vorlix::app
