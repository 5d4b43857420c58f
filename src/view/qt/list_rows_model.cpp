#include "view/qt/list_rows_model.h"

#include <algorithm>
#include <utility>

#include "store/vostek_item.h"
#include "view/qt/qt_image_list.h"

ListRowsModel::ListRowsModel(QtImageList& images, QObject* parent)
    : QAbstractListModel(parent), m_images(images) {}

int ListRowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_shown;
}

QVariant ListRowsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_shown) {
    return {};
  }
  const Row& row = m_rows[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return QString::fromStdString(row.text);
    case Qt::DecorationRole:
      if (row.image < 0) {
        return {};
      }
      if (m_images.IsDeferred(row.image)) {
        if (m_blankRows.empty()) {
          QMetaObject::invokeMethod(const_cast<ListRowsModel*>(this), &ListRowsModel::FetchOneIcon,
                                    Qt::QueuedConnection);
        }
        if (std::find(m_blankRows.begin(), m_blankRows.end(), index.row()) == m_blankRows.end()) {
          m_blankRows.push_back(index.row());
        }
        return QtImageList::Placeholder();
      }
      return m_images.Icon(row.image);
    default:
      return {};
  }
}

Qt::ItemFlags ListRowsModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) {
    return Qt::NoItemFlags;
  }
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

int ListRowsModel::Count() {
  Commit();
  return m_shown;
}

const ListRowsModel::Row* ListRowsModel::At(int row) {
  Commit();
  return row >= 0 && row < m_shown ? &m_rows[static_cast<std::size_t>(row)] : nullptr;
}

void ListRowsModel::Clear() {
  beginResetModel();
  m_rows.clear();
  m_blankRows.clear();
  m_shown = 0;
  endResetModel();
}

void ListRowsModel::Insert(int row, Row content) {
  if (row == static_cast<int>(m_rows.size())) {
    m_rows.push_back(std::move(content));
    if (!m_commitPosted) {
      m_commitPosted = true;
      QMetaObject::invokeMethod(this, &ListRowsModel::Commit, Qt::QueuedConnection);
    }
    return;
  }
  Commit();
  if (row < 0 || row > m_shown) {
    return;
  }
  beginInsertRows(QModelIndex(), row, row);
  m_rows.insert(m_rows.begin() + row, std::move(content));
  ++m_shown;
  endInsertRows();
}

void ListRowsModel::Remove(int row) {
  Commit();
  if (row < 0 || row >= m_shown) {
    return;
  }
  beginRemoveRows(QModelIndex(), row, row);
  m_rows.erase(m_rows.begin() + row);
  --m_shown;
  endRemoveRows();
}

void ListRowsModel::SetText(int row, std::string text) {
  Commit();
  if (row < 0 || row >= m_shown) {
    return;
  }
  m_rows[static_cast<std::size_t>(row)].text = std::move(text);
  const QModelIndex changed = index(row);
  emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

void ListRowsModel::Commit() {
  m_commitPosted = false;
  const int all = static_cast<int>(m_rows.size());
  if (all == m_shown) {
    return;
  }
  beginInsertRows(QModelIndex(), m_shown, all - 1);
  m_shown = all;
  endInsertRows();
}

void ListRowsModel::FetchOneIcon() {
  // A row may have moved or gone since it was drawn; whatever row stands there now and
  // still lacks its icon is served instead, and is drawn again.
  while (!m_blankRows.empty()) {
    const int row = m_blankRows.front();
    m_blankRows.erase(m_blankRows.begin());
    if (row >= m_shown) {
      continue;
    }
    const Row& content = m_rows[static_cast<std::size_t>(row)];
    if (!m_images.IsDeferred(content.image)) {
      continue;
    }
    m_images.Icon(content.image, content.item != nullptr ? content.item->GetPidl() : nullptr);
    const QModelIndex fetched = index(row);
    emit dataChanged(fetched, fetched, {Qt::DecorationRole});
    break;
  }
  if (!m_blankRows.empty()) {
    QMetaObject::invokeMethod(this, &ListRowsModel::FetchOneIcon, Qt::QueuedConnection);
  }
}
