#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/search/names/keyword_automaton.h"
#include "app/search/names/name_matcher.h"
#include "app/search/names/near_text.h"
#include "app/search/names/text_table.h"

namespace vorlix::app {

// A name near a keyword: the name's number in the order the names were
// offered, and the edits between them (0 for names equal in the normalised
// form, see AppendNormalised).
struct Suggestion {
  std::uint32_t ordinal = 0;
  int edits = 0;
};

// The names near each of a few keywords, among many names offered one by
// one. Near: lowered, the keyword and the name (or, by the exact file rule,
// the name without its last extension; by the contains rule, some part of
// the name) are equal in the normalised form, or at most EditsAllowed
// edits apart. Each keyword keeps the three nearest, fewest edits first,
// then in the order offered.
//
// The keywords are indexed, not the names: each keyword is cut into
// EditsAllowed + 1 pieces with a character between neighbours, so that no
// edit (a swap of neighbours included) touches two pieces and a near name
// holds one of them unchanged; by the exact rules no further than the
// allowed edits from where the keyword has it. One automaton finds the
// pieces in a name (by the exact rules, pieces of one character are looked
// up where they may stand instead); only keywords with a piece there are
// measured, after a check of the characters they share. The cuts are made
// where a sample of the names holds the pieces least often. Keywords too
// short for the pieces are measured against every name (by the exact
// rules, only names short enough). A name met again takes what it was
// near the last time, when that is still remembered.
class SuggestionFinder {
 public:
  static constexpr std::size_t kKept = 3;

  // `keywords` as typed (an empty one gets none); `sample`: lowered names
  // like those that will be offered.
  SuggestionFinder(std::span<const std::string> keywords, MatchRule rule, NameEncoding encoding,
                   std::span<const std::string> sample);

  // `ordinal` grows from call to call.
  void Offer(std::string_view lowered_name, std::uint32_t ordinal);

  std::span<const Suggestion> Of(std::size_t keyword) const;

 private:
  struct Pattern {
    std::vector<std::uint32_t> codes;
    int allowed = 1;
    // Its characters by bucket (CharacterBucket) and how many of each.
    std::vector<std::pair<std::uint8_t, std::uint16_t>> buckets;
    std::array<Suggestion, kKept> best{};
    std::size_t kept = 0;
  };
  struct PieceUse {
    std::uint32_t pattern;
    std::uint32_t at;  // the piece's first character in the keyword
  };
  struct Piece {
    std::uint32_t first;
    std::uint32_t end;
  };
  class PieceCounts;
  struct Near {
    std::uint32_t pattern;
    std::int8_t edits;
  };
  // A name that had to be measured, and what it was near: names met again
  // (a camera's IMG_0001.JPG in every folder of shots) take it from here.
  struct Remembered {
    std::uint64_t hash = 0;
    bool filled = false;
    std::uint8_t size = 0;
    std::uint8_t near_count = 0;
    std::array<char, 46> name{};
    std::array<Near, 2> near{};
  };
  static constexpr std::size_t kRemembered = std::size_t{1} << 15;
  // Names measured against fewer keywords are measured again: kept, they
  // would push out the names that cost most.
  static constexpr std::uint32_t kWorthRemembering = 4;

  void AddPatterns(std::span<const std::string> keywords);
  void IndexNormalForms();
  void CutIntoPieces(const PieceCounts& counts);
  std::vector<Piece> CheapestPieces(const Pattern& pattern, const PieceCounts& counts) const;
  void Measure(std::string_view lowered_name, std::uint32_t ordinal);
  void AddSingleCharacterPiece(std::uint32_t pattern, std::size_t at);
  static std::uint64_t SingleKey(std::size_t position, std::uint32_t code);
  void OfferSingleCharacterPieces(std::uint32_t ordinal);
  void OfferNormalForms(std::uint32_t ordinal);
  void Measure(std::uint32_t pattern, std::uint32_t ordinal);
  void Consider(std::uint32_t pattern, int edits, std::uint32_t ordinal);
  bool Seen(std::uint32_t pattern) const { return seen_[pattern] == round_; }
  static std::size_t Shared(const Pattern& pattern, const std::array<std::uint16_t, 64>& name);
  static bool CountsAllow(const Pattern& pattern, const std::array<std::uint16_t, 64>& form, std::size_t size);

  MatchRule rule_;
  NameEncoding encoding_;
  std::vector<Pattern> patterns_;
  std::vector<std::uint32_t> pattern_of_keyword_;
  // Normalised forms: by the exact rules looked up whole, by the contains
  // rule found in the name's normalised form by an automaton.
  TextTable normal_forms_by_text_;
  std::vector<std::vector<std::uint32_t>> patterns_of_normal_;  // by the form's number
  std::optional<KeywordAutomaton> normal_forms_;
  // Pieces: the uses of piece p are [use_first_[p], use_first_[p + 1]).
  std::optional<KeywordAutomaton> pieces_;
  std::vector<std::uint32_t> use_first_;
  std::vector<PieceUse> uses_;
  // By the exact rules, where in a name each piece may stand for any of
  // its uses.
  struct Reach {
    std::int32_t first;
    std::int32_t last;
  };
  std::vector<Reach> reach_;
  std::size_t scanned_characters_ = 0;  // by the exact rules, the most any piece's reach needs
  std::vector<std::uint32_t> measured_always_;
  // By the exact rules, pieces of one character by where they may stand:
  // per position a bit per character bucket, then the keywords by
  // position and character.
  std::vector<std::uint64_t> single_bits_;
  std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> single_pieces_;
  // Per name offered.
  CharacterCodes name_;
  std::size_t stem_ = 0;
  // Its characters by bucket, in the stem and in the whole name.
  std::array<std::uint16_t, 64> stem_buckets_{};
  std::array<std::uint16_t, 64> whole_buckets_{};
  std::string normal_;
  std::vector<std::uint8_t> normal_starts_;
  std::vector<std::int32_t> character_at_;
  std::vector<std::uint32_t> seen_;
  std::uint32_t round_ = 0;
  std::vector<Remembered> remembered_ = std::vector<Remembered>(kRemembered);
  std::uint32_t measured_now_ = 0;  // keywords measured for the name at hand
  std::vector<Near> near_now_;
};

}  // namespace vorlix::app
