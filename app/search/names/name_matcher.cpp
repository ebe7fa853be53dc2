#include "app/search/names/name_matcher.h"

#include <algorithm>

namespace vorlix::app {

NameMatcher::NameMatcher(std::span<const std::string> keywords, MatchRule rule, NameEncoding encoding)
    : rule_(rule), encoding_(encoding), keyword_count_(keywords.size()) {
  // Patterns are numbered in the order of their first keyword.
  std::vector<std::uint32_t> pattern_of_keyword(keywords.size(), UINT32_MAX);
  std::vector<std::uint32_t> copies;
  LoweredName lowered;
  for (std::uint32_t keyword = 0; keyword < keywords.size(); ++keyword) {
    if (keywords[keyword].empty()) continue;
    lowered.Assign(keywords[keyword], encoding);
    const auto [pattern, added] = patterns_.Add(lowered.text());
    if (added) copies.push_back(0);
    pattern_of_keyword[keyword] = pattern;
    ++copies[pattern];
  }
  first_keyword_.assign(copies.size() + 1, 0);
  for (std::size_t pattern = 0; pattern < copies.size(); ++pattern) {
    first_keyword_[pattern + 1] = first_keyword_[pattern] + copies[pattern];
  }
  keyword_of_pattern_.resize(first_keyword_.back());
  std::vector<std::uint32_t> filled(first_keyword_.begin(), first_keyword_.end() - 1);
  for (std::uint32_t keyword = 0; keyword < keywords.size(); ++keyword) {
    if (pattern_of_keyword[keyword] != UINT32_MAX) keyword_of_pattern_[filled[pattern_of_keyword[keyword]]++] = keyword;
  }
  if (rule == MatchRule::kContains) {
    std::vector<std::string_view> patterns(copies.size());
    for (std::uint32_t pattern = 0; pattern < patterns.size(); ++pattern) patterns[pattern] = patterns_.Text(pattern);
    automaton_.emplace(patterns);
  }
}

NameKeys KeysOf(const LoweredName& name) {
  const std::string_view stem = name.WithoutLastExtension();
  return {TextTable::SeenKey(HashText(name.text())), stem.empty() ? 0 : TextTable::SeenKey(HashText(stem)),
          !stem.empty()};
}

std::optional<std::uint32_t> NameMatcher::PatternOf(std::string_view lowered) const { return patterns_.Find(lowered); }

void NameMatcher::AppendKeywordsOf(std::uint32_t pattern, std::vector<std::uint32_t>& keywords) const {
  keywords.insert(keywords.end(), keyword_of_pattern_.begin() + first_keyword_[pattern],
                  keyword_of_pattern_.begin() + first_keyword_[pattern + 1]);
}

void NameMatcher::Match(const LoweredName& name, Scratch& scratch, std::vector<std::uint32_t>& keywords,
                        const NameKeys* keys) const {
  keywords.clear();
  if (rule_ == MatchRule::kContains) return MatchContained(name, scratch, keywords);
  const auto whole = keys && !patterns_.MayHold(keys->whole) ? std::nullopt : PatternOf(name.text());
  if (whole) AppendKeywordsOf(*whole, keywords);
  if (rule_ == MatchRule::kExactWhole) return;
  const std::string_view stem = name.WithoutLastExtension();
  const bool stem_ruled_out = keys && !patterns_.MayHold(keys->stem);
  const auto without_extension = stem.empty() || stem_ruled_out ? std::nullopt : PatternOf(stem);
  if (!without_extension) return;
  const std::size_t of_whole = keywords.size();
  AppendKeywordsOf(*without_extension, keywords);
  std::inplace_merge(keywords.begin(), keywords.begin() + of_whole, keywords.end());
}

void NameMatcher::MatchContained(const LoweredName& name, Scratch& scratch, std::vector<std::uint32_t>& keywords) const {
  if (++scratch.round_ == 0 || scratch.seen_in_round_.size() != first_keyword_.size() - 1) {
    scratch.seen_in_round_.assign(first_keyword_.size() - 1, 0);
    scratch.round_ = 1;
  }
  scratch.patterns_.clear();
  automaton_->ForEachMatch(name.text(), [&](std::uint32_t pattern, std::size_t start) {
    if (scratch.seen_in_round_[pattern] == scratch.round_ || !name.StartsCharacter(start)) return;
    scratch.seen_in_round_[pattern] = scratch.round_;
    scratch.patterns_.push_back(pattern);
  });
  for (const std::uint32_t pattern : scratch.patterns_) AppendKeywordsOf(pattern, keywords);
  if (scratch.patterns_.size() > 1) std::sort(keywords.begin(), keywords.end());
}

}  // namespace vorlix::app
