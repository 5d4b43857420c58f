#pragma once

#include <string>

// The system's own text for a Windows error code (FormatMessage, in the user's
// language), without the line break it ends with; a text with the number when the
// system has none.
std::string SystemErrorText(unsigned long code);

// The errno value that stands for a Windows error code, for callers that speak errno.
int ErrnoFromSystemError(unsigned long code);
