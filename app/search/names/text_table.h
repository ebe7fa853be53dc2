#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::app {

// A 64-bit hash of a text, eight bytes a step: the search hashes a name or
// a folder path for every entry it meets, so this has to be cheap.
std::uint64_t HashText(std::string_view text);

// Texts numbered in the order they were added, found by open addressing
// in a flat array of 8-byte slots (part of the hash and the number) over
// texts kept back to back, where a node-based map chases pointers. Most
// lookups miss (most names match no keyword): a bit per hash value, in an
// array a sixteenth of the slots' size, turns most of them away before
// the slots are read. Only grows.
class TextTable {
 public:
  // The text's number, and whether it was added now.
  std::pair<std::uint32_t, bool> Add(std::string_view text);
  std::optional<std::uint32_t> Find(std::string_view text) const;
  // The part of a text's HashText that tells whether it may be in a table.
  static std::uint32_t SeenKey(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 40); }
  // False when no text with this seen key is in the table; true when one
  // may be. Reads no text.
  // Inline: asked for nearly every name of a repeat search.
  bool MayHold(std::uint32_t seen_key) const {
    if (slots_.empty()) return false;
    const std::size_t bit = seen_key & (seen_.size() * 64 - 1);
    return seen_[bit / 64] >> (bit % 64) & 1;
  }
  std::string_view Text(std::uint32_t number) const;
  std::size_t size() const { return starts_.size() - 1; }
  void Reserve(std::size_t texts, std::size_t bytes = 0);

 private:
  struct Slot {
    std::uint32_t tag = 0;  // the hash's upper half
    std::uint32_t number = kEmpty;
  };
  static constexpr std::uint32_t kEmpty = UINT32_MAX;

  std::size_t SlotOf(std::string_view text, std::uint64_t hash) const;
  std::size_t SeenBit(std::uint64_t hash) const { return SeenKey(hash) & (seen_.size() * 64 - 1); }
  void Grow(std::size_t slots);

  std::string texts_;                  // every text, back to back
  std::vector<std::size_t> starts_{0};  // text n is [starts_[n], starts_[n + 1])
  std::vector<std::uint64_t> hashes_;   // of each text, for growing
  std::vector<Slot> slots_;
  std::vector<std::uint64_t> seen_;     // a bit per (hash >> 40) modulo its size
};

}  // namespace vorlix::app
