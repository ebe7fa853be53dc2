#include "app/search/names/suggestion_finder.h"

#include <algorithm>
#include <limits>

namespace vorlix::app {
namespace {

// Pieces longer than this tell little more about how rare they are.
constexpr std::size_t kLongestPiece = 5;
constexpr std::uint32_t kNone = UINT32_MAX;

std::uint64_t Step(std::uint64_t hash, std::uint32_t code) { return (hash ^ code) * 0x100000001B3ULL + 0x9E37; }
std::uint64_t AtPosition(std::uint64_t hash, std::size_t position) {
  return hash + (position + 1) * 0x9E3779B97F4A7C15ULL;
}

// Characters counted in 64 buckets: a text within k edits of another
// lacks at most k of its characters (each edit removes or changes one) and
// has at most k others, and buckets that merge characters only hide
// differences.
std::uint8_t CharacterBucket(std::uint32_t code) { return static_cast<std::uint8_t>(code * 0x9E3779B1u >> 26); }

void CountBuckets(std::span<const std::uint32_t> codes, std::array<std::uint16_t, 64>& buckets) {
  for (const std::uint32_t code : codes) {
    std::uint16_t& count = buckets[CharacterBucket(code)];
    if (count < UINT16_MAX) ++count;
  }
}

bool SizesAllow(std::size_t keyword, std::size_t form, int allowed) {
  return keyword <= form + allowed && form <= keyword + allowed;
}

bool ByPosition(MatchRule rule) { return rule != MatchRule::kContains; }

std::string BytesOf(std::span<const std::uint32_t> codes) {
  std::string bytes;
  for (const std::uint32_t code : codes) {
    for (int shift = 24; shift >= 0; shift -= 8) {
      if ((code >> shift) != 0 || shift == 0) bytes += static_cast<char>(code >> shift & 0xFF);
    }
  }
  return bytes;
}

}  // namespace

// How often the sample holds each short run of characters; by the exact
// rules, at each position.
class SuggestionFinder::PieceCounts {
 public:
  PieceCounts(std::span<const std::string> sample, MatchRule rule, NameEncoding encoding) : by_position_(ByPosition(rule)) {
    CharacterCodes name;
    for (const std::string& lowered : sample) {
      name.Assign(lowered, encoding);
      for (std::size_t start = 0; start < name.size(); ++start) {
        std::uint64_t hash = 0;
        for (std::size_t end = start; end < std::min(name.size(), start + kLongestPiece); ++end) {
          hash = Step(hash, name.codes[end]);
          keys_.push_back(by_position_ ? AtPosition(hash, start) : hash);
        }
      }
    }
    std::sort(keys_.begin(), keys_.end());
  }

  // How often a name of the sample could show the piece [first, end) of
  // the keyword unchanged where a near name would.
  std::uint64_t Of(std::span<const std::uint32_t> codes, std::size_t first, std::size_t end, int allowed) const {
    std::uint64_t hash = 0;
    for (std::size_t at = first; at < end; ++at) hash = Step(hash, codes[at]);
    if (!by_position_) return Count(hash);
    std::uint64_t total = 0;
    for (long at = static_cast<long>(first) - allowed; at <= static_cast<long>(first) + allowed; ++at) {
      if (at >= 0) total += Count(AtPosition(hash, static_cast<std::size_t>(at)));
    }
    return total;
  }

 private:
  std::uint64_t Count(std::uint64_t key) const {
    const auto [first, end] = std::equal_range(keys_.begin(), keys_.end(), key);
    return static_cast<std::uint64_t>(end - first);
  }

