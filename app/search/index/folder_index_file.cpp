#include "app/search/index/folder_index_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <future>
#include <span>
#include <vector>

#include "app/search/index/base128.h"
#include "platform/whole_file.h"
#include "platform/whole_file_view.h"

namespace vorlix::app {
namespace {

constexpr std::string_view kMark = "VORLIXFI";
// From this size of records on, the checksum is worked out beside reading them.
constexpr std::size_t kSumAsideFrom = std::size_t{1} << 20;
constexpr std::uint32_t kVersion = 4;
// Mark, version, format, keys' probe, lister, record count, the size of
// their folders' paths together (so that reading takes room for them at
// once), records' size, checksum.
constexpr std::size_t kHeaderSize = 8 + 4 + 4 + 4 + 8 + 8 + 8 + 8 + 8;
// The smallest record: a one-byte path with its size, four stamps, the
// day, the racy mark, an entry count and the packed entries' size.
constexpr std::size_t kSmallestRecord = 2 + 32 + 1 + 1 + 1 + 1;

std::uint32_t FormatCode(const FolderIndexFormat& format) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(format.separator)) |
         (format.encoding == NameEncoding::kGbk ? 0x100u : 0x200u);
}

// The key of a fixed name, as this build lowers and hashes it: an index
// whose file keys were made another way would turn away names that match,
// so it is refused like another version.
std::uint32_t KeysProbe(const FolderIndexFormat& format) {
  LoweredName probe;
  probe.Assign("Vorlix Probe.Key", format.encoding);
  const NameKeys keys = KeysOf(probe);
  return keys.whole ^ (keys.stem << 8);
}

class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}
  void Fixed(std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out_ += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
  void Size(std::uint64_t value) { AppendBase128(out_, value); }
  void Text(std::string_view text) {
    Size(text.size());
    out_ += text;
  }

 private:
  std::string& out_;
};

class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}
  bool Fixed(std::uint64_t& value, int bytes) {
    if (in_.size() - at_ < static_cast<std::size_t>(bytes)) return false;
    value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint64_t>(static_cast<unsigned char>(in_[at_++])) << (8 * i);
    return true;
  }
  bool Size(std::uint64_t& value) { return ReadBase128(in_, at_, value); }
  bool Text(std::string_view& text) {
    std::uint64_t size = 0;
    if (!Size(size) || size > in_.size() - at_) return false;
    text = in_.substr(at_, static_cast<std::size_t>(size));
    at_ += static_cast<std::size_t>(size);
    return true;
  }
  bool AtEnd() const { return at_ == in_.size(); }

 private:
  std::string_view in_;
  std::size_t at_ = 0;
};

void WriteRecord(Writer& out, std::string_view folder, const FolderRecord& record) {
  out.Text(folder);
  out.Fixed(record.stamp.write, 8);
  out.Fixed(record.stamp.change, 8);
  out.Fixed(record.stamp.identity, 8);
  out.Fixed(record.stamp.volume, 8);
  out.Size(record.day);
  out.Fixed(record.racy ? 1 : 0, 1);
  out.Size(record.entry_count);
  out.Text(record.entries);
}

bool ReadRecord(Reader& in, const FolderIndexFormat& format, std::string_view& folder, FolderRecord& record) {
  std::uint64_t day = 0, racy = 0, count = 0;
  if (!in.Text(folder) || !in.Fixed(record.stamp.write, 8) || !in.Fixed(record.stamp.change, 8) ||
      !in.Fixed(record.stamp.identity, 8) || !in.Fixed(record.stamp.volume, 8) || !in.Size(day) ||
      !in.Fixed(racy, 1) || !in.Size(count) || !in.Text(record.entries)) {
    return false;
  }
  if (folder.empty() || folder.back() != format.separator || folder.find('\0') != std::string_view::npos) return false;
  if (day > UINT32_MAX || racy > 1 || count > UINT32_MAX || count > record.entries.size()) return false;
  record.day = static_cast<std::uint32_t>(day);
  record.racy = racy == 1;
  record.entry_count = static_cast<std::uint32_t>(count);
  return true;
}

std::uint64_t Rotate(std::uint64_t value, int bits) { return (value << bits) | (value >> (64 - bits)); }

// Little-endian on every target this builds for (x86 and x86-64).
std::uint64_t Word(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

}  // namespace

// Four lanes of running sums over 8-byte words, each with the sum of its
// sums beside it, as Fletcher's checksum keeps them: a word changed, lost
// or moved changes them. Adds cost a fraction of multiplies, so the check
// of a large index ends within the time its records take to read; only
// the folding at the end multiplies.
std::uint64_t FolderIndexChecksum(std::string_view bytes) {
  constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
  constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;
  std::array<std::uint64_t, 4> sums{1, 2, 3, 4};
  std::array<std::uint64_t, 4> sums_of_sums{};
  std::size_t at = 0;
  for (; at + 32 <= bytes.size(); at += 32) {
    for (int lane = 0; lane < 4; ++lane) {
      sums[lane] += Word(bytes.data() + at + 8 * lane);
      sums_of_sums[lane] += sums[lane];
    }
  }
  std::uint64_t hash = bytes.size() * kPrime1;
  for (int lane = 0; lane < 4; ++lane) {
    hash = Rotate(hash ^ (sums[lane] * kPrime2), 27) * kPrime1 + kPrime2;
    hash = Rotate(hash ^ (sums_of_sums[lane] * kPrime2), 31) * kPrime1 + kPrime2;
  }
  for (; at < bytes.size(); ++at) {
    hash = Rotate(hash ^ (static_cast<unsigned char>(bytes[at]) * kPrime1), 11) * kPrime2;
  }
  hash ^= hash >> 33;
  hash *= kPrime2;
  return hash ^ (hash >> 29);
}

