#include "view/qt/vostek_view.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

#include "app/globals.h"
#include "app/trace.h"
#include "platform/linux/linux_shell.h"
#include "resources/texts.h"
#include "resources/virtual_keys.h"
#include "search/migemo_dictionary.h"
#include "search/search_step.h"
#include "store/vostek_data.h"
#include "tray/qt/window_activation.h"
#include "view/launcher_view.h"
#include "view/qt/dropped_urls.h"
#include "view/qt/item_popup_menu.h"
#include "view/qt/list_rows_model.h"
#include "view/qt/row_delegate.h"
#include "view/qt/text_dialog.h"
#include "view/search_keys.h"

namespace {

// Keys held with Ctrl, Alt or the logo key are commands or system keys, never search
// text; Shift only changes which character arrives.
bool HasCommandModifier(const QKeyEvent& event) {
  return (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}

// The character a key offers the search, 0 for none; which of them is search text is
// the view's rule (SearchCharacter).
char16_t TypedCharacter(const QKeyEvent& event) {
  const QString text = event.text();
  if (HasCommandModifier(event) || text.size() != 1 || text.at(0).unicode() >= 0x80) {
    return 0;
  }
  return text.at(0).unicode();
}

// The key as the search's rule reads it (ClearsSearch): the virtual key of Backspace
// and Delete, 0 for any other key, with the modifiers as MOD_ flags.
int SearchClearingKey(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers();
  const int virtualKey = event.key() == Qt::Key_Backspace ? vk::kBack
                         : event.key() == Qt::Key_Delete  ? vk::kDelete
                                                          : 0;
  const int modFlags = ((mods & Qt::AltModifier) != 0 ? vk::kModAlt : 0) |
                       ((mods & Qt::ControlModifier) != 0 ? vk::kModControl : 0) |
                       ((mods & Qt::ShiftModifier) != 0 ? vk::kModShift : 0) |
                       ((mods & Qt::MetaModifier) != 0 ? vk::kModWin : 0);
  return virtualKey != 0 && ClearsSearch(virtualKey, modFlags) ? virtualKey : 0;
}

}  // namespace

CvostekView::CvostekView(QWidget* parent) : CvostekView(std::make_unique<LinuxShell>(), parent) {}

CvostekView::CvostekView(std::unique_ptr<DesktopShell> ownShell, QWidget* parent)
    : CvostekView(*ownShell, parent) {
  m_ownShell = std::move(ownShell);
}

CvostekView::CvostekView(DesktopShell& shell, QWidget* parent)
    : QListView(parent),
      m_dictionary(std::make_unique<MigemoDictionary>()),
      m_logic(std::make_unique<LauncherView>(*this, *this, *m_dictionary, shell)),
      m_rows(new ListRowsModel(m_imageList, this)),
      m_delegate(new RowDelegate(
          [this](int row, const std::string& text) { OnEndLabelEdit(row, text); }, this)) {
  setModel(m_rows);
  setItemDelegate(m_delegate);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::SelectedClicked);
  setIconSize(QSize(kSmallIconSize, kSmallIconSize));
  setUniformItemSizes(true);
  setResizeMode(QListView::Adjust);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextElideMode(Qt::ElideRight);
  setDragEnabled(false);
  setDragDropMode(QAbstractItemView::DropOnly);
  setDefaultDropAction(Qt::CopyAction);
  setDropIndicatorShown(false);
  setAcceptDrops(true);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CvostekView::commandStateChanged);
}

CvostekView::~CvostekView() {
  // The rows go after this body: no selection news for a frame that may be half gone,
  // and an open editor that commits on losing the focus finds no logic to take the name.
  blockSignals(true);
  m_logic.reset();
}

LauncherView& CvostekView::Logic() {
  return *m_logic;
}

void CvostekView::FinishBackgroundWork() {
  m_logic->FinishPreparingSearch();
  m_dictionary->Close();
}

void CvostekView::OnInitialUpdate() {
  if (g_data != nullptr) {
    for (int i = 0; i < g_data->GetItemCount(); ++i) {
      VostekItem* item = g_data->GetItem(i);
      item->SetIcon(m_imageList.AddDeferredIcon());
    }
  }
  m_dictionary->OpenInBackground(MigemoDictionary::PathsIn(g_dataFolder),
                                 SingleLetterDictionaryTexts());

  QWidget* top = window();
  if (top != m_watchedWindow) {
    if (m_watchedWindow != nullptr) {
      m_watchedWindow->removeEventFilter(this);
    }
    m_watchedWindow = top;
    top->installEventFilter(this);
  }
}

bool CvostekView::IsCommandEnabled(int id) const {
  return m_logic->IsCommandEnabled(id);
}

bool CvostekView::RunCommand(int id) {
  if (!m_logic->RunCommand(id)) {
    return false;
  }
  emit commandStateChanged();
  return true;
}

std::unique_ptr<QMenu> CvostekView::CreateItemMenu() {
  return BuildItemPopupMenu(
      m_logic->BuildMoveToGroupMenu(), [this](int id) { return IsCommandEnabled(id); }, window());
}

