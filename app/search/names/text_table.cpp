#include "app/search/names/text_table.h"

#include <algorithm>
#include <cstring>

namespace vorlix::app {
namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;

std::uint64_t Rotate(std::uint64_t value, int bits) { return (value << bits) | (value >> (64 - bits)); }

std::uint64_t Step(std::uint64_t hash, std::uint64_t word) { return Rotate(hash ^ (word * kPrime2), 29) * kPrime1; }

std::uint32_t TagOf(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

}  // namespace

std::uint64_t HashText(std::string_view text) {
  std::uint64_t hash = text.size() * kPrime1;
  std::size_t at = 0;
  for (; at + 8 <= text.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, sizeof word);
    hash = Step(hash, word);
  }
  if (at < text.size()) {
    std::uint64_t word = 0;
    for (std::size_t byte = at; byte < text.size(); ++byte) {
      word |= static_cast<std::uint64_t>(static_cast<unsigned char>(text[byte])) << (8 * (byte - at));
    }
    hash = Step(hash, word);
  }
  hash ^= hash >> 32;
  hash *= kPrime2;
  return hash ^ (hash >> 29);
}

std::string_view TextTable::Text(std::uint32_t number) const {
  return std::string_view(texts_).substr(starts_[number], starts_[number + 1] - starts_[number]);
}

void TextTable::Reserve(std::size_t texts, std::size_t bytes) {
  texts_.reserve(bytes);
  starts_.reserve(texts + 1);
  hashes_.reserve(texts);
  std::size_t slots = 16;
  while (slots < 2 * texts) slots *= 2;
  if (slots > slots_.size()) Grow(slots);
}

// The slot holding `text`, or the empty slot where it would go.
std::size_t TextTable::SlotOf(std::string_view text, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  const std::uint32_t tag = TagOf(hash);
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.number == kEmpty || (slot.tag == tag && Text(slot.number) == text)) return at;
  }
}

std::pair<std::uint32_t, bool> TextTable::Add(std::string_view text) {
  if (2 * (size() + 1) > slots_.size()) Grow(slots_.empty() ? 16 : 2 * slots_.size());
  const std::uint64_t hash = HashText(text);
  Slot& slot = slots_[SlotOf(text, hash)];
  if (slot.number != kEmpty) return {slot.number, false};
  slot = {TagOf(hash), static_cast<std::uint32_t>(size())};
  const std::size_t bit = SeenBit(hash);
  seen_[bit / 64] |= std::uint64_t{1} << (bit % 64);
  texts_ += text;
  starts_.push_back(texts_.size());
  hashes_.push_back(hash);
  return {slot.number, true};
}

std::optional<std::uint32_t> TextTable::Find(std::string_view text) const {
  if (slots_.empty()) return std::nullopt;
  const std::uint64_t hash = HashText(text);
  const std::size_t bit = SeenBit(hash);
  if (!(seen_[bit / 64] >> (bit % 64) & 1)) return std::nullopt;
  const Slot& slot = slots_[SlotOf(text, hash)];
  if (slot.number == kEmpty) return std::nullopt;
  return slot.number;
}

// Slots at most half full and sixteen bits per slot: 32 bits or more per
// text, so that a text not in the table is turned away 31 times in 32
// (most names a search meets match nothing).
void TextTable::Grow(std::size_t slots) {
  slots_.assign(slots, Slot{});
  seen_.assign(std::max<std::size_t>(1, slots / 4), 0);
  const std::size_t mask = slots - 1;
  for (std::uint32_t number = 0; number < hashes_.size(); ++number) {
    std::size_t at = hashes_[number] & mask;
    while (slots_[at].number != kEmpty) at = (at + 1) & mask;
    slots_[at] = {TagOf(hashes_[number]), number};
    const std::size_t bit = SeenBit(hashes_[number]);
    seen_[bit / 64] |= std::uint64_t{1} << (bit % 64);
  }
}

}  // namespace vorlix::app
