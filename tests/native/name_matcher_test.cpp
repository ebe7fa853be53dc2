#include "app/search/names/name_matcher.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "runtime/commands/text_measure.h"
#include "runtime/commands/text_search.h"
#include "runtime/commands/text_transform.h"

namespace vorlix::app {
namespace {

using Indices = std::vector<std::uint32_t>;

Indices MatchOf(const NameMatcher& matcher, std::string_view name) {
  LoweredName lowered;
  lowered.Assign(name, matcher.encoding());
  NameMatcher::Scratch scratch;
  Indices found;
  matcher.Match(lowered, scratch, found);
  return found;
}

Indices MatchOf(std::vector<std::string> keywords, MatchRule rule, std::string_view name,
                NameEncoding encoding = NameEncoding::kGbk) {
  return MatchOf(NameMatcher(keywords, rule, encoding), name);
}

// The search's own test, one name and one keyword at a time, written with
// the text commands it is defined by.
bool GbkReferenceMatches(std::string_view name, std::string_view keyword, MatchRule rule) {
  const core::Text n = commands::ToLower(name);
  const core::Text k = commands::ToLower(keyword);
  if (rule == MatchRule::kContains) return commands::FindText(n, k) != -1;
  if (n == k) return true;
  if (rule == MatchRule::kExactWhole) return false;
  const std::int32_t dot = commands::FindTextReverse(n, ".");
  return dot > 1 && k == commands::TextLeft(n, dot - 1);
}

// The same test on UTF-8 names: a character starts at every byte outside
// 0x80-0xBF, and only ASCII bytes have a case.
bool Utf8ReferenceMatches(std::string_view name, std::string_view keyword, MatchRule rule) {
  std::string n(name), k(keyword);
  for (auto* text : {&n, &k}) {
    for (char& c : *text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  }
  if (rule == MatchRule::kContains) {
    for (std::size_t at = 0; at + k.size() <= n.size(); ++at) {
      if ((static_cast<unsigned char>(n[at]) & 0xC0) != 0x80 && n.compare(at, k.size(), k) == 0) return true;
    }
    return false;
  }
  if (n == k) return true;
  if (rule == MatchRule::kExactWhole) return false;
  const std::size_t dot = n.rfind('.');
  return dot != std::string::npos && dot > 0 && k == n.substr(0, dot);
}

// Random texts from pieces that make the rules bite: both cases, dots,
// double-byte characters whose trail byte is a letter or a dot, GB18030
// four-byte sequences, a lone lead byte; or, for UTF-8, multi-byte
// characters and stray bytes.
class RandomNames {
 public:
  RandomNames(NameEncoding encoding, unsigned seed) : random_(seed) {
    if (encoding == NameEncoding::kGbk) {
      pieces_ = {"a", "A", "b", "B", ".", "1", "\x81\x41", "\x81\x61", "\xD6\x41", "\xB0\x62", "\xD6\xD0",
                 "\x81\x2E", "\x81\x30\x81\x30", "\x95\x5C"};
    } else {
      pieces_ = {"a", "A", "b", "B", ".", "1", "\xC3\xA9", "\xC3\x89", "\xE4\xB8\xAD", "\xC3", "\x80", "\xE4\xB8"};
    }
  }

  std::string Next(std::size_t max_pieces) {
    std::string text;
    const std::size_t count = 1 + random_() % max_pieces;
    for (std::size_t i = 0; i < count; ++i) text += pieces_[random_() % pieces_.size()];
    return text;
  }

  // A keyword: mostly a piece of a known name (so that matches happen),
  // with its case flipped at times.
  std::string KeywordFrom(const std::vector<std::string>& names) {
    if (random_() % 4 == 0) return Next(3);
    const std::string& name = names[random_() % names.size()];
    const std::size_t start = random_() % name.size();
    std::string keyword = name.substr(start, 1 + random_() % (name.size() - start));
    if (random_() % 2) {
      for (char& c : keyword) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
    }
    return keyword;
  }

  unsigned Below(unsigned bound) { return random_() % bound; }

 private:
  std::mt19937 random_;
  std::vector<std::string> pieces_;
};

void ExpectSameAsReference(NameEncoding encoding, MatchRule rule, unsigned seed) {
  RandomNames random(encoding, seed);
  std::vector<std::string> names;
  for (int i = 0; i < 400; ++i) names.push_back(random.Next(8));
  std::vector<std::string> keywords;
  for (int i = 0; i < 60; ++i) keywords.push_back(random.KeywordFrom(names));
  for (int i = 0; i < 10; ++i) keywords.push_back(keywords[random.Below(keywords.size())]);  // duplicates
  const NameMatcher matcher(keywords, rule, encoding);
  const auto reference = encoding == NameEncoding::kGbk ? GbkReferenceMatches : Utf8ReferenceMatches;
  for (const std::string& name : names) {
    Indices expected;
    for (std::uint32_t k = 0; k < keywords.size(); ++k) {
      if (reference(name, keywords[k], rule)) expected.push_back(k);
    }
    ASSERT_EQ(MatchOf(matcher, name), expected) << "name " << testing::PrintToString(name) << " seed " << seed;
    LoweredName lowered;
    lowered.Assign(name, encoding);
    const NameKeys keys = KeysOf(lowered);
    if (!expected.empty()) {
      ASSERT_TRUE(matcher.MayMatch(keys)) << "keys turned away " << testing::PrintToString(name);
    }
    NameMatcher::Scratch scratch;
    Indices keyed;
    matcher.Match(lowered, scratch, keyed, &keys);
    ASSERT_EQ(keyed, expected) << "with its keys, name " << testing::PrintToString(name) << " seed " << seed;
  }
}

class MatcherAgainstReference : public testing::TestWithParam<std::tuple<NameEncoding, MatchRule>> {};

TEST_P(MatcherAgainstReference, gives_the_keywords_the_direct_test_gives_on_generated_names) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    ExpectSameAsReference(std::get<0>(GetParam()), std::get<1>(GetParam()), seed);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryRule, MatcherAgainstReference,
                         testing::Combine(testing::Values(NameEncoding::kGbk, NameEncoding::kUtf8),
                                          testing::Values(MatchRule::kExactFile, MatchRule::kExactWhole,
                                                          MatchRule::kContains)));

struct Case {
  std::vector<std::string> keywords;
  MatchRule rule;
  std::string name;
  Indices expected;
};

class MatcherCases : public testing::TestWithParam<Case> {};

TEST_P(MatcherCases, match_as_the_rules_say) {
  const Case& c = GetParam();
  EXPECT_EQ(MatchOf(c.keywords, c.rule, c.name), c.expected) << testing::PrintToString(c.name);
}

constexpr auto kExact = MatchRule::kExactFile;
constexpr auto kWhole = MatchRule::kExactWhole;
constexpr auto kFuzzy = MatchRule::kContains;

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, MatcherCases,
    testing::Values(
        // Exact: the whole name or the name without its last extension, any case.
        Case{{"report"}, kExact, "report.doc", {0}}, Case{{"report"}, kExact, "Report.DOC", {0}},
        Case{{"report"}, kExact, "report", {0}}, Case{{"report"}, kExact, "report.doc.bak", {}},
        Case{{"report"}, kExact, "myreport.doc", {}}, Case{{"report.doc"}, kExact, "Report.Doc", {0}},
        Case{{"report.doc"}, kExact, "report.doc.bak", {0}}, Case{{"archive.tar"}, kExact, "archive.tar.gz", {0}},
        Case{{"archive"}, kExact, "archive.tar.gz", {}},
        // A name whose only dot is its first byte matches only as a whole.
        Case{{".bashrc"}, kExact, ".bashrc", {0}}, Case{{"bashrc"}, kExact, ".bashrc", {}},
        Case{{"a."}, kExact, "a..", {0}}, Case{{"a"}, kExact, "a.", {0}},
        // Keywords are literal: * and ? are no wildcards.
        Case{{"*.doc"}, kExact, "a.doc", {}}, Case{{"rep?rt"}, kFuzzy, "report", {}},
        Case{{"*"}, kFuzzy, "a*b", {0}},
        // Fuzzy: anywhere, extension included, one row per keyword copy.
        Case{{".jpg"}, kFuzzy, "a.jpg.txt", {0}}, Case{{"a", "b"}, kFuzzy, "ab.txt", {0, 1}},
        Case{{"b", "x", "b", "A"}, kFuzzy, "ab", {0, 2, 3}}, Case{{"an"}, kFuzzy, "banana", {0}},
        Case{{"report", "REPORT", "report.doc"}, kExact, "report.doc", {0, 1, 2}},
        // A folder name is compared whole, its dots included.
        Case{{"photos"}, kWhole, "PHOTOS", {0}}, Case{{"photos"}, kWhole, "photos.old", {}},
        // Double-byte characters: a match never starts on a trail byte and a
        // trail byte that looks like a capital is not lowered.
        Case{{"a"}, kFuzzy, "\x81\x61", {}}, Case{{"a"}, kFuzzy, "\x81\x41", {}},
        Case{{"\x81\x41"}, kFuzzy, "x\x81\x41", {0}}, Case{{"\x81\x61"}, kFuzzy, "\x81\x41", {}},
        Case{{"\x81\x41" "B"}, kExact, "\x81\x41" "b.txt", {0}},
        Case{{"\\"}, kFuzzy, "\x95\x5C", {}},
        // A GB18030 four-byte sequence walks as two double-byte characters.
        Case{{"\x81\x30"}, kFuzzy, "\x81\x30\x81\x30", {0}}, Case{{"0"}, kFuzzy, "\x81\x30\x81\x30", {}}));

TEST(NameMatcher, utf8_names_match_byte_for_byte_and_only_at_character_starts) {
  const std::vector<std::string> keywords{"\xE4\xB8\xAD", "\xB8\xAD", "\xC3\x89"};
  EXPECT_EQ(MatchOf(keywords, kFuzzy, "a\xE4\xB8\xAD.txt", NameEncoding::kUtf8), (Indices{0}));
  // Only ASCII letters have a case: É (C3 89) is not é (C3 A9).
  EXPECT_EQ(MatchOf(keywords, kFuzzy, "\xC3\xA9", NameEncoding::kUtf8), Indices{});
  // Invalid UTF-8 is still compared as bytes.
  EXPECT_EQ(MatchOf({"\xFF" "a"}, kExact, "\xFF" "A.txt", NameEncoding::kUtf8), (Indices{0}));
}

TEST(NameMatcher, keys_turn_away_nearly_every_name_that_matches_no_exact_keyword) {
  std::vector<std::string> keywords;
  for (int i = 0; i < 1000; ++i) keywords.push_back("photo-" + std::to_string(i));
  for (const MatchRule rule : {MatchRule::kExactFile, MatchRule::kExactWhole, MatchRule::kContains}) {
    const NameMatcher matcher(keywords, rule, NameEncoding::kUtf8);
    int may = 0;
    LoweredName lowered;
    for (int i = 0; i < 20000; ++i) {
      lowered.Assign("IMG_" + std::to_string(i) + ".JPG", NameEncoding::kUtf8);
      may += matcher.MayMatch(KeysOf(lowered));
    }
    if (rule == MatchRule::kContains) {
      EXPECT_EQ(may, 20000) << "a contained keyword cannot be told by keys";
    } else {
      EXPECT_LT(may, 20000 / 16) << "rule " << static_cast<int>(rule);
    }
  }
  LoweredName lowered;
  lowered.Assign("Photo-7.Raw", NameEncoding::kUtf8);
  EXPECT_TRUE(NameMatcher(keywords, MatchRule::kExactFile, NameEncoding::kUtf8).MayMatch(KeysOf(lowered)));
  EXPECT_FALSE(NameMatcher(std::vector<std::string>{}, MatchRule::kExactFile, NameEncoding::kUtf8)
                   .MayMatch(KeysOf(lowered)))
      << "no keyword at all";
}

TEST(NameMatcher, an_empty_keyword_matches_nothing) {
  EXPECT_EQ(MatchOf({"", "a"}, kFuzzy, "a"), (Indices{1}));
  EXPECT_EQ(MatchOf({""}, kExact, ""), Indices{});
}

TEST(NameMatcher, one_scratch_serves_many_names) {
  const std::vector<std::string> keywords{"a", "b"};
  const NameMatcher matcher(keywords, kFuzzy, NameEncoding::kGbk);
  NameMatcher::Scratch scratch;
  LoweredName name;
  Indices found;
  for (const auto& [text, expected] : std::vector<std::pair<std::string, Indices>>{{"ab", {0, 1}}, {"b", {1}}, {"ba", {0, 1}}, {"c", {}}}) {
    name.Assign(text, NameEncoding::kGbk);
    matcher.Match(name, scratch, found);
    EXPECT_EQ(found, expected) << text;
  }
}

}  // namespace
}  // namespace vorlix::app
