#pragma once

// Hands memory the program has freed back to the system where the allocator would keep
// it for later: after a large passing need, such as building a name index, which
// otherwise stays part of the idle program's size.
void ReturnFreedMemory();
