#include "view/qt/dropped_urls.h"

#include <QByteArray>

#include "platform/linux/shell_id_list.h"

namespace {

// The path as the raw bytes the file system knows: taken from the encoded form, so a
// name that is not UTF-8 keeps its bytes instead of becoming replacement characters.
QByteArray RawLocalPath(const QUrl& url) {
  return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
}

bool IsLocalFile(const QUrl& url) {
  return url.isLocalFile() && (url.host().isEmpty() || url.host() == QLatin1String("localhost"));
}

DroppedObject FromLocalPath(QByteArray path) {
  while (path.size() > 1 && path.endsWith('/')) {
    path.chop(1);  // a dropped folder may come as "dir/"
  }
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) {
    return {};
  }
  const std::string_view whole(path.constData(), static_cast<std::size_t>(path.size()));
  const std::string_view name = whole.substr(static_cast<std::size_t>(slash) + 1);
  if (name.empty()) {
    return {IdListFromPath("/"), IdListFromPath("/")};  // the root itself
  }
  const std::string_view folder =
      slash == 0 ? "/" : whole.substr(0, static_cast<std::size_t>(slash));
  return {IdListFromPath(folder), MakeSingleItemIdList(IdItemKind::FileName, name)};
}

DroppedObject FromUri(const QUrl& url) {
  const QByteArray uri = url.toEncoded();
  return {IdListFromPath("/"), IdListFromUri(std::string_view(uri.constData(), uri.size()))};
}

}  // namespace

std::vector<DroppedObject> DroppedObjectsFromUrls(const QList<QUrl>& urls) {
  std::vector<DroppedObject> objects;
  objects.reserve(static_cast<std::size_t>(urls.size()));
  for (const QUrl& url : urls) {
    if (!url.isValid() || url.scheme().isEmpty()) {
      continue;  // not an object anyone can name
    }
    DroppedObject object = IsLocalFile(url) ? FromLocalPath(RawLocalPath(url)) : FromUri(url);
    if (object.parent && object.child) {
      objects.push_back(std::move(object));
    }
  }
  return objects;
}

Qt::DropAction DropActionFor(const QMimeData* data, Qt::DropActions possible) {
  if (data == nullptr || !data->hasUrls() || data->urls().isEmpty()) {
    return Qt::IgnoreAction;
  }
  if (possible & Qt::CopyAction) {
    return Qt::CopyAction;
  }
  if (possible & Qt::LinkAction) {
    return Qt::LinkAction;
  }
  return Qt::IgnoreAction;
}
