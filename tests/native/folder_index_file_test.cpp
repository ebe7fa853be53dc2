#include "app/search/index/folder_index_file.h"

#include <gtest/gtest.h>

#include <random>

#include "temporary_folder.h"

namespace vorlix::app {
namespace {

constexpr FolderIndexFormat kLinux{'/', NameEncoding::kUtf8};
constexpr FolderIndexFormat kWindow{'\\', NameEncoding::kGbk};

NameKeys KeysOfName(std::string_view name) {
  LoweredName lowered;
  lowered.Assign(name, NameEncoding::kUtf8);
  return KeysOf(lowered);
}

std::string Packed(std::vector<platform::FolderEntry> entries) {
  std::string packed;
  for (const auto& entry : entries) {
    packed_entries::Append(packed, entry, entry.is_folder ? NameKeys{} : KeysOfName(entry.name));
  }
  return packed;
}

FolderIndex Sample() {
  FolderIndex index;
  index.Put("/r/", FolderRecord::Owning({11, 12, 13, 14}, 20000, false, 3,
                                        Packed({{"a.txt", false}, {"sub", true}, {std::string(200, 'n'), false}})));
  index.Put("/r/sub/", FolderRecord::Owning({21, 22, 23, 14}, 20001, true, 0, ""));
  return index;
}

std::optional<FolderIndex> Decode(const std::string& bytes, const FolderIndexFormat& format = kLinux) {
  auto owner = std::make_shared<const std::string>(bytes);
  return DecodeFolderIndex(*owner, owner, format);
}

// Each entry as "name" or "name/", and whether each file came with the
// keys its name has.
class Collected final : public KeyedEntryVisitor {
 public:
  bool Visit(const platform::FolderEntry& entry) override {
    entries.push_back(std::string(entry.name) + (entry.is_folder ? "/" : ""));
    return true;
  }
  bool VisitKeyed(const platform::FolderEntry& entry, const NameKeys& keys) override {
    const NameKeys expected = KeysOfName(entry.name);
    keys_right &= keys.whole == expected.whole && keys.has_stem == expected.has_stem && keys.stem == expected.stem;
    return Visit(entry);
  }
  std::vector<std::string> entries;
  bool keys_right = true;
};

TEST(FolderIndexFile, keeps_every_record_with_its_stamp_day_mark_and_entries) {
  const std::optional<FolderIndex> read = Decode(EncodeFolderIndex(Sample(), kLinux));
  ASSERT_TRUE(read.has_value());
  ASSERT_EQ(read->size(), 2u);
  const FolderRecord* root = read->Find("/r/");
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->stamp, (platform::FolderStamp{11, 12, 13, 14}));
  EXPECT_EQ(root->day, 20000u);
  EXPECT_FALSE(root->racy);
  ASSERT_TRUE(packed_entries::Valid(root->entries, root->entry_count));
  Collected collected;
  packed_entries::Replay(root->entries, collected);
  EXPECT_EQ(collected.entries, (std::vector<std::string>{"a.txt", "sub/", std::string(200, 'n')}));
  EXPECT_TRUE(collected.keys_right);
  const FolderRecord* sub = read->Find("/r/sub/");
  ASSERT_NE(sub, nullptr);
  EXPECT_TRUE(sub->racy);
  EXPECT_EQ(sub->entry_count, 0u);
}

TEST(FolderIndexFile, a_file_cut_short_anywhere_is_refused) {
  const std::string file = EncodeFolderIndex(Sample(), kLinux);
  for (std::size_t size = 0; size < file.size(); ++size) {
    EXPECT_FALSE(Decode(file.substr(0, size)).has_value()) << "cut at " << size;
  }
}

TEST(FolderIndexFile, any_damaged_byte_is_refused) {
  const std::string file = EncodeFolderIndex(Sample(), kLinux);
  for (std::size_t at = 0; at < file.size(); ++at) {
    for (const char flip : {'\x01', '\x80'}) {
      std::string damaged = file;
      damaged[at] ^= flip;
      EXPECT_FALSE(Decode(damaged).has_value()) << "byte " << at;
    }
  }
}

TEST(FolderIndexFile, another_programs_or_another_identitys_index_or_another_file_is_refused) {
  EXPECT_FALSE(Decode(EncodeFolderIndex(Sample(), kLinux), kWindow).has_value());
  const FolderIndexFormat mine{'/', NameEncoding::kUtf8, IdentityDigest("uid 1000 gid 1000 groups 27 1000")};
  const FolderIndexFormat another{'/', NameEncoding::kUtf8, IdentityDigest("uid 1000 gid 1000 groups 1000")};
  EXPECT_TRUE(Decode(EncodeFolderIndex(Sample(), mine), mine).has_value());
  EXPECT_FALSE(Decode(EncodeFolderIndex(Sample(), mine), another).has_value());
  std::string later_version = EncodeFolderIndex(Sample(), kLinux);
  ++later_version[8];
  EXPECT_FALSE(Decode(later_version).has_value());
  EXPECT_FALSE(Decode("[zhuce]\r\n\xBE\xAB\xC8\xB7=\xD5\xE6\r\n").has_value());
  EXPECT_FALSE(Decode(std::string(4096, '\0')).has_value());
}

// The file with its checksum made anew over the records, which begin at
// `records_at` right after the checksum.
std::string Resealed(std::string file, std::size_t records_at) {
  const std::uint64_t checksum = FolderIndexChecksum(std::string_view(file).substr(records_at));
  for (int byte = 0; byte < 8; ++byte) file[records_at - 8 + byte] = static_cast<char>(checksum >> (8 * byte));
  return file;
}

TEST(FolderIndexFile, records_out_of_shape_are_refused_even_under_a_good_checksum) {
  const auto with_record = [](std::string folder, std::uint32_t count, std::string packed) {
    FolderIndex index;
    index.Put(folder, FolderRecord::Owning({1, 2, 3, 4}, 1, false, count, std::move(packed)));
    return EncodeFolderIndex(index, kLinux);
  };
  EXPECT_FALSE(Decode(with_record("/r", 0, "")).has_value()) << "a path without its closing separator";
  EXPECT_FALSE(Decode(with_record(std::string("/r\0x/", 5), 0, "")).has_value()) << "a zero byte in the path";
  EXPECT_FALSE(Decode(with_record("/r/", 5, "ab")).has_value()) << "more entries than bytes";
  // The same folder twice, under a checksum made anew.
  FolderIndex two;
  two.Put("/a/", FolderRecord::Owning({1, 2, 3, 4}, 1, false, 0, ""));
  two.Put("/b/", FolderRecord::Owning({1, 2, 3, 4}, 1, false, 0, ""));
  std::string twice = EncodeFolderIndex(two, kLinux);
  const std::size_t records_at = twice.find("/a/") - 1;
  twice[twice.rfind("/b/") + 1] = 'a';
  EXPECT_FALSE(Decode(Resealed(twice, records_at)).has_value()) << "a folder twice";
  twice[twice.rfind("/a/") + 1] = 'c';
  EXPECT_TRUE(Decode(Resealed(twice, records_at)).has_value()) << "two folders, so the resealing is right";
  // The racy mark of "/a/", after its path, its four stamps and its day: one byte.
  std::string marked = Resealed(twice, records_at);
  const std::size_t mark_at = records_at + 1 + 3 + 32 + 1;
  ASSERT_EQ(marked[mark_at], '\0');
  for (const char mark : {'\x01', '\x02', '\xFF'}) {
    marked[mark_at] = mark;
    EXPECT_EQ(Decode(Resealed(marked, records_at)).has_value(), mark == '\x01') << "racy mark " << int(mark);
  }
  // A count that fits the bytes passes here; the entries are checked when used.
  EXPECT_TRUE(Decode(with_record("/r/", 1, Packed({{"a", false}}))).has_value());
}

TEST(FolderIndexFile, packed_entries_are_checked_entry_by_entry) {
  const std::string three = Packed({{"a", false}, {"bc", true}, {"d.e", false}});
  EXPECT_TRUE(packed_entries::Valid(three, 3));
  EXPECT_FALSE(packed_entries::Valid(three, 2)) << "bytes left over";
  EXPECT_FALSE(packed_entries::Valid(three, 4)) << "an entry missing";
  EXPECT_FALSE(packed_entries::Valid(three.substr(0, three.size() - 1), 3)) << "a stem's key cut short";
  const std::string keys(4, '\x7F');
  EXPECT_TRUE(packed_entries::Valid("\x02\x01" "a" + keys, 1));
  EXPECT_FALSE(packed_entries::Valid("\x02\x01" "a", 1)) << "a file without its key";
  EXPECT_FALSE(packed_entries::Valid("\x04\x01" "a" + keys, 1)) << "an unknown kind";
  EXPECT_FALSE(packed_entries::Valid("\x02\x00" + keys, 1)) << "an empty name";
  EXPECT_FALSE(packed_entries::Valid("\x02\x09" "a" + keys, 1)) << "a name past the end";
  EXPECT_FALSE(packed_entries::Valid(std::string("\x02\x02" "a\0", 4) + keys, 1)) << "a zero byte in a name";
  EXPECT_FALSE(packed_entries::Valid(std::string("\x02\x01" "a\x80\0\x80\x80", 7), 1)) << "a zero byte in a key";
  EXPECT_FALSE(packed_entries::Valid(std::string("\x02\x80\x80\x80\x80\x80\x01", 7) + keys, 1)) << "an endless size";
}

TEST(FolderIndexFile, a_missing_or_damaged_file_loads_as_an_empty_index) {
  testing::TemporaryFolder folder;
  EXPECT_TRUE(LoadFolderIndex(folder.Path("missing"), kLinux)->empty());
  ASSERT_TRUE(SaveFolderIndex(folder.Path("index"), Sample(), kLinux));
  EXPECT_EQ(LoadFolderIndex(folder.Path("index"), kLinux)->size(), 2u);
  std::string damaged = folder.Read("index");
  damaged[damaged.size() / 2] ^= 0x10;
  folder.Write("index", damaged);
  EXPECT_TRUE(LoadFolderIndex(folder.Path("index"), kLinux)->empty());
}

// Packed entries as written, then now and then damaged: a byte changed or
// zeroed, the end cut off or one byte more, the count off by one. Names of
// 128 bytes and more have sizes of two bytes.
TEST(FolderIndexFile, a_checked_replay_takes_exactly_what_valid_takes_and_gives_what_replay_gives) {
  std::mt19937 random(7);
  const auto below = [&random](std::size_t end) {
    return std::uniform_int_distribution<std::size_t>(0, end - 1)(random);
  };
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string> names;
    for (std::size_t entry = below(5); entry < 5; ++entry) names.push_back(std::string(1 + below(140), 'a') + ".t");
    std::vector<platform::FolderEntry> entries;
    std::vector<std::string> expected;
    for (const std::string& name : names) {
      entries.push_back({name, below(3) == 0, false});
      expected.push_back(name + (entries.back().is_folder ? "/" : ""));
    }
    std::string packed = Packed(entries);
    std::uint64_t count = entries.size();
    const std::size_t damage = below(6);
    if (damage == 0) packed[below(packed.size())] = static_cast<char>(below(256));  // may still be whole
    if (damage == 1) packed[below(packed.size())] = '\0';
    if (damage == 2) packed.resize(below(packed.size()));
    if (damage == 3) packed += static_cast<char>(below(256));
    if (damage == 4) count += below(2) == 0 ? 1 : -1;
    Collected checked, replayed;
    const bool valid = packed_entries::Valid(packed, count);
    ASSERT_EQ(packed_entries::ReplayChecked(packed, count, checked), valid) << "round " << round;
    ASSERT_EQ(valid, damage == 0 ? valid : damage == 5) << "round " << round << " damage " << damage;
    if (damage == 5) {
      ASSERT_EQ(checked.entries, expected) << "round " << round;
    }
    if (!valid) continue;
    packed_entries::Replay(packed, replayed);
    ASSERT_EQ(checked.entries, replayed.entries) << "round " << round;
  }
}

TEST(FolderIndexFile, the_checksum_sees_every_byte_and_its_place) {
  const std::string text(100, 'x');
  const std::uint64_t whole = FolderIndexChecksum(text);
  for (std::size_t at = 0; at < text.size(); ++at) {
    std::string changed = text;
    changed[at] = 'y';
    EXPECT_NE(FolderIndexChecksum(changed), whole) << at;
  }
  EXPECT_NE(FolderIndexChecksum("ab"), FolderIndexChecksum("ba"));
  // Two words that trade places in one lane leave its sum as it was.
  const std::string words = "word0...lane1...lane2...lane3...word4...lane1...lane2...lane3...";
  std::string traded = words;
  traded.replace(0, 8, words, 32, 8);
  traded.replace(32, 8, words, 0, 8);
  EXPECT_NE(FolderIndexChecksum(traded), FolderIndexChecksum(words));
  EXPECT_NE(FolderIndexChecksum(std::string(32, '\0')), FolderIndexChecksum(std::string(33, '\0')));
}

}  // namespace
}  // namespace vorlix::app
