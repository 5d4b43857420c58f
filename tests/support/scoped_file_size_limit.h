#pragma once

#include <sys/resource.h>

#include <csignal>

// Lets this process write no file beyond `bytes` for the scope: a write past it fails
// with EFBIG. Unlike a read-only folder, this fails a save for root as well.
class ScopedFileSizeLimit {
 public:
  explicit ScopedFileSizeLimit(rlim_t bytes);
  ~ScopedFileSizeLimit();
  ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
  ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

 private:
  rlimit m_previous{};
  struct sigaction m_previousAction {};
};
