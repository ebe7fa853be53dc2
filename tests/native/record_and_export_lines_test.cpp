#include <gtest/gtest.h>

#include "app/results/export_lines.h"
#include "app/results/record_lines.h"
#include "csv_reading.h"

namespace vorlix::app {
namespace {

using Record = std::vector<std::string>;

Record Fields(const std::string& line) {
  const auto records = testing::ReadCsv(line);
  EXPECT_TRUE(records.has_value() && records->size() == 1) << line;
  return records && records->size() == 1 ? records->front() : Record{};
}

constexpr core::CalendarTime kNoon{2024, 5, 1, 12, 0, 9};

TEST(RecordLines, hold_time_operation_source_target_size_result_reason_and_digest_last) {
  EXPECT_EQ(Fields(RecordHeading()), (Record{"时间", "操作", "源路径", "目标路径", "大小", "结果", "原因", "SHA-256"}));
  const std::string digest(64, 'a');
  const RecordEntry copied{"C:\\a,b\\x.txt", "D:\\t\\x (2).txt", 1234, true, "", digest};
  EXPECT_EQ(Fields(RecordLine(kNoon, "\xB8\xB4\xD6\xC6", copied)),  // 复制 in GBK
            (Record{"2024-05-01 12:00:09", "复制", "C:\\a,b\\x.txt", "D:\\t\\x (2).txt", "1234", "成功", "", digest}));
  const RecordEntry failed{"C:\\gone.txt", "", std::nullopt, false, "\xC3\xBB\xD3\xD0"};  // 没有
  EXPECT_EQ(Fields(RecordLine(kNoon, "x", failed)),
            (Record{"2024-05-01 12:00:09", "x", "C:\\gone.txt", "", "", "失败", "没有", ""}));
}

TEST(ExportLines, hold_path_own_name_size_time_and_check) {
  EXPECT_EQ(Fields(ExportHeading()), (Record{"文件路径", "文件名", "大小", "修改时间", "勾选"}));
  EXPECT_EQ(Fields(ExportLine({"C:\\d\\a \"1\".txt", 0, kNoon, true})),
            (Record{"C:\\d\\a \"1\".txt", "a \"1\".txt", "0", "2024-05-01 12:00:09", "是"}));
  // A folder row has no size; a row whose file has gone has no time either.
  EXPECT_EQ(Fields(ExportLine({"D:\\Photos", std::nullopt, kNoon, false})),
            (Record{"D:\\Photos", "Photos", "", "2024-05-01 12:00:09", "否"}));
  EXPECT_EQ(Fields(ExportLine({"C:", std::nullopt, std::nullopt, false})), (Record{"C:", "C:", "", "", "否"}));
}

}  // namespace
}  // namespace vorlix::app
