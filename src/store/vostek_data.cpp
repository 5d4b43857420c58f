#include "store/vostek_data.h"

#include <algorithm>
#include <string>
#include <utility>

#include "resources/texts.h"
#include "store/archive.h"
#include "store/invalid_arg.h"

namespace {

// The fewest bytes one element can take in the file, so that a count the data
// cannot hold fails before anything is allocated for it.
constexpr std::size_t kMinGroupNameBytes = 1;
constexpr std::size_t kMinItemBytes = 2 /* class reference */ + 1 /* name */ + 4 /* count */ +
                                      4 /* time, older form */ + 4 /* group */ + 4 /* order */ +
                                      4 /* ID-list size */;

void CheckIndex(int index, std::size_t size, const char* what) {
  if (index < 0 || static_cast<std::size_t>(index) >= size) {
    throw InvalidArgException(std::string(what) + " index " + std::to_string(index) +
                              " is outside 0.." + std::to_string(size));
  }
}

}  // namespace

VostekData::~VostekData() {
  // Another collection may take this one's place at the same address.
  BumpNamesGeneration();
}

void VostekData::InitDefault() {
  m_groups.assign(1, texts::kDefaultGroupName);
  BumpContentGeneration();
}

VostekItem* VostekData::GetItem(int index) const {
  CheckIndex(index, m_items.size(), "item");
  return m_items[static_cast<std::size_t>(index)].get();
}

std::unique_ptr<VostekItem> VostekData::RemoveItemAt(int index) {
  CheckIndex(index, m_items.size(), "item");
  const auto at = m_items.begin() + index;
  std::unique_ptr<VostekItem> item = std::move(*at);
  m_items.erase(at);
  BumpNamesGeneration();
  return item;
}

int VostekData::FindItem(const VostekItem* item) const {
  const auto found = std::find_if(m_items.begin(), m_items.end(),
                                  [item](const auto& held) { return held.get() == item; });
  return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

void VostekData::AppendItem(std::unique_ptr<VostekItem> item) {
  m_items.push_back(std::move(item));
  BumpNamesGeneration();
}

std::uint32_t VostekData::NextOrderInGroup(std::int32_t group) const {
  std::uint32_t order = 0;
  for (const std::unique_ptr<VostekItem>& item : m_items) {
    if (item->GetGroup() == group && item->GetOrder() >= order) {
      order = item->GetOrder() + 1;
    }
  }
  return order;
}

const std::string& VostekData::GetGroupName(int index) const {
  CheckIndex(index, m_groups.size(), "group");
  return m_groups[static_cast<std::size_t>(index)];
}

void VostekData::SetGroupName(int index, const std::string& name) {
  CheckIndex(index, m_groups.size(), "group");
  m_groups[static_cast<std::size_t>(index)] = name;
  BumpContentGeneration();
}

void VostekData::AddGroup(const std::string& name) {
  m_groups.push_back(name);
  BumpContentGeneration();
}

void VostekData::RemoveGroup(int index) {
  if (index == 0 && m_groups.size() == 1) {
    return;
  }
  CheckIndex(index, m_groups.size(), "group");
  m_groups.erase(m_groups.begin() + index);
  BumpContentGeneration();
}

void VostekData::Store(ArchiveWriter& archive) const {
  archive.WriteCount(m_groups.size());
  for (const std::string& name : m_groups) {
    archive.WriteString(name);
  }
  archive.WriteCount(m_items.size());
  for (const auto& item : m_items) {
    archive.WriteObjectTag(VostekItem::kClassName, VostekItem::kSchema);
    item->Store(archive);
  }
}

void VostekData::Load(ArchiveReader& archive) {
  std::vector<std::string> groups;
  const std::uint64_t groupCount = archive.ReadCount(kMinGroupNameBytes);
  groups.reserve(static_cast<std::size_t>(groupCount));
  for (std::uint64_t i = 0; i < groupCount; ++i) {
    groups.push_back(archive.ReadString());
  }

  std::vector<std::unique_ptr<VostekItem>> items;
  const std::uint64_t itemCount = archive.ReadCount(kMinItemBytes);
  items.reserve(static_cast<std::size_t>(itemCount));
  for (std::uint64_t i = 0; i < itemCount; ++i) {
    archive.ReadObjectTag(VostekItem::kClassName, VostekItem::kSchema);
    auto item = std::make_unique<VostekItem>();
    item->Load(archive);
    items.push_back(std::move(item));
  }

  m_groups = std::move(groups);
  m_items.swap(items);  // the old items go with `items`
  BumpNamesGeneration();
}
