#pragma once

#include <string>
#include <string_view>

// Replaces the file at `path` with `bytes` so that a crash or a full disk at any
// moment leaves either the old file or the new one, whole: the bytes go to a
// temporary file in the same folder, are flushed to disk, and the temporary file is
// renamed over `path`. A symbolic link at `path` stays and its target is replaced.
// On failure the old file is untouched, the temporary file is removed, and `error`
// receives the system's text for what went wrong.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error);
