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

 private:
  int m_fd = -1;
};
