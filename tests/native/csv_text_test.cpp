#include "app/results/csv_text.h"

#include <gtest/gtest.h>

#include <random>

#include "csv_reading.h"
#include "platform/gbk_codec.h"
#include "runtime/commands/utf8_text.h"

namespace vorlix::app {
namespace {

using testing::ReadCsv;

std::string Line(std::vector<core::Text> fields) { return CsvLine(fields); }

// A text outside GBK, as the program carries it: GB18030 four-byte sequences.
core::Text Gbk(std::u16string_view text) { return platform::Utf16ToGbk(text); }

TEST(CsvLine, quotes_exactly_the_fields_that_hold_a_comma_a_quote_or_a_line_break) {
  struct Case {
    std::vector<core::Text> fields;
    std::string line;
  };
  const Case cases[] = {
      {{"a", "b c"}, "a,b c\r\n"},
      {{"a,b"}, "\"a,b\"\r\n"},
      {{"say \"hi\""}, "\"say \"\"hi\"\"\"\r\n"},
      {{"\""}, "\"\"\"\"\r\n"},
      {{"one\ntwo", "x"}, "\"one\ntwo\",x\r\n"},
      {{"cr\r"}, "\"cr\r\"\r\n"},
      {{""}, "\r\n"},
      {{"", ""}, ",\r\n"},
      {{"C:\\a;b 'c'.txt"}, "C:\\a;b 'c'.txt\r\n"},
  };
  for (const Case& each : cases) EXPECT_EQ(Line(each.fields), each.line) << each.line;
}

TEST(CsvLine, writes_gbk_and_names_outside_gbk_as_utf8) {
  EXPECT_EQ(Line({Gbk(u"报告.txt"), Gbk(u"한 😀,x")}), "报告.txt,\"한 😀,x\"\r\n");
  EXPECT_EQ(Line({"plain ASCII", "\x80" "5"}), "plain ASCII,€5\r\n") << "0x80 is the euro sign, not ASCII";
}

TEST(CsvLine, reads_back_as_the_same_fields_whatever_they_hold) {
  const std::vector<core::Text> pieces{"a", ",", "\"", "\r", "\n", " ", "\r\n", Gbk(u"中"), Gbk(u"😀"), "\\"};
  std::mt19937 random(21);
  for (int round = 0; round < 500; ++round) {
    std::vector<core::Text> fields(1 + random() % 4);
    for (core::Text& field : fields) {
      for (unsigned piece = random() % 6; piece > 0; --piece) field += pieces[random() % pieces.size()];
    }
    const auto records = ReadCsv(CsvLine(fields));
    ASSERT_TRUE(records.has_value()) << CsvLine(fields);
    ASSERT_EQ(records->size(), 1u) << CsvLine(fields);
    std::vector<std::string> expected;
    for (const core::Text& field : fields) expected.push_back(commands::TextInUtf8(field));
    EXPECT_EQ(records->front(), expected) << CsvLine(fields);
  }
}

TEST(CsvText, the_byte_order_mark_is_utf8s) { EXPECT_EQ(kUtf8ByteOrderMark, "\xEF\xBB\xBF"); }

TEST(TimeText, gives_date_and_time_with_leading_zeros) {
  EXPECT_EQ(TimeText({2024, 5, 1, 9, 3, 7}), "2024-05-01 09:03:07");
  EXPECT_EQ(TimeText({1999, 12, 31, 23, 59, 59}), "1999-12-31 23:59:59");
}

}  // namespace
}  // namespace vorlix::app
