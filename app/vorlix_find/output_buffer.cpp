#include "app/vorlix_find/output_buffer.h"

namespace vorlix::app {

void OutputBuffer::LineDone() {
  if (buffer_.size() >= kLargeWrite) return Flush();
  if (oldest_line_ == std::chrono::steady_clock::time_point{}) oldest_line_ = std::chrono::steady_clock::now();
}

// Asked at every file, far more often than a tenth of a second passes: the
// clock is read once in kCallsPerClockRead calls.
void OutputBuffer::FlushIfOld() {
  if (buffer_.empty() || ++calls_ % kCallsPerClockRead != 0) return;
  if (std::chrono::steady_clock::now() - oldest_line_ >= kLongestWait) Flush();
}

bool OutputBuffer::Finish() {
  if (!buffer_.empty()) Flush();
  return !failed_;
}

void OutputBuffer::Flush() {
  if (!failed_ && !write_(buffer_)) failed_ = true;
  buffer_.clear();
  oldest_line_ = {};
}

}  // namespace vorlix::app
