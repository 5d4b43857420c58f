#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "store/id_list.h"
#include "store/image_list.h"

class ArchiveReader;
class ArchiveWriter;
class DesktopShell;

// Changes whenever an item's name is written and whenever items join or leave a
// collection, or a collection is loaded, installed or destroyed: what is derived from
// the names of a collection, by their positions, is current while this number and the
// collection stay the same. Both numbers may be read and moved on any thread.
std::uint64_t NamesGeneration();
void BumpNamesGeneration();  // also a change of the content below

// Changes whenever anything the collection file holds changes: a number to compare with
// the one of the last save, so that an unchanged collection is not written again.
std::uint64_t ContentGeneration();
void BumpContentGeneration();

// One launch item: a file, folder or shortcut target the user dropped, with the name
// shown for it, how often and when it was last opened, its group and its place there.
class VostekItem {
 public:
  // How the collection file names the class of each item it holds.
  static constexpr char kClassName[] = "VostekItem";
  static constexpr std::uint16_t kSchema = 1;

  VostekItem() = default;
  ~VostekItem();
  VostekItem(const VostekItem&) = delete;
  VostekItem& operator=(const VostekItem&) = delete;

  const std::string& GetName() const { return m_name; }
  void SetName(const std::string& name) {
    m_name = name;
    BumpNamesGeneration();
  }
  std::uint32_t GetCount() const { return m_count; }
  std::int64_t GetLastTime() const { return m_lastTime; }
  std::int32_t GetGroup() const { return m_group; }
  void SetGroup(std::int32_t group) {
    m_group = group;
    BumpContentGeneration();
  }
  std::uint32_t GetOrder() const { return m_order; }
  void SetOrder(std::uint32_t order) {
    m_order = order;
    BumpContentGeneration();
  }
  std::int32_t GetIcon() const { return m_icon; }
  std::int32_t SetIcon(std::int32_t icon) { return m_icon = icon; }
  const IdList* GetPidl() const { return m_pidl; }
  // Takes `target` as the item's ID list (null: none); bytes kept in another system's
  // form go with the old list.
  void SetTarget(IdListPtr target);
  // An ID list in another system's encoding, as the file held it; the item then has no
  // target here (GetPidl is null), and is written back with these bytes unchanged.
  std::string_view GetForeignIdList() const {
    return m_foreignIdList ? std::string_view(*m_foreignIdList) : std::string_view();
  }

  // A successful launch or folder opening: one more use, stamped with `time`.
  void RecordLaunch(std::int64_t time) {
    ++m_count;
    m_lastTime = time;
    BumpContentGeneration();
  }

  // Shell operations, through the desktop's `shell`. An ID list the shell does not take
  // for its own is never handed to it: opening such an item says why it cannot be.
  // Fills a new item for a dropped object: `child`, relative to the folder `parent`.
  void InitFromShell(DesktopShell& shell, const IdList* parent, const IdList* child,
                     std::int32_t group, std::uint32_t order);
  int Launch(DesktopShell& shell);      // 1 when opened, 0 on failure (already reported)
  int OpenFolder(DesktopShell& shell);  // 1 when the containing folder was opened, else 0
  // The target's small icon; an empty source when there is none the shell can take.
  IconSource SmallIcon(DesktopShell& shell) const;

  // The item's record in the collection file, after the class tag the collection writes.
  void Store(ArchiveWriter& archive) const;
  // Throws ArchiveError; the item is then unchanged. Moves no generation: the
  // collection that reads its items does, once.
  void Load(ArchiveReader& archive);

 private:
  std::string m_name;           // UTF-8 on Linux
  std::int64_t m_lastTime = 0;  // seconds since 1970 of the last launch; 0: never
  std::uint32_t m_count = 0;    // successful launches
  std::int32_t m_group = 0;
  std::uint32_t m_order = 0;  // position key inside the group
  std::int32_t m_icon = 0;    // index into the view's image list; not stored
  IdList* m_pidl = nullptr;   // owned, from g_malloc; null for an unreadable shortcut
  // Set only while m_pidl is null; apart, since hardly any item has one.
  std::unique_ptr<std::string> m_foreignIdList;
};
