// libFuzzer harness of the folder index file. The first byte says how the
// rest is read: as a whole file, or as the records of a file whose header
// (count from the next four bytes, the paths' size, size and checksum) is
// made right, so that the records' reader is reached past the checksum. An index that is
// accepted gives every entry of every record whose entries are in shape,
// and writes back to bytes that read back the same.
#include <cstdlib>
#include <string>

#include "app/search/index/base128.h"
#include "app/search/index/folder_index_file.h"

namespace {

using namespace vorlix::app;

constexpr FolderIndexFormat kFormat{'/', NameEncoding::kUtf8};
// Where the header keeps the record count, their paths' size, the records'
// size and their checksum, after the mark, version, format, keys' probe and
// lister.
constexpr std::size_t kCountAt = 28, kPathsAt = 36, kSizeAt = 44, kChecksumAt = 52, kHeaderSize = 60;

void Put(std::string& file, std::size_t at, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) file[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The size of the paths of the first `count` records, as far as they read:
// each record is its path, four stamps, its day, its racy mark, its entry
// count and its entries.
std::uint64_t PathsSize(std::string_view records, std::uint64_t count) {
  std::uint64_t paths = 0, size = 0;
  std::size_t at = 0;
  for (std::uint64_t record = 0; record < count; ++record) {
    if (!ReadBase128(records, at, size) || size > records.size() - at) break;
    paths += size;
    at += static_cast<std::size_t>(size) + 32;
    if (at > records.size() || !ReadBase128(records, at, size) || ++at > records.size() ||
        !ReadBase128(records, at, size) || !ReadBase128(records, at, size) || size > records.size() - at) {
      break;
    }
    at += static_cast<std::size_t>(size);
  }
  return paths;
}

// The records `body` under a header that agrees with them.
std::string WithHeader(std::string_view body) {
  std::uint64_t count = 0;
  for (std::size_t i = 0; i < 4 && i < body.size(); ++i) count |= static_cast<std::uint64_t>(static_cast<unsigned char>(body[i])) << (8 * i);
  const std::string_view records = body.size() > 4 ? body.substr(4) : std::string_view();
  std::string file = EncodeFolderIndex(FolderIndex(), kFormat).substr(0, kHeaderSize);
  Put(file, kCountAt, count % 64);
  Put(file, kPathsAt, PathsSize(records, count % 64));
  Put(file, kSizeAt, records.size());
  Put(file, kChecksumAt, FolderIndexChecksum(records));
  return file + std::string(records);
}

class Counter final : public KeyedEntryVisitor {
 public:
  bool Visit(const vorlix::platform::FolderEntry& entry) override {
    if (entry.name.empty()) std::abort();
    ++entries;
    return true;
  }
  std::size_t entries = 0;
};

void Use(const FolderIndex& index) {
  index.ForEach([](std::string_view, const FolderRecord& record) {
    Counter checked;
    const bool valid = packed_entries::Valid(record.entries, record.entry_count);
    if (packed_entries::ReplayChecked(record.entries, record.entry_count, checked) != valid) std::abort();
    if (!valid) return;
    Counter counter;
    packed_entries::Replay(record.entries, counter);
    if (counter.entries != record.entry_count) std::abort();
  });
  auto again = std::make_shared<const std::string>(EncodeFolderIndex(index, kFormat));
  const std::optional<FolderIndex> read = DecodeFolderIndex(*again, again, kFormat);
  if (!read || read->size() != index.size() || EncodeFolderIndex(*read, kFormat) != *again) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  auto file = std::make_shared<const std::string>(data[0] % 2 == 0 ? std::string(rest) : WithHeader(rest));
  if (const std::optional<FolderIndex> index = DecodeFolderIndex(*file, file, kFormat)) Use(*index);
  return 0;
}
