#include "view/qt/qt_image_list.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmap>
#include <QStyle>

#include "platform/linux/shell_icon.h"

namespace {

// QIcon(path) is never null even for a missing or broken file, so the file is only
// taken when it really yields a picture.
QIcon FileIcon(const std::string& path) {
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
  m_entries.push_back(Picture(icon));
  return Count() - 1;
}

int QtImageList::AddDeferredIcon() {
  m_entries.push_back(kDeferred);
  return Count() - 1;
}

QIcon QtImageList::Icon(int index, const std::uint8_t* target) {
  if (index < 0 || index >= Count()) {
    return {};
  }
  int& picture = m_entries[static_cast<std::size_t>(index)];
  if (picture == kDeferred) {
    picture = Picture(FetchSmallIcon(target));
  }
  return m_pictures[static_cast<std::size_t>(picture)];
}

bool QtImageList::IsDeferred(int index) const {
  return index >= 0 && index < Count() && m_entries[static_cast<std::size_t>(index)] == kDeferred;
}

QIcon QtImageList::Placeholder() {
  static const QIcon blank = [] {
    QPixmap pixmap(kSmallIconSize, kSmallIconSize);
    pixmap.fill(Qt::transparent);
    return QIcon(pixmap);
  }();
  return blank;
}

int QtImageList::Picture(const IconSource& icon) {
  // Asking the icon theme costs a walk over its folders: each kind of icon asks it once.
  std::string source;
  for (const std::string& name : icon.themedNames) {
    source += name + '\n';
  }
  source += icon.isFolder ? "folder:" : "file:";
  source += icon.filePath;
  const auto known = m_pictureBySource.find(source);
  if (known != m_pictureBySource.end()) {
    return known->second;
  }
  const int picture = Choose(icon);
  m_pictureBySource.emplace(std::move(source), picture);
  return picture;
}

int QtImageList::Choose(const IconSource& icon) {
  for (const std::string& name : icon.themedNames) {
    const QString themed = QString::fromStdString(name);
    if (!themed.isEmpty() && QIcon::hasThemeIcon(themed)) {
      return Shared("theme:" + name, [&] { return QIcon::fromTheme(themed); });
    }
  }
  if (!icon.filePath.empty()) {
    // A file that yields no picture shares the generic one, and is not read again.
    return Shared("file:" + icon.filePath, [&] {
      QIcon file = FileIcon(icon.filePath);
      return file.isNull() ? m_pictures[static_cast<std::size_t>(Generic(icon.isFolder))] : file;
    });
  }
  return Generic(icon.isFolder);
}

int QtImageList::Generic(bool isFolder) {
  return Shared(isFolder ? "generic:folder" : "generic:file",
                [isFolder] { return GenericIcon(isFolder); });
}

int QtImageList::Shared(const std::string& key, const std::function<QIcon()>& make) {
  const auto found = m_pictureByKey.find(key);
  if (found != m_pictureByKey.end()) {
    return found->second;
  }
  m_pictures.push_back(make());
  const int index = static_cast<int>(m_pictures.size()) - 1;
  m_pictureByKey.emplace(key, index);
  return index;
}
