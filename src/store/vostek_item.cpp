#include "store/vostek_item.h"

#include <utility>

#include "store/archive.h"

namespace {

// The one user-interface thread reads and writes them.
std::uint64_t g_namesGeneration = 0;
std::uint64_t g_contentGeneration = 0;

}  // namespace

std::uint64_t NamesGeneration() {
  return g_namesGeneration;
}

void BumpNamesGeneration() {
  ++g_namesGeneration;
  ++g_contentGeneration;
}

std::uint64_t ContentGeneration() {
  return g_contentGeneration;
}

void BumpContentGeneration() {
  ++g_contentGeneration;
}

VostekItem::~VostekItem() {
  vostek::g_malloc->Free(m_pidl);
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
  m_name = std::move(name);
  BumpNamesGeneration();
  m_count = count;
  m_lastTime = lastTime;
  m_group = group;
  m_order = order;
  vostek::g_malloc->Free(m_pidl);
  m_pidl = pidl.release();
  m_foreignIdList = std::move(foreign);
}
