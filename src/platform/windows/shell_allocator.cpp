#include "platform/windows/shell_allocator.h"

#include <shlobj.h>

#include "store/id_list.h"

namespace {

class ShellAllocator final : public IdListAllocator {
 public:
  explicit ShellAllocator(IMalloc* malloc) : m_malloc(malloc) {}
  ~ShellAllocator() override { m_malloc->Release(); }
  ShellAllocator(const ShellAllocator&) = delete;
  ShellAllocator& operator=(const ShellAllocator&) = delete;

  void* Alloc(std::size_t size) override { return m_malloc->Alloc(size); }
  void Free(void* block) override {
    if (block != nullptr) {
      m_malloc->Free(block);
    }
  }

 private:
  IMalloc* m_malloc;
};

ShellAllocator* g_shellAllocator = nullptr;
IdListAllocator* g_previousAllocator = nullptr;

}  // namespace

bool InstallShellAllocator() {
  IMalloc* malloc = nullptr;
  if (::SHGetMalloc(&malloc) != S_OK || malloc == nullptr) {
    return false;
  }
  g_shellAllocator = new ShellAllocator(malloc);
  g_previousAllocator = vostek::g_malloc;
  vostek::g_malloc = g_shellAllocator;
  return true;
}

void ReleaseShellAllocator() {
  if (g_shellAllocator == nullptr) {
    return;
  }
  vostek::g_malloc = g_previousAllocator;
  delete g_shellAllocator;
  g_shellAllocator = nullptr;
}
