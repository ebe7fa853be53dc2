#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace vorlix::app {

// What each row needs from the file system (a size, a time), read ahead
// on threads of their own. Every answer is a round trip (about 9 µs a
// file under Wine): the threads overlap them, while the window thread
// takes the answers in row order and keeps answering its events. When the
// row it wants is not ready, the window thread reads rows too rather than
// wait idle.
template <class Answer>
class RowsReadAhead {
 public:
  // `read` is called from the threads, for each row once: what it reads
  // must stay as it is while this object lives.
  RowsReadAhead(std::size_t rows, std::function<Answer(std::size_t row)> read)
      : rows_(rows), chunks_((rows + kRowsPerChunk - 1) / kRowsPerChunk), read_(std::move(read)), slots_(kChunksAhead) {
    const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    for (unsigned i = 0; i < threads && i < chunks_; ++i) readers_.emplace_back([this] { ReadWhileWanted(); });
  }

  ~RowsReadAhead() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& reader : readers_) reader.join();
  }

  RowsReadAhead(const RowsReadAhead&) = delete;
  RowsReadAhead& operator=(const RowsReadAhead&) = delete;

  // The row's answer. Rows are taken in order, each once; `answer_events`
  // runs between reads and while waiting (it may throw: the threads then
  // stop with this object).
  Answer Take(std::size_t row, const std::function<void()>& answer_events) {
    const std::size_t chunk = row / kRowsPerChunk;
    std::unique_lock lock(mutex_);
    if (chunk != taking_) {
      taking_ = chunk;
      changed_.notify_all();
    }
    Slot& slot = slots_[chunk % kChunksAhead];
    while (slot.chunk != chunk) {
      if (MayClaim()) {
        const std::size_t claimed = next_++;
        lock.unlock();
        std::vector<Answer> answers = ReadChunk(claimed, &answer_events);
        lock.lock();
        Fill(claimed, std::move(answers));
      } else {
        changed_.wait_for(lock, std::chrono::milliseconds(2));
        lock.unlock();
        answer_events();
        lock.lock();
      }
    }
    return std::move(slot.answers[row - chunk * kRowsPerChunk]);
  }

 private:
  // A chunk is a few milliseconds of reading; the threads keep at most
  // this many chunks ahead of the window thread, so that memory stays
  // small however many rows there are.
  static constexpr std::size_t kRowsPerChunk = 256;
  static constexpr std::size_t kChunksAhead = 64;
  static constexpr std::size_t kNoChunk = static_cast<std::size_t>(-1);

  struct Slot {
    std::size_t chunk = kNoChunk;  // whose answers it holds, once read whole
    std::vector<Answer> answers;
  };

  // A chunk's slot is free once the window thread has gone past the chunk
  // that held it before.
  bool MayClaim() const { return next_ < chunks_ && next_ < taking_ + kChunksAhead; }

  void ReadWhileWanted() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return stopping_ || next_ >= chunks_ || MayClaim(); });
      if (stopping_ || next_ >= chunks_) return;
      const std::size_t claimed = next_++;
      lock.unlock();
      std::vector<Answer> answers = ReadChunk(claimed, nullptr);
      lock.lock();
      Fill(claimed, std::move(answers));
    }
  }

  std::vector<Answer> ReadChunk(std::size_t chunk, const std::function<void()>* answer_events) {
    const std::size_t first = chunk * kRowsPerChunk;
    const std::size_t end = std::min(rows_, first + kRowsPerChunk);
    std::vector<Answer> answers;
    answers.reserve(end - first);
    for (std::size_t row = first; row < end; ++row) {
      answers.push_back(read_(row));
      if (answer_events != nullptr) (*answer_events)();
    }
    return answers;
  }

  // Under the lock.
  void Fill(std::size_t chunk, std::vector<Answer>&& answers) {
    Slot& slot = slots_[chunk % kChunksAhead];
    slot.answers = std::move(answers);
    slot.chunk = chunk;
    changed_.notify_all();
  }

  const std::size_t rows_;
  const std::size_t chunks_;
  const std::function<Answer(std::size_t)> read_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Slot> slots_;
  std::size_t next_ = 0;    // the first chunk nobody has claimed
  std::size_t taking_ = 0;  // the chunk the window thread takes from
  bool stopping_ = false;
  std::vector<std::thread> readers_;
};

}  // namespace vorlix::app