  bool by_position_;
  std::vector<std::uint64_t> keys_;  // sorted: a key's count is its run
};

SuggestionFinder::SuggestionFinder(std::span<const std::string> keywords, MatchRule rule, NameEncoding encoding,
                                   std::span<const std::string> sample)
    : rule_(rule), encoding_(encoding) {
  AddPatterns(keywords);
  IndexNormalForms();
  CutIntoPieces(PieceCounts(sample, rule, encoding));
  seen_.assign(patterns_.size(), 0);
}

void SuggestionFinder::AddPatterns(std::span<const std::string> keywords) {
  std::unordered_map<std::string, std::uint32_t> numbers;
  LoweredName lowered;
  CharacterCodes characters;
  for (const std::string& keyword : keywords) {
    if (keyword.empty()) {
      pattern_of_keyword_.push_back(kNone);
      continue;
    }
    lowered.Assign(keyword, encoding_);
    const auto [at, added] = numbers.emplace(lowered.text(), static_cast<std::uint32_t>(patterns_.size()));
    pattern_of_keyword_.push_back(at->second);
    if (!added) continue;
    characters.Assign(lowered.text(), encoding_);
    Pattern& pattern = patterns_.emplace_back();
    pattern.codes = characters.codes;
    pattern.allowed = EditsAllowed(characters.size());
    std::array<std::uint16_t, 64> counts{};
    CountBuckets(pattern.codes, counts);
    for (std::size_t bucket = 0; bucket < counts.size(); ++bucket) {
      if (counts[bucket] > 0) pattern.buckets.emplace_back(static_cast<std::uint8_t>(bucket), counts[bucket]);
    }
  }
}

// A keyword whose normalised form is empty (only spaces and the like) is
// equal to no name that way: by the contains rule it would be to all.
void SuggestionFinder::IndexNormalForms() {
  std::string normal;
  for (std::uint32_t pattern = 0; pattern < patterns_.size(); ++pattern) {
    normal.clear();
    AppendNormalised(patterns_[pattern].codes, normal);
    if (normal.empty()) continue;
    const auto [number, added] = normal_forms_by_text_.Add(normal);
    if (added) patterns_of_normal_.emplace_back();
    patterns_of_normal_[number].push_back(pattern);
  }
  if (rule_ != MatchRule::kContains || patterns_of_normal_.empty()) return;
  std::vector<std::string_view> texts;
  for (std::uint32_t number = 0; number < patterns_of_normal_.size(); ++number) {
    texts.push_back(normal_forms_by_text_.Text(number));
  }
  normal_forms_.emplace(texts);
}

void SuggestionFinder::CutIntoPieces(const PieceCounts& counts) {
  std::unordered_map<std::string, std::uint32_t> numbers;
  std::vector<std::string> texts;
  std::vector<std::vector<PieceUse>> uses;
  for (std::uint32_t pattern = 0; pattern < patterns_.size(); ++pattern) {
    const Pattern& keyword = patterns_[pattern];
    if (keyword.codes.size() < static_cast<std::size_t>(2 * keyword.allowed + 1)) {
      measured_always_.push_back(pattern);
      continue;
    }
    for (const Piece& piece : CheapestPieces(keyword, counts)) {
      if (ByPosition(rule_) && piece.end - piece.first == 1) {
        AddSingleCharacterPiece(pattern, piece.first);
        continue;
      }
      std::string text = BytesOf(std::span(keyword.codes).subspan(piece.first, piece.end - piece.first));
      const auto [at, added] = numbers.emplace(std::move(text), static_cast<std::uint32_t>(texts.size()));
      if (added) {
        texts.push_back(at->first);
        uses.emplace_back();
      }
      uses[at->second].push_back({pattern, piece.first});
    }
  }
  use_first_.assign(1, 0);
  for (const auto& of_piece : uses) {
    uses_.insert(uses_.end(), of_piece.begin(), of_piece.end());
    use_first_.push_back(static_cast<std::uint32_t>(uses_.size()));
    Reach reach{INT32_MAX, INT32_MIN};
    for (const PieceUse& use : of_piece) {
      const auto at = static_cast<std::int32_t>(use.at);
      reach.first = std::min(reach.first, at - patterns_[use.pattern].allowed);
      reach.last = std::max(reach.last, at + patterns_[use.pattern].allowed);
    }
    reach_.push_back(reach);
    scanned_characters_ = std::max<std::size_t>(scanned_characters_, std::max(reach.last, 0) + kLongestPiece);
  }
  if (texts.empty()) return;
  const std::vector<std::string_view> views(texts.begin(), texts.end());
  pieces_.emplace(views);
}

// By the exact rules a piece of one character, which most names hold
// somewhere, is looked for only where it may stand: within the allowed
// edits of its place in the keyword.
void SuggestionFinder::AddSingleCharacterPiece(std::uint32_t pattern, std::size_t at) {
  const Pattern& keyword = patterns_[pattern];
  const std::uint32_t code = keyword.codes[at];
  const auto allowed = static_cast<std::size_t>(keyword.allowed);
  if (single_bits_.size() <= at + allowed) single_bits_.resize(at + allowed + 1, 0);
  for (std::size_t position = at > allowed ? at - allowed : 0; position <= at + allowed; ++position) {
    single_bits_[position] |= std::uint64_t{1} << CharacterBucket(code);
    single_pieces_[SingleKey(position, code)].push_back(pattern);
  }
}

std::uint64_t SuggestionFinder::SingleKey(std::size_t position, std::uint32_t code) {
  return static_cast<std::uint64_t>(position) << 32 | code;
}

void SuggestionFinder::OfferSingleCharacterPieces(std::uint32_t ordinal) {
  const std::size_t positions = std::min(name_.size(), single_bits_.size());
  for (std::size_t position = 0; position < positions; ++position) {
    const std::uint32_t code = name_.codes[position];
    if ((single_bits_[position] >> CharacterBucket(code) & 1) == 0) continue;
    const auto found = single_pieces_.find(SingleKey(position, code));
    if (found == single_pieces_.end()) continue;
    for (const std::uint32_t pattern : found->second) {
      if (!Seen(pattern)) Measure(pattern, ordinal);
    }
  }
}

// allowed + 1 pieces of up to kLongestPiece characters, no two adjacent,
// whose counts add up to the least; among equal counts longer ones.
std::vector<SuggestionFinder::Piece> SuggestionFinder::CheapestPieces(const Pattern& pattern,
                                                                       const PieceCounts& counts) const {
  const std::size_t size = pattern.codes.size();
  const std::size_t wanted = static_cast<std::size_t>(pattern.allowed) + 1;
  constexpr std::uint64_t kUnreachable = std::numeric_limits<std::uint64_t>::max() / 4;
  // cost[j][i]: j pieces within the first i characters; from[j][i]: where
  // the last of them starts (kNone: it ends before i).
  std::vector<std::vector<std::uint64_t>> cost(wanted + 1, std::vector<std::uint64_t>(size + 1, kUnreachable));
  std::vector<std::vector<std::uint32_t>> from(wanted + 1, std::vector<std::uint32_t>(size + 1, kNone));
  std::fill(cost[0].begin(), cost[0].end(), 0);
  for (std::size_t pieces = 1; pieces <= wanted; ++pieces) {
    for (std::size_t end = 1; end <= size; ++end) {
      cost[pieces][end] = cost[pieces][end - 1];
      for (std::size_t first = end - 1; first + kLongestPiece >= end; --first) {
        const std::uint64_t before = pieces == 1 ? 0 : first == 0 ? kUnreachable : cost[pieces - 1][first - 1];
        if (before < kUnreachable) {
          const std::uint64_t total =
              before + counts.Of(pattern.codes, first, end, pattern.allowed) * 8 + (kLongestPiece - (end - first));
          if (total < cost[pieces][end]) {
            cost[pieces][end] = total;
            from[pieces][end] = static_cast<std::uint32_t>(first);
          }
        }
        if (first == 0) break;
      }
    }
  }
  std::vector<Piece> chosen;
  for (std::size_t pieces = wanted, end = size; pieces > 0;) {
    if (from[pieces][end] == kNone) {
      if (end == 0) break;
      --end;
      continue;
    }
    const std::uint32_t first = from[pieces][end];
    chosen.push_back({first, static_cast<std::uint32_t>(end)});
    --pieces;
    end = first == 0 ? 0 : first - 1;
  }
  return chosen;
}

void SuggestionFinder::Offer(std::string_view lowered_name, std::uint32_t ordinal) {
  const std::uint64_t hash = HashText(lowered_name);
  Remembered& remembered = remembered_[hash & (remembered_.size() - 1)];
  if (remembered.filled && remembered.hash == hash && std::string_view(remembered.name.data(), remembered.size) == lowered_name) {
    for (std::size_t near = 0; near < remembered.near_count; ++near) {
      Consider(remembered.near[near].pattern, remembered.near[near].edits, ordinal);
    }
    return;
  }
  near_now_.clear();
  measured_now_ = 0;
  Measure(lowered_name, ordinal);
  if (measured_now_ >= kWorthRemembering && lowered_name.size() <= remembered.name.size() && near_now_.size() <= remembered.near.size()) {
    remembered.filled = true;
    remembered.hash = hash;
    remembered.size = static_cast<std::uint8_t>(lowered_name.size());
    std::copy(lowered_name.begin(), lowered_name.end(), remembered.name.begin());
    remembered.near_count = static_cast<std::uint8_t>(near_now_.size());
    std::copy(near_now_.begin(), near_now_.end(), remembered.near.begin());
  }
}

void SuggestionFinder::Measure(std::string_view lowered_name, std::uint32_t ordinal) {
  name_.Assign(lowered_name, encoding_);
  if (++round_ == 0) {
    std::fill(seen_.begin(), seen_.end(), 0);
    round_ = 1;
  }
  stem_ = rule_ == MatchRule::kExactFile ? StemCharacters(name_) : 0;
  stem_buckets_.fill(0);
  CountBuckets(std::span(name_.codes).first(stem_), stem_buckets_);
  whole_buckets_ = stem_buckets_;
  CountBuckets(std::span(name_.codes).subspan(stem_), whole_buckets_);
  OfferNormalForms(ordinal);
  for (const std::uint32_t pattern : measured_always_) {
    if (!Seen(pattern)) Measure(pattern, ordinal);
  }
  OfferSingleCharacterPieces(ordinal);
  if (!pieces_) return;
  character_at_.assign(lowered_name.size(), -1);
  for (std::size_t at = 0; at < name_.size(); ++at) character_at_[name_.starts[at]] = static_cast<std::int32_t>(at);
  // By the exact rules no piece stands further in than its reach.
  const std::string_view scanned =
      ByPosition(rule_) ? lowered_name.substr(0, name_.starts[std::min(name_.size(), scanned_characters_)])
                        : lowered_name;
  pieces_->ForEachMatch(scanned, [&](std::uint32_t piece, std::size_t start) {
    const std::int32_t character = character_at_[start];
    if (character < 0) return;
    if (ByPosition(rule_) && (character < reach_[piece].first || character > reach_[piece].last)) return;
    for (std::uint32_t use = use_first_[piece]; use < use_first_[piece + 1]; ++use) {
      const auto [pattern, at] = uses_[use];
      if (Seen(pattern)) continue;
      if (ByPosition(rule_) && std::abs(character - static_cast<std::int32_t>(at)) > patterns_[pattern].allowed) {
        continue;
      }
      Measure(pattern, ordinal);
    }
  });
}

void SuggestionFinder::OfferNormalForms(std::uint32_t ordinal) {
  const auto equal = [&](std::uint32_t pattern) {
    if (Seen(pattern)) return;
    seen_[pattern] = round_;
    Consider(pattern, 0, ordinal);
  };
  normal_.clear();
  if (rule_ != MatchRule::kContains) {
    if (patterns_of_normal_.empty()) return;
    // The stem's form is the start of the whole name's.
    AppendNormalised(std::span(name_.codes).first(stem_), normal_);
    const std::size_t stem_form = normal_.size();
    AppendNormalised(std::span(name_.codes).subspan(stem_), normal_);
    for (const std::string_view form : {std::string_view(normal_), std::string_view(normal_).substr(0, stem_form)}) {
      const auto found = normal_forms_by_text_.Find(form);
      if (found) std::for_each(patterns_of_normal_[*found].begin(), patterns_of_normal_[*found].end(), equal);
      if (stem_ == 0) break;
    }
    return;
  }
  if (!normal_forms_) return;
  normal_starts_.clear();
  for (const std::uint32_t code : name_.codes) {
    const std::size_t before = normal_.size();
    AppendNormalised(std::span(&code, 1), normal_);
    normal_starts_.resize(normal_.size(), 0);
    if (normal_.size() > before) normal_starts_[before] = 1;
  }
  normal_forms_->ForEachMatch(normal_, [&](std::uint32_t form, std::size_t start) {
    if (normal_starts_[start]) std::for_each(patterns_of_normal_[form].begin(), patterns_of_normal_[form].end(), equal);
  });
}

// How many of the keyword's characters the name's buckets can hold.
std::size_t SuggestionFinder::Shared(const Pattern& pattern, const std::array<std::uint16_t, 64>& name) {
  std::size_t shared = 0;
  for (const auto& [bucket, count] : pattern.buckets) shared += std::min(count, name[bucket]);
  return shared;
}

void SuggestionFinder::Measure(std::uint32_t pattern, std::uint32_t ordinal) {
  seen_[pattern] = round_;
  ++measured_now_;
  const Pattern& keyword = patterns_[pattern];
  const std::span<const std::uint32_t> name(name_.codes);
  int edits = keyword.allowed + 1;
  if (rule_ == MatchRule::kContains) {
    const std::size_t size = keyword.codes.size();
    if (size <= Shared(keyword, whole_buckets_) + keyword.allowed) {
      edits = BoundedEditsToPart(keyword.codes, name, keyword.allowed);
    }
  } else {
    const std::size_t size = keyword.codes.size();
    if (SizesAllow(size, name.size(), keyword.allowed) && CountsAllow(keyword, whole_buckets_, name.size())) {
      edits = BoundedEdits(keyword.codes, name, keyword.allowed);
    }
    if (stem_ > 0 && edits > 0 && SizesAllow(size, stem_, keyword.allowed) &&
        CountsAllow(keyword, stem_buckets_, stem_)) {
      edits = std::min(edits, BoundedEdits(keyword.codes, name.first(stem_), keyword.allowed));
    }
  }
  if (edits <= keyword.allowed) Consider(pattern, edits, ordinal);
}

bool SuggestionFinder::CountsAllow(const Pattern& pattern, const std::array<std::uint16_t, 64>& form, std::size_t size) {
  const std::size_t shared = Shared(pattern, form);
  return pattern.codes.size() <= shared + pattern.allowed && size <= shared + pattern.allowed;
}

void SuggestionFinder::Consider(std::uint32_t pattern, int edits, std::uint32_t ordinal) {
  near_now_.push_back({pattern, static_cast<std::int8_t>(edits)});
  Pattern& keyword = patterns_[pattern];
  std::size_t at = keyword.kept;
  while (at > 0 && keyword.best[at - 1].edits > edits) --at;
  if (at == kKept) return;
  const std::size_t kept = std::min(keyword.kept + 1, kKept);
  for (std::size_t move = kept - 1; move > at; --move) keyword.best[move] = keyword.best[move - 1];
  keyword.best[at] = {ordinal, edits};
  keyword.kept = kept;
}

std::span<const Suggestion> SuggestionFinder::Of(std::size_t keyword) const {
  const std::uint32_t pattern = pattern_of_keyword_[keyword];
  if (pattern == kNone) return {};
  return std::span(patterns_[pattern].best).first(patterns_[pattern].kept);
}

}  // namespace vorlix::app
