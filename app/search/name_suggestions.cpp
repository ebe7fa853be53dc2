#include "app/search/name_suggestions.h"

#include <algorithm>
#include <unordered_map>

#include "app/search/suggestion_finder.h"

namespace vorlix::app {
namespace {

// Enough names to tell the common pieces of text from the rare ones.
constexpr std::size_t kSampleSize = 2048;
constexpr std::uint32_t kPollEvery = 4096;

std::vector<std::string> Sample(const WalkedFiles& walked, NameEncoding encoding) {
  const std::size_t stride = std::max<std::size_t>(1, walked.size() / kSampleSize);
  std::vector<std::string> sample;
  std::size_t at = 0;
  LoweredName lowered;
  walked.ForEach([&](std::string_view, std::string_view name) {
    if (at++ % stride == 0) {
      lowered.Assign(name, encoding);
      sample.emplace_back(lowered.text());
    }
    return true;
  });
  return sample;
}

}  // namespace

std::optional<std::vector<std::vector<std::string>>> SuggestPaths(std::span<const std::string> keywords,
                                                                  MatchRule rule, NameEncoding encoding,
                                                                  const WalkedFiles& walked, bool lowered_paths,
                                                                  const std::function<bool()>& should_stop) {
  SuggestionFinder finder(keywords, rule, encoding, Sample(walked, encoding));
  LoweredName lowered;
  std::uint32_t ordinal = 0;
  const bool offered = walked.ForEach([&](std::string_view, std::string_view name) {
    if (ordinal % kPollEvery == 0 && should_stop()) return false;
    lowered.Assign(name, encoding);
    finder.Offer(lowered.text(), ordinal++);
    return true;
  });
  if (!offered) return std::nullopt;

  std::unordered_map<std::uint32_t, std::string> paths;
  for (std::size_t keyword = 0; keyword < keywords.size(); ++keyword) {
    for (const Suggestion& suggestion : finder.Of(keyword)) paths.emplace(suggestion.ordinal, std::string());
  }
  ordinal = 0;
  if (!paths.empty()) {
    walked.ForEach([&](std::string_view folder, std::string_view name) {
      const auto wanted = paths.find(ordinal++);
      if (wanted == paths.end()) return true;
      if (lowered_paths) {
        lowered.Assign(name, encoding);
        name = lowered.text();
      }
      wanted->second.assign(folder).append(name);
      return true;
    });
  }
  std::vector<std::vector<std::string>> result(keywords.size());
  for (std::size_t keyword = 0; keyword < keywords.size(); ++keyword) {
    for (const Suggestion& suggestion : finder.Of(keyword)) result[keyword].push_back(paths[suggestion.ordinal]);
  }
  return result;
}

}  // namespace vorlix::app
