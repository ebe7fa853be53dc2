#include "app/search/names/suggestion_finder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace vorlix::app {
namespace {

struct Found {
  std::uint32_t ordinal;
  int edits;
  bool operator==(const Found&) const = default;
};
using PerKeyword = std::vector<std::vector<Found>>;

std::string Lowered(std::string_view text, NameEncoding encoding) {
  LoweredName lowered;
  lowered.Assign(text, encoding);
  return std::string(lowered.text());
}

PerKeyword Filtered(const std::vector<std::string>& keywords, MatchRule rule, NameEncoding encoding,
                    const std::vector<std::string>& names, const std::vector<std::string>& sample) {
  SuggestionFinder finder(keywords, rule, encoding, sample);
  for (std::uint32_t at = 0; at < names.size(); ++at) finder.Offer(Lowered(names[at], encoding), at);
  PerKeyword result;
  for (std::size_t keyword = 0; keyword < keywords.size(); ++keyword) {
    result.emplace_back();
    for (const Suggestion& s : finder.Of(keyword)) result.back().push_back({s.ordinal, s.edits});
  }
  return result;
}

// The textbook table, whole, unbounded.
int PlainEdits(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = static_cast<int>(i);
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] != b[j - 1])});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

std::string Normal(const std::vector<std::uint32_t>& codes) {
  std::string normal;
  AppendNormalised(codes, normal);
  return normal;
}

// Every keyword against every name, every form and every part of it.
PerKeyword AllPairs(const std::vector<std::string>& keywords, MatchRule rule, NameEncoding encoding,
                    const std::vector<std::string>& names) {
  PerKeyword result;
  CharacterCodes k, n;
  for (const std::string& keyword : keywords) {
    result.emplace_back();
    if (keyword.empty()) continue;
    k.Assign(Lowered(keyword, encoding), encoding);
    const int allowed = k.size() <= 8 ? 1 : 2;
    const std::string normal = Normal(k.codes);
    std::vector<Found> near;
    for (std::uint32_t at = 0; at < names.size(); ++at) {
      n.Assign(Lowered(names[at], encoding), encoding);
      std::vector<std::vector<std::uint32_t>> forms;
      if (rule == MatchRule::kContains) {
        for (std::size_t first = 0; first <= n.size(); ++first) {
          for (std::size_t end = first; end <= n.size(); ++end) forms.emplace_back(n.codes.begin() + first, n.codes.begin() + end);
        }
      } else {
        forms.push_back(n.codes);
        for (std::size_t dot = n.size(); rule == MatchRule::kExactFile && dot-- > 1;) {
          if (n.codes[dot] == '.') {
            forms.emplace_back(n.codes.begin(), n.codes.begin() + dot);
            break;
          }
        }
      }
      int best = allowed + 1;
      for (const auto& form : forms) {
        best = std::min(best, !normal.empty() && Normal(form) == normal ? 0 : PlainEdits(k.codes, form));
      }
      if (best <= allowed) near.push_back({at, best});
    }
    std::stable_sort(near.begin(), near.end(), [](const Found& a, const Found& b) { return a.edits < b.edits; });
    near.resize(std::min<std::size_t>(near.size(), 3));
    result.back() = near;
  }
  return result;
}

// Characters chosen so that random texts meet often: separators, letters in
// both cases, digits, their full-width forms, double-byte characters and
// the ideographic space.
const std::vector<std::string> kGbkCharacters = {"a", "b", "A", "1", "2", "_", ".", "-", " ", "\xb0\xa1", "\xd6\xd0",
                                                 "\xa3\xb1", "\xa3\xc1", "\xa3\xe1", "\xa1\xa1", "c", "x"};
const std::vector<std::string> kUtf8Characters = {"a", "b", "A", "1", "2", "_", ".", "-", " ", "\xc3\xa9", "\xe4\xb8\xad",
                                                  "\xef\xbc\x91", "\xef\xbc\xa1", "\xe3\x80\x80", "c", "x"};

std::string RandomText(std::mt19937& random, const std::vector<std::string>& characters, std::size_t longest) {
  std::string text;
  const std::size_t size = std::uniform_int_distribution<std::size_t>(0, longest)(random);
  for (std::size_t at = 0; at < size; ++at) text += characters[random() % characters.size()];
  return text;
}