std::uint64_t IdentityDigest(std::string_view identity) { return FolderIndexChecksum(identity); }

FolderIndexFormat FolderIndexFormatOf(const FolderLister& lister) {
  return {lister.separator(), lister.encoding(), IdentityDigest(lister.Identity())};
}

std::size_t EncodedSize(std::string_view folder, const FolderRecord& record) {
  return folder.size() + record.entries.size() + 48;
}

// The records are written after room for the header, which is filled in
// last: a large index is never copied whole. They go in the order of their
// paths, the order in which a search reads their stamps ahead.
std::string EncodeFolderIndex(const FolderIndex& index, const FolderIndexFormat& format) {
  std::size_t size = kHeaderSize;
  std::vector<std::uint32_t> in_path_order;
  in_path_order.reserve(index.size());
  index.ForEach([&](std::string_view folder, const FolderRecord& record) {
    size += EncodedSize(folder, record);
    in_path_order.push_back(static_cast<std::uint32_t>(in_path_order.size()));
  });
  std::sort(in_path_order.begin(), in_path_order.end(),
            [&index](std::uint32_t a, std::uint32_t b) { return index.Folder(a) < index.Folder(b); });
  std::string file(kHeaderSize, '\0');
  file.reserve(size);
  Writer out(file);
  std::uint64_t paths_size = 0;
  for (const std::uint32_t number : in_path_order) {
    WriteRecord(out, index.Folder(number), index.Record(number));
    paths_size += index.Folder(number).size();
  }
  const std::string_view records = std::string_view(file).substr(kHeaderSize);
  std::string header(kMark);
  Writer fields(header);
  fields.Fixed(kVersion, 4);
  fields.Fixed(FormatCode(format), 4);
  fields.Fixed(KeysProbe(format), 4);
  fields.Fixed(format.lister, 8);
  fields.Fixed(index.size(), 8);
  fields.Fixed(paths_size, 8);
  fields.Fixed(records.size(), 8);
  fields.Fixed(FolderIndexChecksum(records), 8);
  file.replace(0, kHeaderSize, header);
  return file;
}

std::optional<FolderIndex> DecodeFolderIndex(std::string_view file, std::shared_ptr<const void> owner,
                                             const FolderIndexFormat& format) {
  if (file.size() < kHeaderSize || !file.starts_with(kMark)) return std::nullopt;
  Reader header(file.substr(kMark.size(), kHeaderSize - kMark.size()));
  std::uint64_t version = 0, code = 0, probe = 0, lister = 0, count = 0, paths_size = 0, size = 0, checksum = 0;
  header.Fixed(version, 4);
  header.Fixed(code, 4);
  header.Fixed(probe, 4);
  header.Fixed(lister, 8);
  header.Fixed(count, 8);
  header.Fixed(paths_size, 8);
  header.Fixed(size, 8);
  header.Fixed(checksum, 8);
  const std::string_view records = file.substr(kHeaderSize);
  if (version != kVersion || code != FormatCode(format) || probe != KeysProbe(format) || lister != format.lister ||
      size != records.size()) {
    return std::nullopt;
  }
  if (count > records.size() / kSmallestRecord || paths_size > records.size()) return std::nullopt;
  // Summed on a thread of its own while the records are read, which the
  // reading survives whatever the bytes hold: on a large index each takes
  // milliseconds.
  std::future<std::uint64_t> summed =
      std::async(records.size() >= kSumAsideFrom ? std::launch::async : std::launch::deferred,
                 FolderIndexChecksum, records);
  FolderIndex index;
  index.Reserve(static_cast<std::size_t>(count), static_cast<std::size_t>(paths_size));
  Reader in(records);
  std::uint64_t paths_read = 0;
  for (std::uint64_t at = 0; at < count; ++at) {
    std::string_view folder;
    FolderRecord record;
    if (!ReadRecord(in, format, folder, record)) return std::nullopt;
    record.storage = owner;
    if (!index.Put(folder, std::move(record))) return std::nullopt;  // a folder twice
    paths_read += folder.size();
  }
  if (!in.AtEnd() || paths_read != paths_size || summed.get() != checksum) return std::nullopt;
  return index;
}

std::shared_ptr<const FolderIndex> LoadFolderIndex(std::string_view path, const FolderIndexFormat& format) {
  platform::WholeFileView file = platform::ViewWholeFile(path);
  if (std::optional<FolderIndex> index = DecodeFolderIndex(file.bytes, std::move(file.owner), format)) {
    return std::make_shared<const FolderIndex>(std::move(*index));
  }
  return std::make_shared<const FolderIndex>();
}

bool SaveFolderIndex(std::string_view path, const FolderIndex& index, const FolderIndexFormat& format) {
  const std::string file = EncodeFolderIndex(index, format);
  // A file cut short by a crash is refused by its checksum and built anew.
  return platform::ReplaceWholeFile(path, std::span(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()),
                                    platform::Durability::kCache);
}

}  // namespace vorlix::app
