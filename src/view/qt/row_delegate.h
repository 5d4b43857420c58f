#pragma once

#include <QStyledItemDelegate>
#include <functional>
#include <string>

// Draws the rows at one fixed height and as wide as the list (the one column fills the
// width; long names are cut with an ellipsis), and hands the end of an in-place edit that
// changed the text to `onEndEdit` instead of writing the text into the row: the row shows
// a new name only when the view logic sets it.
class RowDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using EndEditHandler = std::function<void(int row, const std::string& text)>;

  RowDelegate(EndEditHandler onEndEdit, QObject* parent);

  // The height of every row for the list's font.
  static int RowHeight(const QFont& font);

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // Fills the editor when it opens; a row drawn again later (its icon has arrived) leaves
  // what the user has typed alone.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 private:
  EndEditHandler m_onEndEdit;
};
