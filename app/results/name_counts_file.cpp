#include "app/results/name_counts_file.h"

#include <array>
#include <vector>

#include "app/results/csv_text.h"
#include "texts.h"

namespace vorlix::app {
namespace {

// The suggestions start where the column of paths has room for them all.
constexpr std::size_t kSuggestionsField = 2 + kCountsPathsShown;

std::string CountLine(const core::Text& name, const NameCounts::Count& count, const SuggestedPaths& suggestions) {
  std::vector<core::Text> fields{name, std::to_string(count.files)};
  fields.insert(fields.end(), count.first_paths.begin(), count.first_paths.end());
  if (count.files == 0) {
    LoweredName lowered;
    lowered.Assign(name, NameEncoding::kGbk);
    const auto suggested = suggestions.find(std::string(lowered.text()));
    if (suggested != suggestions.end()) {
      fields.resize(kSuggestionsField);
      fields.insert(fields.end(), suggested->second.begin(), suggested->second.end());
    }
  }
  return CsvLine(fields);
}

std::string HeadingLine(std::string_view heading) {
  const std::array<core::Text, 1> fields{core::Text(heading)};
  return CsvLine(fields);
}

}  // namespace

std::string NameCountsFile(std::span<const core::Text> names, std::span<const NameCounts::Count> counts,
                           const SuggestedPaths& suggestions) {
  std::vector<core::Text> columns{core::Text(texts::kCountsColumnName), core::Text(texts::kCountsColumnFiles),
                                  core::Text(texts::kCountsColumnPaths)};
  columns.resize(kSuggestionsField);
  columns.push_back(core::Text(texts::kCountsColumnSuggestions));
  std::string file = std::string(kUtf8ByteOrderMark) + CsvLine(columns);
  const CountsOrder order = OrderOfCounts(counts);
  if (!order.several.empty()) {
    file += HeadingLine(texts::kCountsSeveralHeading);
    for (const std::size_t name : order.several) file += CountLine(names[name], counts[name], suggestions);
    if (!order.rest.empty()) file += HeadingLine(texts::kCountsRestHeading);
  }
  for (const std::size_t name : order.rest) file += CountLine(names[name], counts[name], suggestions);
  return file;
}

}  // namespace vorlix::app
