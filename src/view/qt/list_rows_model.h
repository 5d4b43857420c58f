#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

class QtImageList;
class VostekItem;

// The rows of the launcher list, one column: each row's text, image index (-1: none)
// and item. Rows appended one after another reach the view together, in one insertion,
// at the next other call or when the event loop turns, so that a refresh of many rows
// costs the view one notice. A row whose icon has not been fetched yet is drawn with a
// blank one; the icons of the rows drawn so are fetched afterwards, one per turn of the
// event loop, so that neither showing nor typing waits for the desktop.
class ListRowsModel : public QAbstractListModel {
  Q_OBJECT

 public:
  struct Row {
    VostekItem* item = nullptr;
    std::string text;
    int image = -1;
  };

  ListRowsModel(QtImageList& images, QObject* parent);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  int Count();
  // The row, or null for an index out of range.
  const Row* At(int row);
  void Clear();
  void Insert(int row, Row content);
  void Remove(int row);
  void SetText(int row, std::string text);
  // Hands the rows appended since the last call to the view.
  void Commit();
  // Fetches the icon of one row drawn blank, and asks for the next turn while any is left.
  void FetchOneIcon();

 private:
  QtImageList& m_images;
  std::vector<Row> m_rows;
  int m_shown = 0;  // the rows the view knows of: the first m_shown
  bool m_commitPosted = false;
  // Rows drawn with a blank icon, in the order they were drawn.
  mutable std::vector<int> m_blankRows;
};
