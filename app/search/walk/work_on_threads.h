#pragma once

#include <atomic>
#include <functional>

namespace vorlix::app {

// Runs `do_chunk` until it says no work is left, on `threads` threads of
// their own while the calling thread polls `should_stop` every few
// milliseconds, or on the calling thread with a poll between chunks when
// `threads` is 0. A stop sets `stopping`, which `do_chunk` heeds. False
// when stopped.
bool WorkOnThreads(unsigned threads, const std::function<bool()>& do_chunk, std::atomic<bool>& stopping,
                   const std::function<bool()>& should_stop);

}  // namespace vorlix::app
