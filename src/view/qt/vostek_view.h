#pragma once

#include <QListView>
#include <QPointer>
#include <memory>

#include "view/list_control.h"
#include "view/qt/qt_image_list.h"
#include "view/view_host.h"

class DesktopShell;
class LauncherView;
class MigemoDictionary;
class ListRowsModel;
class QMenu;
class RowDelegate;

// The launcher list: one column of rows without header, multiple selection, 16x16
// icons, in-place name editing, drop target. The toolkit-neutral behaviour lives in
// LauncherView; this widget turns Qt's input into its calls and shows its rows.
class CvostekView : public QListView, public ListControl, public ViewHost {
  Q_OBJECT

 public:
  // Opens and takes in items through `shell`, which outlives the view.
  explicit CvostekView(DesktopShell& shell, QWidget* parent = nullptr);
  // A list of its own over the Linux desktop's shell, which it keeps.
  explicit CvostekView(QWidget* parent = nullptr);
  ~CvostekView() override;

  // Icons of every item and the dictionary; once, before the first showing.
  void OnInitialUpdate();
  // For a process that ends without the window's teardown (the display went away):
  // the dictionary's opening and the name index's building, each on a worker, end
  // first, so that no worker runs on while the process ends.
  void FinishBackgroundWork();

  LauncherView& Logic();
  using QListView::edit;  // the public overload, beside the one overridden below

  // The command table: view commands run here; others answer false.
  bool IsCommandEnabled(int id) const;
  bool RunCommand(int id);

  // The item popup as it opens now: entries enabled by their rules, the move-to-group
  // sub-menu built from the groups. The caller runs it.
  std::unique_ptr<QMenu> CreateItemMenu();
  // Shows the item popup at a screen point and runs the chosen command.
  void ShowItemMenu(const QPoint& screenPoint);

  // The row's text and picture as the list shows them (for tests and tools).
  QString RowText(int row) const;
  QIcon RowIcon(int row) const;

  // ListControl
  int GetItemCount() const override;
  int GetCountPerPage() const override;
  void DeleteAllItems() override;
  void InsertItem(int row, const std::string& text, int image, VostekItem* item) override;
  void DeleteItem(int row) override;
  VostekItem* GetItemData(int row) const override;
  void SetItemText(int row, const std::string& text) override;
  void SetItemState(int row, unsigned state, unsigned mask) override;
  unsigned GetItemState(int row, unsigned mask) const override;
  int GetNextSelected(int row) const override;
  int GetSelectedCount() const override;
  void EnsureVisible(int row) override;
  void EditLabel(int row) override;

  // ViewHost
  void SetTitle(const std::string& title) override;
  bool IsWindowVisible() const override;
  void HideWindow() override;
  void BringToFront() override;
  bool IsShiftDown() const override;
  std::optional<std::string> AskGroupName() override;

  // Typed letters never select rows: typing is the search.
  void keyboardSearch(const QString& search) override;

 signals:
  // Selection, view mode, settings or groups may have changed: enabling rules and
  // check marks are to be read again.
  void commandStateChanged();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CvostekView(std::unique_ptr<DesktopShell> ownShell, QWidget* parent);
  void OnEndLabelEdit(int row, const std::string& text);
  // The model index of a row the list holds; invalid for any other row.
  QModelIndex RowIndex(int row) const;

  std::unique_ptr<DesktopShell> m_ownShell;  // only for a list of its own
  std::unique_ptr<MigemoDictionary> m_dictionary;
  QtImageList m_imageList;
  std::unique_ptr<LauncherView> m_logic;
  ListRowsModel* m_rows;
  RowDelegate* m_delegate;
  QPointer<QWidget> m_watchedWindow;     // the top-level window whose minimising hides
  QPersistentModelIndex m_pressedIndex;  // the row of the last press: a click ends there
  bool m_pressOnSoleSelection = false;   // the last press hit the one selected row
};
