#include "support/scoped_file_size_limit.h"

#include <gtest/gtest.h>

ScopedFileSizeLimit::ScopedFileSizeLimit(rlim_t bytes) {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;  // the write fails instead of ending the process
  ::sigaction(SIGXFSZ, &ignore, &m_previousAction);
  EXPECT_EQ(::getrlimit(RLIMIT_FSIZE, &m_previous), 0);
  rlimit limit = m_previous;
  limit.rlim_cur = bytes;
  EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
}

ScopedFileSizeLimit::~ScopedFileSizeLimit() {
  ::setrlimit(RLIMIT_FSIZE, &m_previous);
  ::sigaction(SIGXFSZ, &m_previousAction, nullptr);
}
