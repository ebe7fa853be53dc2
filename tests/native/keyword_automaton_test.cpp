#include "app/search/names/keyword_automaton.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vorlix::app {
namespace {

using Occurrences = std::set<std::pair<std::uint32_t, std::size_t>>;  // pattern, start

Occurrences Found(const KeywordAutomaton& automaton, std::string_view text) {
  Occurrences found;
  automaton.ForEachMatch(text, [&](std::uint32_t pattern, std::size_t start) {
    EXPECT_TRUE(found.emplace(pattern, start).second) << "reported twice";
  });
  return found;
}

Occurrences Naive(const std::vector<std::string_view>& patterns, std::string_view text) {
  Occurrences found;
  for (std::uint32_t p = 0; p < patterns.size(); ++p) {
    for (std::size_t at = text.find(patterns[p]); at != std::string_view::npos; at = text.find(patterns[p], at + 1)) {
      found.emplace(p, at);
    }
  }
  return found;
}

// Both forms, the full table and the sparse edges with failure links, find
// every occurrence of every pattern, overlapping ones and patterns inside
// patterns included.
TEST(KeywordAutomaton, both_forms_find_every_occurrence) {
  std::mt19937 random(7);
  const std::string alphabet = "aab.\x81\xFE";
  for (unsigned round = 0; round < 30; ++round) {
    std::set<std::string> distinct;
    while (distinct.size() < 1u + round % 20) {
      std::string pattern;
      for (std::size_t n = 1 + random() % 5; n > 0; --n) pattern += alphabet[random() % alphabet.size()];
      distinct.insert(pattern);
    }
    const std::vector<std::string> owned(distinct.begin(), distinct.end());
    const std::vector<std::string_view> patterns(owned.begin(), owned.end());
    const KeywordAutomaton dense(patterns);
    const KeywordAutomaton sparse(patterns, 0);
    ASSERT_TRUE(dense.dense());
    ASSERT_FALSE(sparse.dense());
    for (int t = 0; t < 20; ++t) {
      std::string text;
      for (std::size_t n = random() % 40; n > 0; --n) text += alphabet[random() % alphabet.size()];
      const Occurrences expected = Naive(patterns, text);
      EXPECT_EQ(Found(dense, text), expected) << text;
      EXPECT_EQ(Found(sparse, text), expected) << text;
    }
  }
}

TEST(KeywordAutomaton, bytes_no_pattern_uses_lead_back_to_the_start) {
  const std::vector<std::string_view> patterns{"abc", "bcd"};
  const KeywordAutomaton automaton(patterns);
  EXPECT_EQ(Found(automaton, "abzbcd"), (Occurrences{{1, 3}}));
  EXPECT_EQ(Found(automaton, "abcd"), (Occurrences{{0, 0}, {1, 1}}));
}

TEST(KeywordAutomaton, no_patterns_find_nothing) {
  const KeywordAutomaton automaton(std::span<const std::string_view>{});
  EXPECT_EQ(Found(automaton, "anything"), Occurrences{});
}

}  // namespace
}  // namespace vorlix::app
