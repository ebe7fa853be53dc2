#include "app/search/index/folder_index.h"

#include <algorithm>

#include "app/search/index/base128.h"

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
// long, or is more than the bytes left. Most names are shorter than 128
// bytes, so their size is one byte.
bool ReadNameSize(std::string_view packed, std::size_t& at, std::size_t& size) {
  if (at < packed.size() && static_cast<unsigned char>(packed[at]) < 0x80) {
    const std::size_t value = static_cast<unsigned char>(packed[at++]);
    size = std::min(value, packed.size() - at);
    return value == size;
  }
  std::uint64_t value = 0;
  const bool read = ReadBase128(packed, at, value);
  size = static_cast<std::size_t>(std::min<std::uint64_t>(value, packed.size() - at));
  return read && value == size;
}

struct Entry {
  char kind;
  platform::FolderEntry entry;
  NameKeys keys;
};

// Reads the entry at `at` (before the end) and moves past it, staying
// within `packed` whatever it holds; false when the entry is not whole: of
// an unknown kind, with an empty name or one running past the end, or its
// keys cut short.
bool ReadEntry(std::string_view packed, std::size_t& at, Entry& read) {
  read.kind = packed[at++];
  std::size_t size = 0;
  const bool sized = ReadNameSize(packed, at, size);
  read.entry = {packed.substr(at, size), read.kind == kFolder, false};
  at += size;
  if (read.kind == kFolder) return sized && size > 0;
  if (packed.size() - at < KeysSize(read.kind) || (read.kind != kFile && read.kind != kFileWithStem)) return false;
  read.keys = {KeyAt(packed, at), read.kind == kFileWithStem ? KeyAt(packed, at + kKeySize) : 0,
               read.kind == kFileWithStem};
  at += KeysSize(read.kind);
  return sized && size > 0;
}

bool Give(const Entry& read, KeyedEntryVisitor& visitor) {
  return read.kind == kFolder ? visitor.Visit(read.entry) : visitor.VisitKeyed(read.entry, read.keys);
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

// Only Valid and ReplayChecked ever meet packed entries that were not
// written by Append.
bool Replay(std::string_view packed, KeyedEntryVisitor& visitor) {
  Entry read;
  for (std::size_t at = 0; at < packed.size();) {
    if (!ReadEntry(packed, at, read)) return true;
    if (!Give(read, visitor)) return false;
  }
  return true;
}

bool ReplayChecked(std::string_view packed, std::uint64_t count, KeyedEntryVisitor& visitor) {
  if (packed.find('\0') != std::string_view::npos) return false;
  Entry read;
  std::size_t at = 0;
  for (std::uint64_t entry = 0; entry < count; ++entry) {
    if (at == packed.size() || !ReadEntry(packed, at, read) || !Give(read, visitor)) return false;
  }
  return at == packed.size();
}

bool Valid(std::string_view packed, std::uint64_t count) {
  if (packed.find('\0') != std::string_view::npos) return false;
  Entry read;
  std::size_t at = 0;
  for (std::uint64_t entry = 0; entry < count; ++entry) {
    if (at == packed.size() || !ReadEntry(packed, at, read)) return false;
  }
  return at == packed.size();
}

}  // namespace packed_entries

FolderRecord FolderRecord::Owning(platform::FolderStamp stamp, std::uint32_t day, bool racy, std::uint32_t entry_count,
                                  std::string packed) {
  auto storage = std::make_shared<const std::string>(std::move(packed));
  const std::string_view entries = *storage;
  return {{entry_count, entries, std::shared_ptr<const void>(std::move(storage))}, stamp, day, racy};
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
