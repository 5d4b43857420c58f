#include "search/freed_memory.h"

#include <malloc.h>

void ReturnFreedMemory() {
  _heapmin();
}
