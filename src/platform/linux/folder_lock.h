#pragma once

#include <string>

// An exclusive lock on a folder itself, held until this object goes or the process
// ends: two instances started with different environments (so with different
// single-instance locks) still never share one folder's files. Programs started from
// here do not inherit it.
class FolderLock {
 public:
  // Unsupported: the file system keeps no such locks (some network file systems);
  // the folder is then used without one.
  enum class Result { Acquired, HeldElsewhere, Unsupported };

  FolderLock() = default;
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  Result Acquire(const std::string& folder);
  // False once the folder this lock is on no longer sits at `folder` (it was deleted or
  // moved away), or when nothing is there.
  bool IsAt(const std::string& folder) const;
  // Gives up the lock on the folder that went away and locks the one now at `folder`.
  Result Reacquire(const std::string& folder);

 private:
  int m_fd = -1;
};
