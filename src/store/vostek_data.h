#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/id_list.h"
#include "store/vostek_item.h"

class ArchiveReader;
class ArchiveWriter;
class DesktopShell;
class ImageList;
enum ViewMode : std::uint8_t;

// The whole collection: the group names (a group is its index) and every item of
// every group, in the order they were added. Index errors throw InvalidArgException
// and change nothing.
class VostekData {
 public:
  VostekData() = default;
  ~VostekData();
  VostekData(const VostekData&) = delete;
  VostekData& operator=(const VostekData&) = delete;

  void InitDefault();  // exactly one group, "グループ0"; items untouched

  VostekItem* GetItem(int index) const;
  int GetItemCount() const { return static_cast<int>(m_items.size()); }
  bool IsEmpty() const { return m_items.empty(); }
  std::unique_ptr<VostekItem> RemoveItemAt(int index);  // the caller owns the item
  int FindItem(const VostekItem* item) const;           // -1 when absent
  void AppendItem(std::unique_ptr<VostekItem> item);
  // The order key that files a new item after every item of `group`.
  std::uint32_t NextOrderInGroup(std::int32_t group) const;

  int GetGroupCount() const { return static_cast<int>(m_groups.size()); }
  const std::string& GetGroupName(int index) const;
  void SetGroupName(int index, const std::string& name);
  void AddGroup(const std::string& name);
  void RemoveGroup(int index);  // never removes the only group; items untouched

  // Creates an item from a dropped object (folder list + child relative to it) through
  // `shell`, files it in the group the view shows (group 0 in the automatic views),
  // appends it and its icon; returns the icon index.
  int AddItem(DesktopShell& shell, const IdList* parent, const IdList* child, ViewMode viewMode,
              std::int32_t shownGroup, ImageList& imageList);

  // The collection file's content: group names, then items.
  void Store(ArchiveWriter& archive) const;
  void Load(ArchiveReader& archive);  // throws ArchiveError; nothing partly read is kept

 private:
  std::vector<std::unique_ptr<VostekItem>> m_items;
  std::vector<std::string> m_groups;
};
