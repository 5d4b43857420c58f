#pragma once

// Takes an exclusive flock on `fd` without waiting. Returns 0 when taken, EWOULDBLOCK
// when another open file holds it, or why the lock cannot be had at all.
int LockExclusivelyNow(int fd);
