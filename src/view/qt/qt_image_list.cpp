#include "view/qt/qt_image_list.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QStyle>

namespace {

QIcon ThemedIcon(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const QString themed = QString::fromStdString(name);
    if (!themed.isEmpty() && QIcon::hasThemeIcon(themed)) {
      return QIcon::fromTheme(themed);
    }
  }
  return {};
}

// QIcon(path) is never null even for a missing or broken file, so the file is only
// taken when it really yields a picture.
QIcon FileIcon(const std::string& path) {
  if (path.empty()) {
    return {};
  }
  const QString file = QString::fromStdString(path);
  if (!QFileInfo(file).isFile()) {
    return {};
  }
  QIcon icon(file);
  if (icon.pixmap(kSmallIconSize, kSmallIconSize).isNull()) {
    return {};
  }
  return icon;
}

QIcon GenericIcon(bool isFolder) {
  QIcon icon = QIcon::fromTheme(isFolder ? "folder" : "text-x-generic");
  if (!icon.isNull()) {
    return icon;
  }
  return QApplication::style()->standardIcon(isFolder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
}

}  // namespace

int QtImageList::AddIcon(const IconSource& icon) {
  QIcon chosen = ThemedIcon(icon.themedNames);
  if (chosen.isNull()) {
    chosen = FileIcon(icon.filePath);
  }
  if (chosen.isNull()) {
    chosen = GenericIcon(icon.isFolder);
  }
  m_icons.push_back(chosen);
  return static_cast<int>(m_icons.size()) - 1;
}

QIcon QtImageList::Icon(int index) const {
  if (index < 0 || index >= Count()) {
    return {};
  }
  return m_icons[static_cast<std::size_t>(index)];
}
