#pragma once

#include <string>

// Where the single-instance lock lives: the file "letsgosoundingourheels" in
// $XDG_RUNTIME_DIR, or, without one, in the temp folder under a name that carries the
// user's id, so that each user runs one instance of their own.
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

  // On Failed, `error` holds the system's text for what went wrong.
  Result Acquire(const std::string& path, std::string* error);
  bool IsHeld() const { return m_fd >= 0; }

 private:
  int m_fd = -1;
};
