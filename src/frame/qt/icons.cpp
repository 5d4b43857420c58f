#include "frame/qt/icons.h"

#include "resources/toolbar.h"

// The resources live in a static library: referencing them here keeps the linker from
// dropping them from the program. (Outside any namespace, where rcc defines them.)
static void EnsureResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(vostek);
    return true;
  }();
  (void)registered;
}

QIcon ResourceIcon(const char* path) {
  EnsureResources();
  return QIcon(QString::fromUtf8(path));
}

QIcon ApplicationIcon() {
  return ResourceIcon(toolbar::kApplicationIcon);
}
