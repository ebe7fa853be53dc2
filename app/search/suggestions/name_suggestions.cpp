#include "app/search/suggestions/name_suggestions.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <thread>
#include <unordered_map>

#include "app/search/names/suggestion_finder.h"

namespace vorlix::app {
namespace {

// Enough names to tell the common pieces of text from the rare ones.
constexpr std::size_t kSampleSize = 2048;
// Names are shared out between two threads in stretches of this many,
// turn about, so that a part of the tree that costs more (a camera's
// folders) falls to both; each stretch takes a few milliseconds, and a stop
// is looked for before each.
constexpr std::size_t kStretch = 4096;
// Fewer names are not worth a second thread.
constexpr std::size_t kSharedFrom = 65536;

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

// Offers the names of every `parts`-th stretch of kStretch names, from
// stretch `part` on, in walk order; false when `should_stop`, polled at the
// start of each stretch, said stop.
bool OfferStretches(SuggestionFinder& finder, const WalkedFiles& walked, NameEncoding encoding, std::size_t part,
                    std::size_t parts, const std::function<bool()>& should_stop) {
  LoweredName lowered;
  std::size_t ordinal = 0;
  bool stopped = false;
  walked.ForEach([&](std::string_view, std::string_view name) {
    const std::size_t stretch = ordinal / kStretch;
    if (stretch % parts == part) {
      if (ordinal % kStretch == 0 && should_stop()) return !(stopped = true);
      lowered.Assign(name, encoding);
      finder.Offer(lowered.text(), static_cast<std::uint32_t>(ordinal));
    }
    ++ordinal;
    return true;
  });
  return !stopped;
}

// Both halves' nearest, nearest first and then in walk order.
std::vector<Suggestion> Merged(std::span<const Suggestion> first, std::span<const Suggestion> second) {
  std::vector<Suggestion> merged;
  std::merge(first.begin(), first.end(), second.begin(), second.end(), std::back_inserter(merged),
             [](const Suggestion& a, const Suggestion& b) {
               return a.edits != b.edits ? a.edits < b.edits : a.ordinal < b.ordinal;
             });
  merged.resize(std::min(merged.size(), SuggestionFinder::kKept));
  return merged;
}

// The nearest files of each keyword. Half the names go to a thread of
// their own: the walk has ended, so the processor it used is free. The
// calling thread alone polls `should_stop`.
std::optional<std::vector<std::vector<Suggestion>>> Nearest(std::span<const std::string> keywords, MatchRule rule,
                                                            NameEncoding encoding, const WalkedFiles& walked,
                                                            const std::function<bool()>& should_stop) {
  const std::vector<std::string> sample = Sample(walked, encoding);
  const std::size_t parts = walked.size() >= kSharedFrom ? 2 : 1;
  std::optional<SuggestionFinder> second;
  std::atomic<bool> stopping = false;
  std::thread helper;
  if (parts == 2) {
    helper = std::thread([&] {
      second.emplace(keywords, rule, encoding, sample);
      OfferStretches(*second, walked, encoding, 1, parts, [&stopping] { return stopping.load(); });
    });
  }
  SuggestionFinder first(keywords, rule, encoding, sample);
  const bool offered = OfferStretches(first, walked, encoding, 0, parts, [&] { return stopping = should_stop(); });
  if (helper.joinable()) helper.join();
  if (!offered || stopping) return std::nullopt;
  std::vector<std::vector<Suggestion>> nearest(keywords.size());
  for (std::size_t keyword = 0; keyword < keywords.size(); ++keyword) {
    nearest[keyword] = Merged(first.Of(keyword), second ? second->Of(keyword) : std::span<const Suggestion>());
  }
  return nearest;
}

}  // namespace

std::optional<std::vector<std::vector<std::string>>> SuggestPaths(std::span<const std::string> keywords,
                                                                  MatchRule rule, NameEncoding encoding,
                                                                  const WalkedFiles& walked, bool lowered_paths,
                                                                  const std::function<bool()>& should_stop) {
  const auto nearest = Nearest(keywords, rule, encoding, walked, should_stop);
  if (!nearest) return std::nullopt;
  std::unordered_map<std::uint32_t, std::string> paths;
  for (const auto& of_keyword : *nearest) {
    for (const Suggestion& suggestion : of_keyword) paths.emplace(suggestion.ordinal, std::string());
  }
  std::uint32_t ordinal = 0;
  std::uint32_t last_wanted = 0;
  for (const auto& [wanted, path] : paths) last_wanted = std::max(last_wanted, wanted);
  LoweredName lowered;
  if (!paths.empty()) {
    walked.ForEach([&](std::string_view folder, std::string_view name) {
      if (ordinal > last_wanted) return false;
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
    for (const Suggestion& suggestion : (*nearest)[keyword]) result[keyword].push_back(paths[suggestion.ordinal]);
  }
  return result;
}

}  // namespace vorlix::app
