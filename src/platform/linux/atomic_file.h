#pragma once

#include <string>
#include <string_view>

// Replaces the file at `path` with `bytes` so that a crash or a full disk at any
// moment leaves either the old file or the new one, whole: the bytes go to a
// temporary file of a fresh name in the same folder (created new, so nothing already
// there, a pipe or a link, is ever opened), are flushed to disk, and the temporary
// file is renamed over `path`. A symbolic link at `path` stays and its target is
// replaced, or created when the link dangles. On failure the old file is untouched,
// the temporary file is removed, and `error` names the file or folder that failed,
// followed by the system's text for what went wrong.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error);

// The file a write to `path` replaces: `path` itself, or the end of the chain of
// symbolic links starting there, whether or not that end exists.
std::string FinalLinkTarget(const std::string& path);

// Removes the temporary files that saves to `path` left behind when the process was
// killed halfway: regular files of ours named as this writer names them. Only for a
// process that is the one writer of `path`.
void RemoveStaleTemporaries(const std::string& path);
