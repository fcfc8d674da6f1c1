#pragma once
// Keeps what libraries print straight to standard error (the metafile
// library's complaints about damaged files) off the terminal while it lives:
// the process's standard error points at /dev/null meanwhile. One at a time.
#include <mutex>

namespace quillo {

class SilencedStandardError {
 public:
  SilencedStandardError();
  ~SilencedStandardError();
  SilencedStandardError(const SilencedStandardError&) = delete;
  SilencedStandardError& operator=(const SilencedStandardError&) = delete;

 private:
  std::unique_lock<std::mutex> lock_;
  int saved_ = -1;
};

}  // namespace quillo
