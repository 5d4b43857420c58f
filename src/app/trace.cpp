#include "app/trace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

bool TraceWanted() {
  static const bool wanted = std::getenv("VOSTEK_TRACE") != nullptr;
  return wanted;
}

}  // namespace

void Trace(const char* what) {
  if (!TraceWanted()) {
    return;
  }
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  std::fprintf(
      stderr, "vostek-trace %s %lld\n", what,
      static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
  std::fflush(stderr);
}
