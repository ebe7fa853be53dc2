#include "app/search/walk/work_on_threads.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace vorlix::app {

bool WorkOnThreads(unsigned threads, const std::function<bool()>& do_chunk, std::atomic<bool>& stopping,
                   const std::function<bool()>& should_stop) {
  if (threads == 0) {
    while (do_chunk()) {
      if (should_stop()) return !(stopping = true);
    }
    return true;
  }
  std::mutex mutex;
  std::condition_variable finished;
  unsigned running = threads;
  std::vector<std::thread> workers;
  for (unsigned i = 0; i < threads; ++i) {
    workers.emplace_back([&] {
      while (do_chunk()) {
      }
      const std::lock_guard lock(mutex);
      --running;
      finished.notify_all();
    });
  }
  bool stopped = false;
  for (std::unique_lock lock(mutex); running > 0 && !stopped;) {
    if (finished.wait_for(lock, std::chrono::milliseconds(2), [&] { return running == 0; })) break;
    lock.unlock();
    stopped = should_stop();
    lock.lock();
  }
  stopping = stopped;
  for (std::thread& worker : workers) worker.join();
  return !stopped;
}

}  // namespace vorlix::app
