#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace vorlix::app {

// Collects whole lines and hands them on in large writes: when a megabyte
// has gathered, or when lines have waited a tenth of a second, so that rows
// found slowly still show up as they are found.
class OutputBuffer {
 public:
  using Write = std::function<bool(std::string_view)>;

  explicit OutputBuffer(Write write) : write_(std::move(write)) {}

  std::string& line() { return buffer_; }
  // Call after every complete line appended to line().
  void LineDone();
  // Hands on lines that have waited long enough; cheap when there are none.
  void FlushIfOld();
  // Hands on everything; false when any write failed.
  bool Finish();
  bool failed() const { return failed_; }

 private:
  static constexpr std::size_t kLargeWrite = std::size_t{1} << 20;
  static constexpr auto kLongestWait = std::chrono::milliseconds(100);
  static constexpr unsigned kCallsPerClockRead = 256;

  void Flush();

  Write write_;
  std::string buffer_;
  std::chrono::steady_clock::time_point oldest_line_{};
  bool failed_ = false;
  unsigned calls_ = 0;
};

}  // namespace vorlix::app
