#include "store/vostek_item.h"

#include <atomic>
#include <utility>

#include "store/archive.h"

namespace {

// Read and moved on the user-interface thread; a collection read on the loader thread
// moves them too, before it is installed. Only a change matters, never an order
// against other memory: the collection itself is handed over by its loader.
std::atomic<std::uint64_t> g_namesGeneration{0};
std::atomic<std::uint64_t> g_contentGeneration{0};

}  // namespace

std::uint64_t NamesGeneration() {
  return g_namesGeneration.load(std::memory_order_relaxed);
}

void BumpNamesGeneration() {
  g_namesGeneration.fetch_add(1, std::memory_order_relaxed);
  BumpContentGeneration();
}

std::uint64_t ContentGeneration() {
  return g_contentGeneration.load(std::memory_order_relaxed);
}

void BumpContentGeneration() {
  g_contentGeneration.fetch_add(1, std::memory_order_relaxed);
}

VostekItem::~VostekItem() {
  vostek::g_malloc->Free(m_pidl);
}

void VostekItem::SetTarget(IdListPtr target) {
  vostek::g_malloc->Free(m_pidl);
  m_pidl = target.release();
  m_foreignIdList.reset();
  BumpContentGeneration();
}

void VostekItem::Store(ArchiveWriter& archive) const {
  archive.WriteString(m_name);
  archive.WriteU32(m_count);
  archive.WriteTime(m_lastTime);
  archive.WriteI32(m_group);
  archive.WriteU32(m_order);
  if (m_pidl == nullptr) {
    const std::string_view foreign = GetForeignIdList();
    archive.WriteU32(static_cast<std::uint32_t>(foreign.size()));
    archive.WriteBytes(foreign.data(), foreign.size());
    return;
  }
  const std::size_t pidlSize = GetIdListSize(m_pidl);
  archive.WriteU32(static_cast<std::uint32_t>(pidlSize));
  archive.WriteBytes(m_pidl, pidlSize);
}

void VostekItem::Load(ArchiveReader& archive) {
  std::string name = archive.ReadString();
  const std::uint32_t count = archive.ReadU32();
  const std::int64_t lastTime = archive.ReadTime();
  const std::int32_t group = archive.ReadI32();
  const std::uint32_t order = archive.ReadU32();
  const std::uint32_t pidlSize = archive.ReadU32();
  IdListPtr pidl;
  std::unique_ptr<std::string> foreign;
  if (pidlSize > 0) {
    const std::string_view bytes = archive.ReadBytes(pidlSize);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    // A later size walk trusts the items' byte counts, so only a list that holds
    // together in our encoding becomes a target; any other is kept as it was read.
    if (!IsNativeIdList(data, bytes.size())) {
      foreign = std::make_unique<std::string>(bytes);
    } else {
      pidl.reset(CopyIdList(data, bytes.size()));
      if (!pidl) {
        throw ArchiveError("no memory for the ID list of \"" + name + "\"");
      }
    }
  }
  // The collection that reads the item moves the generations once it holds them all.
  m_name = std::move(name);
  m_count = count;
  m_lastTime = lastTime;
  m_group = group;
  m_order = order;
  vostek::g_malloc->Free(m_pidl);
  m_pidl = pidl.release();
  m_foreignIdList = std::move(foreign);
}
