#pragma once

#include <string>

// An exclusive lock on a folder itself, held until this object goes or the process
// ends: two instances started with different environments (so with different
// single-instance locks) still never share one folder's files. The folder's path is
// claimed as well, so that while the folder is deleted or moved away (and its own lock
// goes with it) no other start takes a new folder there. Programs started from here do
// not inherit either.
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
  // Gives up the lock on the folder that went away and locks the one now at `folder`;
  // the path stays claimed throughout.
  Result Reacquire(const std::string& folder);

 private:
  int m_fd = -1;
  int m_pathClaim = -1;  // a socket bound to a name made of the path
};
