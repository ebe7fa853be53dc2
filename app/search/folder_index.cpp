#include "app/search/folder_index.h"

namespace vorlix::app {
namespace packed_entries {
namespace {

constexpr char kFolder = 1;
constexpr char kOther = 2;

void AppendSize(std::string& packed, std::size_t size) {
  while (size >= 0x80) {
    packed += static_cast<char>(0x80 | (size & 0x7F));
    size >>= 7;
  }
  packed += static_cast<char>(size);
}

// Reads a size at `at`; false when it runs past the end or is too long.
bool ReadSize(std::string_view packed, std::size_t& at, std::size_t& size) {
  size = 0;
  for (int shift = 0; shift < 35; shift += 7) {
    if (at == packed.size()) return false;
    const auto byte = static_cast<unsigned char>(packed[at++]);
    size |= static_cast<std::size_t>(byte & 0x7F) << shift;
    if (byte < 0x80) return true;
  }
  return false;
}

}  // namespace

void Append(std::string& packed, const platform::FolderEntry& entry) {
  packed += entry.is_folder ? kFolder : kOther;
  AppendSize(packed, entry.name.size());
  packed += entry.name;
}

// Only Valid ever meets packed entries that were not written by Append.
bool Replay(std::string_view packed, platform::FolderEntryVisitor& visitor) {
  std::size_t at = 0, size = 0;
  while (at < packed.size()) {
    const bool is_folder = packed[at++] == kFolder;
    ReadSize(packed, at, size);
    if (!visitor.Visit({packed.substr(at, size), is_folder, false})) return false;
    at += size;
  }
  return true;
}

bool Valid(std::string_view packed, std::uint64_t count) {
  if (packed.find('\0') != std::string_view::npos) return false;
  std::size_t at = 0, size = 0;
  for (std::uint64_t entry = 0; entry < count; ++entry) {
    if (at == packed.size() || (packed[at] != kFolder && packed[at] != kOther)) return false;
    ++at;
    if (!ReadSize(packed, at, size) || size == 0 || size > packed.size() - at) return false;
    at += size;
  }
  return at == packed.size();
}

}  // namespace packed_entries

FolderRecord FolderRecord::Owning(platform::FolderStamp stamp, std::uint32_t day, bool racy, std::uint32_t entry_count,
                                  std::string packed) {
  auto storage = std::make_shared<const std::string>(std::move(packed));
  const std::string_view entries = *storage;
  return {stamp, day, racy, entry_count, entries, std::shared_ptr<const void>(std::move(storage))};
}

const FolderRecord* FolderIndex::Find(std::string_view folder) const {
  const std::optional<std::uint32_t> number = folders_.Find(folder);
  return number ? &records_[*number] : nullptr;
}

void FolderIndex::Put(std::string_view folder, FolderRecord record) {
  const auto [number, added] = folders_.Add(folder);
  if (added) {
    records_.push_back(std::move(record));
  } else {
    records_[number] = std::move(record);
  }
}

void FolderIndex::Reserve(std::size_t folders) {
  folders_.Reserve(folders);
  records_.reserve(folders);
}

}  // namespace vorlix::app
