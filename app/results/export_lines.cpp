#include "app/results/export_lines.h"

#include <array>

#include "app/results/csv_text.h"
#include "app/search/names/name_text.h"
#include "texts.h"

namespace vorlix::app {

std::string ExportHeading() {
  const std::array<core::Text, 5> columns{
      core::Text(texts::kExportColumnPath), core::Text(texts::kExportColumnName), core::Text(texts::kExportColumnSize),
      core::Text(texts::kExportColumnModified), core::Text(texts::kExportColumnChecked)};
  return CsvLine(columns);
}

std::string ExportLine(const ExportRow& row) {
  const std::array<core::Text, 5> fields{
      row.path,
      core::Text(LastComponent(row.path, '\\', NameEncoding::kGbk)),
      row.size ? std::to_string(*row.size) : core::Text(),
      row.modified ? TimeText(*row.modified) : core::Text(),
      core::Text(row.checked ? texts::kExportYes : texts::kExportNo)};
  return CsvLine(fields);
}

}  // namespace vorlix::app
