#pragma once

#include <string>

// Where the single-instance lock and the instance's socket live: a folder of the user's
// own that no one else may enter, "vostek" in $XDG_RUNTIME_DIR or, without one,
// "vostek-<uid>" in the temp folder. A name someone else holds there (their folder, a
// file, a link) is passed over for "<name>.1", "<name>.2", ... in that order, so every
// start of this user finds the same folder. Made when missing.
std::string DefaultInstanceLockPath();

// Marks the one running instance with an exclusive lock on a file. Checking and claiming
// are one step, so of two instances started at the same moment exactly one gets it. The
// lock lasts until this object is destroyed or the process ends; programs started from
// here do not inherit it.
class InstanceLock {
 public:
  enum class Result { Acquired, HeldElsewhere, Failed };

  InstanceLock() = default;
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // On Failed, `error` holds the system's text for what went wrong. The lock's folder
  // must be the user's own, closed to others: a shared folder is refused.
  Result Acquire(const std::string& path, std::string* error);
  bool IsHeld() const { return m_fd >= 0; }

 private:
  int m_fd = -1;
};
