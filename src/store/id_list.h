#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// A shell item ID list: a run of items, each starting with a 16-bit little-endian
// byte count `cb` that counts itself, ended by a 16-bit zero. The empty list (the
// terminator alone) is the root. On Linux an item is `cb`, one IdItemKind byte, then
// the item's bytes; the absolute list of /home/u/a.txt is the three file-name items
// home, u and a.txt.
using IdList = std::uint8_t;

enum class IdItemKind : std::uint8_t {
  FileName = 0x01,  // one raw file-name component: no slash, no NUL
  Uri = 0x02,       // a whole URI, for an object outside the local file system
};

// Every ID list the program keeps is allocated and freed through this seam, so a
// Windows build can hand the shell's own allocator in.
class IdListAllocator {
 public:
  virtual ~IdListAllocator() = default;
  virtual void* Alloc(std::size_t size) = 0;  // null when out of memory
  virtual void Free(void* block) = 0;         // freeing null does nothing
};

// The allocator in use; the C++ heap unless a port or a test replaces it. It lives in
// a namespace because glib exports a function named g_malloc: a global variable of that
// name fails to compile beside glib.h and, linked into the program, would take the place
// of glib's own allocator.
namespace vostek {
extern IdListAllocator* g_malloc;
}  // namespace vostek

// Byte size including the terminator; 0 for null, 2 for the empty list.
std::size_t GetIdListSize(const IdList* list);

// The parent's items followed by the child's, in a new block from g_malloc that the
// caller owns; null when either is null or memory runs out.
IdList* ConcatIdLists(const IdList* parent, const IdList* child);

// True when `size` bytes hold exactly one complete list: every `cb` at least 2 and
// inside the block, and the terminator in the block's last two bytes.
bool IsWellFormedIdList(const std::uint8_t* bytes, std::size_t size);

// True when `size` bytes hold a well-formed list in the Linux encoding: every item a
// known kind with bytes of that kind (a file name without slash or NUL, a URI).
bool IsLinuxIdList(const std::uint8_t* bytes, std::size_t size);

// True when `size` bytes hold a well-formed list in this system's encoding: on Linux,
// the Linux one; on Windows, the shell's. Lists from another system's build (or damaged
// ones) are not, and are only kept as bytes.
bool IsNativeIdList(const std::uint8_t* bytes, std::size_t size);

// A copy of `size` bytes in a block from g_malloc; null when out of memory.
IdList* CopyIdList(const std::uint8_t* bytes, std::size_t size);

struct IdListDeleter {
  void operator()(IdList* list) const { vostek::g_malloc->Free(list); }
};
using IdListPtr = std::unique_ptr<IdList, IdListDeleter>;
