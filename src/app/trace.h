#pragma once

// Timestamps for the performance harness: with VOSTEK_TRACE set in the environment,
// Trace writes "vostek-trace <what> <nanoseconds>" to stderr, on the monotonic clock a
// driver on the same machine reads too. Without it, nothing is written.
void Trace(const char* what);