void CvostekView::ShowItemMenu(const QPoint& screenPoint) {
  std::unique_ptr<QMenu> menu = CreateItemMenu();
  BringToFront();
  QAction* chosen = menu->exec(screenPoint);
  if (chosen != nullptr && chosen->isEnabled()) {
    RunCommand(chosen->data().toInt());
  }
}

QModelIndex CvostekView::RowIndex(int row) const {
  return m_rows->At(row) != nullptr ? m_rows->index(row) : QModelIndex();
}

QString CvostekView::RowText(int row) const {
  return RowIndex(row).data(Qt::DisplayRole).toString();
}

QIcon CvostekView::RowIcon(int row) const {
  return RowIndex(row).data(Qt::DecorationRole).value<QIcon>();
}

// ListControl

int CvostekView::GetItemCount() const {
  return m_rows->Count();
}

int CvostekView::GetCountPerPage() const {
  return viewport()->height() / RowDelegate::RowHeight(font());
}

void CvostekView::DeleteAllItems() {
  m_rows->Clear();
}

void CvostekView::InsertItem(int row, const std::string& text, int image, VostekItem* item) {
  // The logic passes no image while icons are off, and every switch rebuilds the rows.
  m_rows->Insert(row, {item, text, image});
}

void CvostekView::DeleteItem(int row) {
  m_rows->Remove(row);
}

VostekItem* CvostekView::GetItemData(int row) const {
  const ListRowsModel::Row* content = m_rows->At(row);
  return content != nullptr ? content->item : nullptr;
}

void CvostekView::SetItemText(int row, const std::string& text) {
  m_rows->SetText(row, text);
}

void CvostekView::SetItemState(int row, unsigned state, unsigned mask) {
  m_rows->Commit();
  QItemSelectionModel* selection = selectionModel();
  if (row == -1) {
    if ((mask & LVIS_SELECTED) != 0) {
      if ((state & LVIS_SELECTED) != 0) {
        selectAll();
      } else {
        clearSelection();
      }
    }
    if ((mask & LVIS_FOCUSED) != 0) {
      // Focus is one row: given to every row in turn, the last keeps it.
      const int count = m_rows->Count();
      const QModelIndex focus =
          (state & LVIS_FOCUSED) != 0 && count > 0 ? m_rows->index(count - 1) : QModelIndex();
      selection->setCurrentIndex(focus, QItemSelectionModel::NoUpdate);
    }
    return;
  }
  const QModelIndex index = RowIndex(row);
  if (!index.isValid()) {
    return;
  }
  if ((mask & LVIS_SELECTED) != 0) {
    selection->select(index, (state & LVIS_SELECTED) != 0 ? QItemSelectionModel::Select
                                                          : QItemSelectionModel::Deselect);
  }
  if ((mask & LVIS_FOCUSED) != 0) {
    if ((state & LVIS_FOCUSED) != 0) {
      selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    } else if (selection->currentIndex() == index) {
      selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
  }
}

unsigned CvostekView::GetItemState(int row, unsigned mask) const {
  const QModelIndex index = RowIndex(row);
  if (!index.isValid()) {
    return 0;
  }
  unsigned state = 0;
  if (selectionModel()->isSelected(index)) {
    state |= LVIS_SELECTED;
  }
  if (currentIndex() == index) {
    state |= LVIS_FOCUSED;
  }
  return state & mask;
}

int CvostekView::GetNextSelected(int row) const {
  m_rows->Commit();
  // Walks the selection's ranges, not every row: fast also for a long list all selected.
  int next = -1;
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    const int candidate = std::max(range.top(), row + 1);
    if (candidate <= range.bottom() && (next == -1 || candidate < next)) {
      next = candidate;
    }
  }
  return next;
}

int CvostekView::GetSelectedCount() const {
  m_rows->Commit();
  return static_cast<int>(selectionModel()->selectedRows().size());
}

void CvostekView::EnsureVisible(int row) {
  const QModelIndex index = RowIndex(row);
  if (index.isValid()) {
    scrollTo(index, QAbstractItemView::EnsureVisible);
  }
}

void CvostekView::EditLabel(int row) {
  const QModelIndex index = RowIndex(row);
  if (index.isValid()) {
    setFocus();
    scrollTo(index, QAbstractItemView::EnsureVisible);
    edit(index);
  }
}

void CvostekView::OnEndLabelEdit(int row, const std::string& text) {
  if (!m_logic) {
    return;
  }
  m_logic->OnEndLabelEdit(row, text);
  emit commandStateChanged();
}

// ViewHost

void CvostekView::SetTitle(const std::string& title) {
  const QString shown = QString::fromStdString(title);
  window()->setWindowTitle(shown);
  // The list is named after what it shows, as the title says it without the program.
  const QString suffix = QString::fromUtf8(texts::kTitleSuffix);
  setAccessibleName(shown.endsWith(suffix) ? shown.chopped(suffix.size()) : shown);
}

bool CvostekView::IsWindowVisible() const {
  return window()->isVisible();
}

