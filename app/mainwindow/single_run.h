#pragma once

namespace vorlix::app {

// A handler that processes events while it runs would be entered again by
// a second click meanwhile: that click is ignored, not queued. A run holds
// this for its whole length; runs that share a flag exclude each other.
class SingleRun {
 public:
  explicit SingleRun(bool& running) : running_(running), started_(!running) { running_ = true; }
  ~SingleRun() {
    if (started_) running_ = false;
  }
  SingleRun(const SingleRun&) = delete;
  SingleRun& operator=(const SingleRun&) = delete;

  // False when another run was going: this one must not start.
  bool started() const { return started_; }

 private:
  bool& running_;
  bool started_;
};

}  // namespace vorlix::app
