#include "platform/linux/exclusive_lock.h"

#include <sys/file.h>

#include <cerrno>

int LockExclusivelyNow(int fd) {
  int locked = 0;
  do {
    locked = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (locked != 0 && errno == EINTR);
  return locked == 0 ? 0 : errno;
}
