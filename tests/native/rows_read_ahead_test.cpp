#include "app/results/rows_read_ahead.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace vorlix::app {
namespace {

using namespace std::chrono_literals;

// Threads read chunks in any order and reuse their slots: the taker must
// still get each row's own answer, in order, with each row read once.
TEST(RowsReadAhead, every_row_is_read_once_and_taken_in_order_while_the_events_are_answered) {
  for (const std::size_t rows : {0u, 1u, 255u, 256u, 257u, 70000u}) {
    std::vector<std::atomic<int>> reads(rows);
    int answered = 0;
    {
      RowsReadAhead<std::size_t> ahead(rows, [&reads](std::size_t row) {
        if (row % 5000 == 4999) std::this_thread::sleep_for(1ms);  // a slow file: the taker must wait
        ++reads[row];
        return row * 3 + 1;
      });
      for (std::size_t row = 0; row < rows; ++row) {
        ASSERT_EQ(ahead.Take(row, [&answered] { ++answered; }), row * 3 + 1) << "row " << row << " of " << rows;
      }
    }
    for (std::size_t row = 0; row < rows; ++row) ASSERT_EQ(reads[row], 1) << "row " << row << " of " << rows;
    if (rows == 70000) EXPECT_GT(answered, 0);
  }
}

// Memory stays small however many rows: the threads stop a fixed number of
// chunks ahead of the taker, and stop for good with the object, also when
// the taker's events end the taking by a throw.
TEST(RowsReadAhead, threads_read_a_bounded_stretch_ahead_and_stop_with_the_object) {
  std::atomic<std::size_t> read{0};
  {
    RowsReadAhead<int> ahead(1'000'000, [&read](std::size_t) {
      ++read;
      return 0;
    });
    for (std::size_t row = 0; row < 1000; ++row) ahead.Take(row, [] {});
    std::this_thread::sleep_for(50ms);
  }
  const std::size_t after = read;
  std::this_thread::sleep_for(20ms);
  EXPECT_EQ(read, after);
  EXPECT_LE(after, (1000 / 256 + 64) * 256u);  // up to 64 chunks past the one being taken

  RowsReadAhead<int> slow(100'000, [](std::size_t) {
    std::this_thread::sleep_for(100us);
    return 0;
  });
  EXPECT_THROW(slow.Take(0, [] { throw std::runtime_error("window closed"); }), std::runtime_error);
}

}  // namespace
}  // namespace vorlix::app
