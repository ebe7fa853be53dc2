#include "app/search/folder_index.h"

#include <algorithm>

#include "app/search/base128.h"

namespace vorlix::app {
namespace packed_entries {
namespace {

constexpr char kFolder = 1;
constexpr char kFile = 2;
constexpr char kFileWithStem = 3;
constexpr std::size_t kKeySize = 4;

// Keys hold 24 bits, six to a byte with its top bit set, so that a
// record's only zero bytes are in names, which one search finds.
void AppendKey(std::string& packed, std::uint32_t key) {
  for (std::size_t byte = 0; byte < kKeySize; ++byte) packed += static_cast<char>(0x80 | ((key >> (6 * byte)) & 0x3F));
}

std::uint32_t KeyAt(std::string_view packed, std::size_t at) {
  std::uint32_t key = 0;
  for (std::size_t byte = 0; byte < kKeySize; ++byte) {
    key |= static_cast<std::uint32_t>(static_cast<unsigned char>(packed[at + byte]) & 0x3F) << (6 * byte);
  }
  return key;
}

std::size_t KeysSize(char kind) { return kind == kFile ? kKeySize : kind == kFileWithStem ? 2 * kKeySize : 0; }

// Reads a name's size at `at`; false when it runs past the end, is too
// long, or is more than the bytes left.
bool ReadNameSize(std::string_view packed, std::size_t& at, std::size_t& size) {
  std::uint64_t value = 0;
  const bool read = ReadBase128(packed, at, value);
  size = static_cast<std::size_t>(std::min<std::uint64_t>(value, packed.size() - at));
  return read && value == size;
}

}  // namespace

void Append(std::string& packed, const platform::FolderEntry& entry, const NameKeys& keys) {
  const char kind = entry.is_folder ? kFolder : keys.has_stem ? kFileWithStem : kFile;
  packed += kind;
  AppendBase128(packed, entry.name.size());
  packed += entry.name;
  if (kind == kFolder) return;
  AppendKey(packed, keys.whole);
  if (kind == kFileWithStem) AppendKey(packed, keys.stem);
}

// Only Valid ever meets packed entries that were not written by Append;
// this stays within `packed` whatever it holds.
bool Replay(std::string_view packed, KeyedEntryVisitor& visitor) {
  std::size_t at = 0, size = 0;
  while (at < packed.size()) {
    const char kind = packed[at++];
    ReadNameSize(packed, at, size);
    const platform::FolderEntry entry{packed.substr(at, size), kind == kFolder, false};
    at += size;
    if (kind == kFolder) {
      if (!visitor.Visit(entry)) return false;
      continue;
    }
    if (packed.size() - at < KeysSize(kind)) return true;
    const NameKeys keys{KeyAt(packed, at), kind == kFileWithStem ? KeyAt(packed, at + kKeySize) : 0,
                        kind == kFileWithStem};
    at += KeysSize(kind);
    if (!visitor.VisitKeyed(entry, keys)) return false;
  }
  return true;
}

bool Valid(std::string_view packed, std::uint64_t count) {
  if (packed.find('\0') != std::string_view::npos) return false;
  std::size_t at = 0, size = 0;
  for (std::uint64_t entry = 0; entry < count; ++entry) {
    if (at == packed.size()) return false;
    const char kind = packed[at++];
    if (kind != kFolder && kind != kFile && kind != kFileWithStem) return false;
    if (!ReadNameSize(packed, at, size) || size == 0) return false;
    at += size;
    if (packed.size() - at < KeysSize(kind)) return false;
    at += KeysSize(kind);
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

bool FolderIndex::Put(std::string_view folder, FolderRecord record) {
  const auto [number, added] = folders_.Add(folder);
  if (added) {
    records_.push_back(std::move(record));
  } else {
    records_[number] = std::move(record);
  }
  return added;
}

void FolderIndex::Reserve(std::size_t folders, std::size_t paths_size) {
  folders_.Reserve(folders, paths_size);
  records_.reserve(folders);
}

}  // namespace vorlix::app
