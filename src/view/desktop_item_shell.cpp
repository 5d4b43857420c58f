// The view's items on this desktop: the shell operations of VostekItem and VostekData,
// which the platform layer supplies.

#include "app/globals.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"
#include "view/item_shell.h"

namespace {

class DesktopShell final : public ItemShell {
 public:
  void Launch(VostekItem& item) override { item.Launch(); }
  void OpenFolder(VostekItem& item) override { item.OpenFolder(); }
  void AddItem(const IdList* parent, const IdList* child, ImageList& imageList) override {
    g_data->AddItem(parent, child, imageList);
  }
};

}  // namespace

ItemShell& DesktopItemShell() {
  static DesktopShell shell;
  return shell;
}
