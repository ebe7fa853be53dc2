#include "app/results/name_counts_file.h"

#include <array>
#include <vector>

#include "app/results/csv_text.h"
#include "texts.h"

namespace vorlix::app {
namespace {

std::string CountLine(const core::Text& name, const NameCounts::Count& count) {
  std::vector<core::Text> fields{name, std::to_string(count.files)};
  fields.insert(fields.end(), count.first_paths.begin(), count.first_paths.end());
  return CsvLine(fields);
}

std::string HeadingLine(std::string_view heading) {
  const std::array<core::Text, 1> fields{core::Text(heading)};
  return CsvLine(fields);
}

}  // namespace

std::string NameCountsFile(std::span<const core::Text> names, std::span<const NameCounts::Count> counts) {
  const std::array<core::Text, 3> columns{core::Text(texts::kCountsColumnName), core::Text(texts::kCountsColumnFiles),
                                          core::Text(texts::kCountsColumnPaths)};
  std::string file = std::string(kUtf8ByteOrderMark) + CsvLine(columns);
  const CountsOrder order = OrderOfCounts(counts);
  if (!order.several.empty()) {
    file += HeadingLine(texts::kCountsSeveralHeading);
    for (const std::size_t name : order.several) file += CountLine(names[name], counts[name]);
    if (!order.rest.empty()) file += HeadingLine(texts::kCountsRestHeading);
  }
  for (const std::size_t name : order.rest) file += CountLine(names[name], counts[name]);
  return file;
}

}  // namespace vorlix::app
