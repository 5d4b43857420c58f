#pragma once

// The shell's own allocator (SHGetMalloc) as the allocator of every ID list the program
// keeps, so that lists the shell hands over and lists read from the collection file are
// freed the same way. False when the shell gives none.
bool InstallShellAllocator();
// Puts the C++ heap back and releases the shell's allocator; every list is freed by then.
void ReleaseShellAllocator();