void CvostekView::HideWindow() {
  window()->hide();
}

void CvostekView::BringToFront() {
  ActivateWindow(window());
}

bool CvostekView::IsShiftDown() const {
  return (QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier) != 0;
}

std::optional<std::string> CvostekView::AskGroupName() {
  CTextDialog dialog(this);
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return dialog.Text();
}

void CvostekView::keyboardSearch(const QString&) {}

// Input

void CvostekView::keyPressEvent(QKeyEvent* event) {
  Trace("key");
  if (const char16_t character = TypedCharacter(*event);
      character != 0 && m_logic->OnChar(character, (event->modifiers() & Qt::ShiftModifier) != 0)) {
    emit commandStateChanged();
    event->accept();
    return;
  }
  if (const int virtualKey = SearchClearingKey(*event)) {
    m_logic->OnKeyDown(virtualKey);
    emit commandStateChanged();
  }
  QListView::keyPressEvent(event);
}

void CvostekView::paintEvent(QPaintEvent* event) {
  QListView::paintEvent(event);
  Trace("painted");
}

void CvostekView::mousePressEvent(QMouseEvent* event) {
  const QModelIndex pressed = indexAt(event->position().toPoint());
  m_pressedIndex = pressed;
  // Only a click on the row that is already the one selected row edits its name; a
  // click into a larger selection narrows it to that row, on the release.
  m_pressOnSoleSelection = pressed.isValid() && selectionModel()->isSelected(pressed) &&
                           selectionModel()->selectedIndexes().size() == 1;
  if (event->button() == Qt::RightButton && !pressed.isValid()) {
    // The popup that follows is about what the user points at: nothing.
    clearSelection();
    emit commandStateChanged();
  }
  if (event->button() == Qt::MiddleButton) {
    // Only the row under the cursor ends selected, whatever the keys: the list's own
    // handling would extend the selection with Shift or Ctrl.
    const QModelIndex index = indexAt(event->position().toPoint());
    m_logic->OnMButtonDown(index.isValid() ? index.row() : -1);
    emit commandStateChanged();
    event->accept();
    return;
  }
  QListView::mousePressEvent(event);
}

void CvostekView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    m_logic->OnMButtonUp();
    emit commandStateChanged();
    event->accept();
    return;
  }
  const QModelIndex released = indexAt(event->position().toPoint());
  const bool plainClick = event->button() == Qt::LeftButton &&
                          event->modifiers() == Qt::NoModifier && released.isValid() &&
                          released == m_pressedIndex && state() != EditingState;
  QListView::mouseReleaseEvent(event);
  if (plainClick && !m_pressOnSoleSelection) {
    selectionModel()->select(released,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
}

bool CvostekView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  if (trigger == SelectedClicked && !m_pressOnSoleSelection) {
    return false;
  }
  return QListView::edit(index, trigger, event);
}

void CvostekView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    m_logic->OnItemLaunch();
    emit commandStateChanged();
  }
  QListView::mouseDoubleClickEvent(event);
}

void CvostekView::wheelEvent(QWheelEvent* event) {
  // Only turns of the vertical wheel step through the views; a horizontal scroll or the
  // end of a touchpad gesture carries no vertical turn.
  const int delta = event->angleDelta().y();
  if (delta != 0 && m_logic->OnMouseWheel((event->buttons() & Qt::MiddleButton) != 0, delta)) {
    emit commandStateChanged();
  }
  QListView::wheelEvent(event);
}

void CvostekView::contextMenuEvent(QContextMenuEvent* event) {
  ShowItemMenu(event->globalPos());
  event->accept();
}

void CvostekView::dragEnterEvent(QDragEnterEvent* event) {
  dragMoveEvent(event);
}

void CvostekView::dragMoveEvent(QDragMoveEvent* event) {
  const Qt::DropAction action = DropActionFor(event->mimeData(), event->possibleActions());
  if (action == Qt::IgnoreAction) {
    event->ignore();
    return;
  }
  event->setDropAction(action);
  event->accept();
}

void CvostekView::dragLeaveEvent(QDragLeaveEvent* event) {
  event->accept();
}

void CvostekView::dropEvent(QDropEvent* event) {
  const Qt::DropAction action = DropActionFor(event->mimeData(), event->possibleActions());
  if (action == Qt::IgnoreAction) {
    event->ignore();
    return;
  }
  const std::vector<DroppedObject> objects = DroppedObjectsFromUrls(event->mimeData()->urls());
  if (objects.empty() || !m_logic->OnDrop(objects, m_imageList)) {
    event->ignore();
    return;
  }
  emit commandStateChanged();
  event->setDropAction(action);
  event->accept();
}

bool CvostekView::eventFilter(QObject* watched, QEvent* event) {
  if (m_logic && watched == m_watchedWindow && event->type() == QEvent::WindowStateChange &&
      m_watchedWindow->isMinimized()) {
    m_logic->OnHide();
    emit commandStateChanged();
  }
  return QListView::eventFilter(watched, event);
}
