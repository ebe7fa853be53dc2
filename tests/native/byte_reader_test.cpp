#include "runtime/core/template/byte_reader.h"

#include <gtest/gtest.h>

#include "runtime/core/template/byte_writer.h"

namespace vorlix::core {
namespace {

TEST(ByteReader, words_are_little_endian) {
  const std::uint8_t data[] = {0x01, 0x00, 0x01, 0x52, 0x34, 0x12, 0xFF};
  ByteReader in(data);
  EXPECT_EQ(in.U32(), 0x52010001u);
  EXPECT_EQ(in.U16(), 0x1234);
  EXPECT_EQ(in.U8(), 0xFF);
  EXPECT_TRUE(in.AtEnd());
}

TEST(ByteReader, a_word_past_the_end_is_refused_without_reading_it) {
  const std::uint8_t data[] = {1, 2, 3};
  ByteReader in(data);
  EXPECT_THROW(in.U32(), MalformedData);
}

TEST(ByteReader, a_block_longer_than_what_is_left_is_refused) {
  ByteWriter out;
  out.U32(5);
  out.Raw(std::string_view("abcd"));
  ByteReader in(out.Bytes());
  EXPECT_THROW(in.Block(), MalformedData);
}

TEST(ByteReader, a_text_without_terminator_is_refused) {
  const std::uint8_t data[] = {'a', 'b'};
  ByteReader in(data);
  EXPECT_THROW(in.CText(), MalformedData);
}

TEST(ByteReader, a_terminated_text_consumes_its_nul) {
  const std::uint8_t data[] = {0xB0, 0xB4, 0, 'x', 0};
  ByteReader in(data);
  EXPECT_EQ(in.CText(), "\xB0\xB4");
  EXPECT_EQ(in.CText(), "x");
  EXPECT_TRUE(in.AtEnd());
}

TEST(ByteReader, a_count_that_cannot_fit_what_is_left_is_refused) {
  ByteWriter out;
  out.U32(3);
  out.U32(0);
  out.U32(0);
  ByteReader in(out.Bytes());
  EXPECT_THROW(in.Count(4), MalformedData);
}

TEST(ByteReader, bytes_left_over_are_refused_when_the_end_is_expected) {
  const std::uint8_t data[] = {0, 0, 0, 0, 9};
  ByteReader in(data);
  in.U32();
  EXPECT_THROW(in.ExpectEnd("the test data"), MalformedData);
}

TEST(ByteWriter, writes_what_the_reader_reads) {
  ByteWriter out;
  out.I32(-2);
  out.U16(0xBEEF);
  out.Block(std::string_view("gbk\xB0\xB4"));
  out.CText("name");
  ByteReader in(out.Bytes());
  EXPECT_EQ(in.I32(), -2);
  EXPECT_EQ(in.U16(), 0xBEEF);
  EXPECT_EQ(in.BlockText(), "gbk\xB0\xB4");
  EXPECT_EQ(in.CText(), "name");
  EXPECT_TRUE(in.AtEnd());
}

TEST(ByteWriter, a_terminated_text_holding_a_nul_is_refused) {
  ByteWriter out;
  EXPECT_THROW(out.CText(std::string_view("a\0b", 3)), std::invalid_argument);
}

}  // namespace
}  // namespace vorlix::core
