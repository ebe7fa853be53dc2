#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/search/names/keyword_automaton.h"
#include "app/search/names/name_text.h"
#include "app/search/names/text_table.h"

namespace vorlix::app {

// How a lowered name is compared with the lowered keywords.
enum class MatchRule {
  // Exact file search: the keyword equals the whole name or the name
  // without its last extension.
  kExactFile,
  // Exact folder-name search: the keyword equals the whole name.
  kExactWhole,
  // Fuzzy search: the keyword occurs in the name, starting at a character.
  kContains,
};

// What the folder index keeps of a file's lowered name, so that a repeat
// search turns most names away without lowering them: the seen keys
// (24 bits, see TextTable) of the name and of the name without its last
// extension (when LoweredName gives one).
struct NameKeys {
  std::uint32_t whole = 0;
  std::uint32_t stem = 0;
  bool has_stem = false;
};
NameKeys KeysOf(const LoweredName& name);

// The keywords of one search, ready to be compared with many names at a
// cost that does not grow with their number: exact rules look the name up
// in a hash table, the contains rule runs one automaton over it.
// Immutable once built, so threads may share it, each with its own Scratch.
class NameMatcher {
 public:
  // Keywords are lowered here; an empty keyword matches nothing.
  NameMatcher(std::span<const std::string> keywords, MatchRule rule, NameEncoding encoding);

  // Working memory of Match for one thread.
  class Scratch {
    friend class NameMatcher;
    std::vector<std::uint32_t> seen_in_round_;
    std::uint32_t round_ = 0;
    std::vector<std::uint32_t> patterns_;
  };

  // Replaces `keywords` with the indices of the keywords that `name`
  // matches, ascending. Each keyword comes once, and each copy of a keyword
  // typed twice comes with its own index. With the name's `keys` (made in
  // this matcher's encoding), a lookup they rule out is not made.
  void Match(const LoweredName& name, Scratch& scratch, std::vector<std::uint32_t>& keywords,
             const NameKeys* keys = nullptr) const;
  // False when the name with these keys matches no keyword, so Match would
  // give none; true when it may. The contains rule always may.
  bool MayMatch(const NameKeys& keys) const {
    if (rule_ == MatchRule::kContains) return true;
    if (patterns_.MayHold(keys.whole)) return true;
    return rule_ == MatchRule::kExactFile && keys.has_stem && patterns_.MayHold(keys.stem);
  }

  MatchRule rule() const { return rule_; }
  NameEncoding encoding() const { return encoding_; }
  std::size_t keyword_count() const { return keyword_count_; }

 private:
  std::optional<std::uint32_t> PatternOf(std::string_view lowered) const;
  void AppendKeywordsOf(std::uint32_t pattern, std::vector<std::uint32_t>& keywords) const;
  void MatchContained(const LoweredName& name, Scratch& scratch, std::vector<std::uint32_t>& keywords) const;

  MatchRule rule_;
  NameEncoding encoding_;
  std::size_t keyword_count_;
  // Distinct lowered keywords ("patterns") and the keyword indices of each:
  // [first_keyword_[p], first_keyword_[p + 1]) in keyword_of_pattern_.
  TextTable patterns_;
  std::vector<std::uint32_t> first_keyword_;
  std::vector<std::uint32_t> keyword_of_pattern_;
  std::optional<KeywordAutomaton> automaton_;
};

}  // namespace vorlix::app
