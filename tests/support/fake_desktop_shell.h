#pragma once

// A desktop shell that opens nothing: it records what it is asked to open, names the
// dropped objects it is handed "dropped0", "dropped1"... and takes as its own the ID
// lists `ownList` accepts (any that hold together, unless a test says otherwise).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/globals.h"
#include "store/desktop_shell.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"

// A one-item list (a file-name item holding `name`), to tell items apart by their targets.
inline IdListPtr FakeTarget(const std::string& name) {
  std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(3 + name.size()), 0,
                                     static_cast<std::uint8_t>(IdItemKind::FileName)};
  bytes.insert(bytes.end(), name.begin(), name.end());
  bytes.insert(bytes.end(), {0, 0});
  return IdListPtr(CopyIdList(bytes.data(), bytes.size()));
}

class FakeDesktopShell : public DesktopShell {
 public:
  enum class Action { Launch, OpenFolder };
  struct Call {
    Action action;
    const VostekItem* item;  // the item of g_data whose target was handed over, or null
  };
  std::vector<Call> calls;
  int added = 0;
  std::function<bool(const std::uint8_t*, std::size_t)> ownList = IsWellFormedIdList;

  std::string DisplayNameOf(const IdList*, const IdList*) override {
    return "dropped" + std::to_string(added++);
  }
  IdListPtr TargetOf(const IdList* parent, const IdList* child) override {
    return IdListPtr(ConcatIdLists(parent, child));
  }
  IconSource SmallIconOf(const IdList*) override { return {}; }
  bool Open(const IdList* target, std::string*) override {
    calls.push_back({Action::Launch, ItemOf(target)});
    return true;
  }
  FolderOpening OpenContainingFolder(const IdList* target, std::string*) override {
    calls.push_back({Action::OpenFolder, ItemOf(target)});
    return FolderOpening::Opened;
  }
  bool IsOwnIdList(const std::uint8_t* bytes, std::size_t size) const override {
    return ownList(bytes, size);
  }

 private:
  static const VostekItem* ItemOf(const IdList* target) {
    for (int i = 0; target != nullptr && i < g_data->GetItemCount(); ++i) {
      if (g_data->GetItem(i)->GetPidl() == target) {
        return g_data->GetItem(i);
      }
    }
    return nullptr;
  }
};
