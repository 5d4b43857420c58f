#include "view/qt/row_delegate.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>
#include <utility>

#include "view/qt/qt_image_list.h"

namespace {
constexpr int kRowPadding = 4;  // room for the focus frame above and below the text
}  // namespace

RowDelegate::RowDelegate(EndEditHandler onEndEdit, QObject* parent)
    : QStyledItemDelegate(parent), m_onEndEdit(std::move(onEndEdit)) {}

int RowDelegate::RowHeight(const QFont& font) {
  return std::max(QFontMetrics(font).height(), kSmallIconSize) + kRowPadding;
}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  // Width 1: the list then lays every row out as wide as its viewport, never wider.
  return {1, RowHeight(option.font)};
}

void RowDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const auto* line = qobject_cast<QLineEdit*>(editor);
  if (line != nullptr && line->isModified()) {
    return;
  }
  QStyledItemDelegate::setEditorData(editor, index);
}

void RowDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                               const QModelIndex& index) const {
  const auto* line = qobject_cast<QLineEdit*>(editor);
  if (line == nullptr || !index.isValid()) {
    return;
  }
  // An edit that changes nothing must not rewrite the name: a stored name that is not
  // valid UTF-8 is shown with replacement characters, and taking the shown text back
  // would lose its bytes.
  if (line->text() == index.data(Qt::EditRole).toString()) {
    return;
  }
  m_onEndEdit(index.row(), line->text().toStdString());
}