// A name with a few characters inserted, removed, changed or swapped.
std::string Edited(std::mt19937& random, const std::vector<std::string>& characters, std::string_view text,
                   NameEncoding encoding) {
  CharacterCodes codes;
  codes.Assign(text, encoding);
  std::vector<std::string> parts;
  for (std::size_t at = 0; at < codes.size(); ++at) parts.emplace_back(text.substr(codes.starts[at], codes.starts[at + 1] - codes.starts[at]));
  const int edits = static_cast<int>(random() % 4);
  for (int edit = 0; edit < edits; ++edit) {
    const std::size_t at = parts.empty() ? 0 : random() % parts.size();
    switch (random() % 4) {
      case 0: parts.insert(parts.begin() + at, characters[random() % characters.size()]); break;
      case 1: if (!parts.empty()) parts.erase(parts.begin() + at); break;
      case 2: if (!parts.empty()) parts[at] = characters[random() % characters.size()]; break;
      default: if (at + 1 < parts.size()) std::swap(parts[at], parts[at + 1]);
    }
  }
  std::string edited;
  for (const auto& part : parts) edited += part;
  return edited;
}

void ExpectFilterEqualsAllPairs(NameEncoding encoding, const std::vector<std::string>& characters) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 100; ++round) {
    std::vector<std::string> names;
    const std::size_t name_count = 1 + random() % 40;
    for (std::size_t at = 0; at < name_count; ++at) {
      // Repeated names give many equal candidates; ".x" has an empty stem.
      if (!names.empty() && random() % 5 == 0) {
        names.push_back(names[random() % names.size()]);
      } else {
        names.push_back(RandomText(random, characters, random() % 3 == 0 ? 3 : 14) + (random() % 2 ? ".jpg" : ""));
      }
    }
    std::vector<std::string> keywords;
    for (int at = 0; at < 6; ++at) {
      keywords.push_back(random() % 3 == 0 ? RandomText(random, characters, 12)
                                           : Edited(random, characters, names[random() % names.size()], encoding));
    }
    std::vector<std::string> sample;
    for (const auto& name : names) {
      if (random() % 2) sample.push_back(Lowered(name, encoding));
    }
    for (const MatchRule rule : {MatchRule::kExactFile, MatchRule::kExactWhole, MatchRule::kContains}) {
      ASSERT_EQ(Filtered(keywords, rule, encoding, names, sample), AllPairs(keywords, rule, encoding, names))
          << "round " << round << ", rule " << static_cast<int>(rule);
    }
  }
}

TEST(SuggestionFinder, filtered_suggestions_equal_every_keyword_against_every_name_in_gbk) {
  ExpectFilterEqualsAllPairs(NameEncoding::kGbk, kGbkCharacters);
}

TEST(SuggestionFinder, filtered_suggestions_equal_every_keyword_against_every_name_in_utf8) {
  ExpectFilterEqualsAllPairs(NameEncoding::kUtf8, kUtf8Characters);
}

struct Example {
  const char* keyword;
  MatchRule rule;
  std::vector<Found> expected;
};

// The lists people paste: a swap, a lost separator, a lost digit, a
// full-width digit, a stray space, a double-byte character changed; and
// one name near many files, where the nearest come first and then the
// first met.
TEST(SuggestionFinder, finds_the_typing_slips_of_pasted_lists) {
  const std::vector<std::string> names = {"IMG_1243.JPG", "DSC_1234.JPG", "20230115093012567.jpg",
                                          "\xbb\xe1\xd2\xe9\xbc\xcd\xd2\xaa.docx",  // 会议纪要
                                          "IMG_1234.CR2", "img_1235.jpg", "IMG_1236.jpg", "IMG_2234.jpg"};
  const std::vector<Example> examples = {
      {"IMG_1243", MatchRule::kExactFile, {{0, 0}, {4, 1}}},
      {"IMG_1234", MatchRule::kExactFile, {{4, 0}, {0, 1}, {5, 1}}},
      {"DSC1234", MatchRule::kExactFile, {{1, 0}}},
      {"2023011509301256", MatchRule::kExactFile, {{2, 1}}},
      {"2023011509301256", MatchRule::kContains, {{2, 0}}},
      {"IMG_\xa3\xb1" "243", MatchRule::kExactFile, {{0, 0}}},  // a full-width 1
      {"IMG_1243 ", MatchRule::kExactFile, {{0, 0}, {4, 2}, {5, 2}}},  // nine characters: two edits
      {"\xbb\xe1\xd2\xe9\xbc\xcd\xc2\xbc", MatchRule::kExactFile, {{3, 1}}},  // 会议纪录
      {"MG_124", MatchRule::kContains, {{0, 0}, {4, 1}, {5, 1}}},
      {"zzzz", MatchRule::kExactFile, {}},
  };
  for (const Example& example : examples) {
    const std::vector<std::string> keywords{example.keyword};
    EXPECT_EQ(Filtered(keywords, example.rule, NameEncoding::kGbk, names, {})[0], example.expected) << example.keyword;
  }
}

}  // namespace
}  // namespace vorlix::app
