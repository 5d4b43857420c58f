#include "view/win32/vostek_view.h"

#include <objbase.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "app/globals.h"
#include "platform/windows/wide_text.h"
#include "resources/command_ids.h"
#include "search/search_step.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"
#include "tray/win32/show_at_cursor.h"
#include "view/search_keys.h"
#include "view/win32/drop_target.h"
#include "view/win32/item_popup_menu.h"
#include "view/win32/text_dialog.h"

namespace {

constexpr UINT kListId = 0xE900;    // the frame's one pane
constexpr UINT_PTR kIconTimer = 1;  // fetches the icons of drawn rows, a few per tick
// Icons fetched per tick: a tick stays short enough for the keys and the painting that
// wait behind it.
constexpr int kIconsPerTick = 4;
constexpr unsigned kFirstPrintable = 0x20;

}  // namespace

CvostekView::CvostekView(HWND frame, DesktopShell& shell, std::function<void()> commandsChanged)
    : m_frame(frame),
      m_shell(shell),
      m_commandsChanged(std::move(commandsChanged)),
      m_logic(std::make_unique<LauncherView>(*this, *this, m_dictionary, shell)) {}

CvostekView::~CvostekView() {
  if (m_list != nullptr) {
    m_trayPresence.reset();
    ::RevokeDragDrop(m_list);
    ::RemoveWindowSubclass(m_list, SubclassProc, 0);
  }
  m_tray.Remove();
  if (m_dropTarget != nullptr) {
    m_dropTarget->Release();
  }
  if (m_noImageList != nullptr) {
    ::ImageList_Destroy(m_noImageList);
  }
  m_dictionary.Close();
}

bool CvostekView::Create() {
  m_list = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_EDITLABELS |
                                 LVS_NOCOLUMNHEADER | LVS_SHOWSELALWAYS,
                             0, 0, 0, 0, m_frame, reinterpret_cast<HMENU>(kListId),
                             ::GetModuleHandleW(nullptr), nullptr);
  if (m_list == nullptr) {
    return false;
  }
  ::SetWindowSubclass(m_list, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
  m_dropTarget =
      new DropTarget([this](std::span<const DroppedObject> objects) { return TakeDrop(objects); });
  ::RegisterDragDrop(m_list, m_dropTarget);
  m_tray.Add(m_list);
  auto way = std::make_unique<RegisteredHotKeyWay>(m_list);
  m_hotKeyWay = way.get();
  // The dialog runs once the tray's notification is answered, not inside it.
  m_trayPresence = std::make_unique<TrayPresence>(
      m_tray, std::move(way), [this] { OnShow(); },
      [this] { ::PostMessageW(m_frame, WM_COMMAND, ID_HOTKEY_SETTINGS, 0); });
  m_trayPresence->Start();
  return true;
}

void CvostekView::OnHotKeySettings() {
  if (m_hotKeyDialog != nullptr) {
    return;  // already open, and modal
  }
  HotKeyDialog dialog(m_trayPresence->HotKey());
  m_hotKeyDialog = &dialog;
  dialog.Run(m_frame);
  m_hotKeyDialog = nullptr;
}

void CvostekView::ShowBalloon(const std::string& title, const std::string& text) {
  // A click on this one has nothing to open.
  m_tray.ShowBalloon(title, [text](TrayClick) { return text; }, {});
}

void CvostekView::OnInitialUpdate() {
  ListView_SetExtendedListViewStyleEx(m_list, 0, LVS_EX_FULLROWSELECT);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_FMT;
  column.fmt = LVCFMT_LEFT;
  column.pszText = const_cast<wchar_t*>(L"name");
  ListView_InsertColumn(m_list, 0, &column);
  FitColumn();

  const int items = g_data != nullptr ? g_data->GetItemCount() : 0;
  m_imageList = std::make_unique<Win32ImageList>();
  m_noImageList = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 1);
  SyncImageList();
  for (int i = 0; i < items; ++i) {
    g_data->GetItem(i)->SetIcon(m_imageList->AddDeferredIcon());
  }
  // Relative to the program's folder, the current one: the library opens files by
  // narrow names, which need not hold the folder's own name.
  m_dictionary.OpenInBackground(MigemoDictionary::PathsIn("."), SingleLetterDictionaryTexts());
}

void CvostekView::SyncImageList() {
  HIMAGELIST shown = g_settings.showicon != 0 ? m_imageList->Handle() : m_noImageList;
  ListView_SetImageList(m_list, shown, LVSIL_SMALL);
}

void CvostekView::Resize(const RECT& area) {
  ::MoveWindow(m_list, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
  FitColumn();
}

void CvostekView::FitColumn() {
  // Setting the width may take a scroll bar away and so change the client width again.
  if (m_fittingColumn) {
    return;
  }
  m_fittingColumn = true;
  RECT client{};
  ::GetClientRect(m_list, &client);
  if (ListView_GetColumnWidth(m_list, 0) != client.right) {
    ListView_SetColumnWidth(m_list, 0, client.right);
  }
  m_fittingColumn = false;
}

void CvostekView::ShowRowIcon(NMLVDISPINFOW& info) {
  const VostekItem* item = GetItemData(info.item.iItem);
  const int entry = item != nullptr ? item->GetIcon() : -1;
  if (m_imageList->IsDeferred(entry)) {
    if (m_blankRows.empty()) {
      ::SetTimer(m_list, kIconTimer, 0, nullptr);
    }
    if (std::find(m_blankRows.begin(), m_blankRows.end(), info.item.iItem) == m_blankRows.end()) {
      m_blankRows.push_back(info.item.iItem);
    }
  }
  info.item.iImage = m_imageList->PictureOf(entry);
}

void CvostekView::FetchRowIcons() {
  // A row may have moved or gone since it was drawn; whatever row stands there now and
  // still lacks its icon is served instead, and is drawn again.
  int fetched = 0;
  while (!m_blankRows.empty() && fetched < kIconsPerTick) {
    const int row = m_blankRows.front();
    m_blankRows.pop_front();
    const VostekItem* item = GetItemData(row);
    if (item == nullptr || !m_imageList->IsDeferred(item->GetIcon())) {
      continue;
    }
    m_imageList->Fill(item->GetIcon(), item->SmallIcon(m_shell));
    ListView_RedrawItems(m_list, row, row);
    ++fetched;
  }
  if (m_blankRows.empty()) {
    ::KillTimer(m_list, kIconTimer);
  }
}

void CvostekView::OnShow() {
  // The window manager may have minimised the frame. Windows then hid it (the size
  // handler) but left it minimised, to be shown as an icon: it gets its size back while
  // hidden, and is refreshed and placed like any hidden frame. Wine ignores minimising for
  // a frame without a minimise box and counts it shown while the X window stays minimised,
  // until it is shown anew; all it passes on is the lost activation, so a shown frame that
  // lost it is shown anew where it stands.
  if (::IsIconic(m_frame)) {
    ::ShowWindow(m_frame, SW_RESTORE);
    ::ShowWindow(m_frame, SW_HIDE);
  } else if (m_deactivatedWhileShown && ::IsWindowVisible(m_frame)) {
    ::ShowWindow(m_frame, SW_HIDE);
    ::ShowWindow(m_frame, SW_SHOWNA);
  }
  m_deactivatedWhileShown = false;
  ShowAtCursor(m_frame, [this] { m_logic->RefreshList(); });
  m_logic->PrepareSearch();
  ::SetFocus(m_list);
  m_commandsChanged();
}

void CvostekView::OnFrameDeactivated() {
  m_deactivatedWhileShown = ::IsWindowVisible(m_frame) != FALSE;
}

bool CvostekView::RunCommand(int id) {
  const bool ours = m_logic->RunCommand(id);
  if (ours && id == ID_VIEW_ICON) {
    SyncImageList();
  }
  m_commandsChanged();
  return ours;
}

bool CvostekView::TakeDrop(std::span<const DroppedObject> objects) {
  const bool taken = m_logic->OnDrop(objects, *m_imageList);
  m_commandsChanged();
  return taken;
}

bool CvostekView::OnNotify(NMHDR* header, LRESULT* result) {
  if (header->hwndFrom != m_list) {
    return false;
  }
  if (header->code == LVN_GETDISPINFOW) {
    auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
    if ((info->item.mask & LVIF_IMAGE) != 0) {
      ShowRowIcon(*info);
    }
    *result = 0;
    return true;
  }
  if (header->code != LVN_ENDLABELEDITW) {
    return false;
  }
  const auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
  std::optional<std::string> text;
  if (info->item.pszText != nullptr) {
    text = Utf8FromWide(info->item.pszText);
  }
  m_logic->OnEndLabelEdit(info->item.iItem, text);
  m_commandsChanged();
  *result = FALSE;  // the row shows a new name only through the logic
  return true;
}

void CvostekView::ShowItemMenu(POINT screenPoint) {
  const int chosen = TrackItemPopupMenu(m_frame, screenPoint, m_logic->BuildMoveToGroupMenu(),
                                        [this](int id) { return m_logic->IsCommandEnabled(id); });
  if (chosen != 0) {
    RunCommand(chosen);
  }
}

LRESULT CALLBACK CvostekView::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self) {
  bool handled = false;
  const LRESULT result =
      reinterpret_cast<CvostekView*>(self)->OnMessage(message, wParam, lParam, &handled);
  return handled ? result : ::DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CvostekView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  switch (message) {
    case WM_CHAR:
      if (m_logic->OnChar(static_cast<unsigned>(wParam), IsShiftDown())) {
        m_commandsChanged();
      }
      // A character that is no search text never reaches the list's type-ahead, which
      // would select rows by their names.
      *handled = wParam >= kFirstPrintable;
      return 0;
    case WM_KEYDOWN:
      if (ClearsSearch(static_cast<int>(wParam), HeldModFlags())) {
        m_logic->OnKeyDown(static_cast<int>(wParam));
        m_commandsChanged();
      }
      return 0;
    case WM_LBUTTONDBLCLK:
      m_logic->OnItemLaunch();
      m_commandsChanged();
      return 0;
    case WM_MBUTTONDOWN: {
      LVHITTESTINFO hit{};
      hit.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      m_logic->OnMButtonDown(ListView_HitTest(m_list, &hit));
      m_commandsChanged();
      return 0;
    }
    case WM_MBUTTONUP:
      m_logic->OnMButtonUp();
      m_commandsChanged();
      return 0;
    case WM_MOUSEWHEEL: {
      const bool middle = (GET_KEYSTATE_WPARAM(wParam) & MK_MBUTTON) != 0;
      if (middle) {
        ::ReleaseCapture();
      }
      if (m_logic->OnMouseWheel(middle, GET_WHEEL_DELTA_WPARAM(wParam))) {
        m_commandsChanged();
      }
      return 0;
    }
    case WM_CONTEXTMENU:
      ShowItemMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      *handled = true;
      return 0;
    case WM_SIZE: {
      // A vertical scroll bar that comes or goes changes the width the column has.
      const LRESULT result = ::DefSubclassProc(m_list, message, wParam, lParam);
      FitColumn();
      *handled = true;
      return result;
    }
    case WM_TIMER:
      if (wParam == kIconTimer) {
        FetchRowIcons();
        *handled = true;
      }
      return 0;
    case WM_HOTKEY:
      m_hotKeyWay->OnHotKey();
      *handled = true;
      return 0;
    case WM_TRAYNOTIFY:
      m_tray.OnNotify(
          lParam, m_frame, [this] { OnShow(); },
          [this](int id) { ::SendMessageW(m_frame, WM_COMMAND, static_cast<WPARAM>(id), 0); });
      *handled = true;
      return 0;
    default:
      return 0;
  }
}

// ListControl

int CvostekView::GetItemCount() const {
  return ListView_GetItemCount(m_list);
}

int CvostekView::GetCountPerPage() const {
  return ListView_GetCountPerPage(m_list);
}

void CvostekView::DeleteAllItems() {
  ListView_DeleteAllItems(m_list);
  m_blankRows.clear();
  ::KillTimer(m_list, kIconTimer);
}

void CvostekView::InsertItem(int row, const std::string& text, int image, VostekItem* item) {
  std::wstring wide = WideFromUtf8(text);
  LVITEMW row_item{};
  row_item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
  row_item.iItem = row;
  row_item.pszText = wide.data();
  row_item.lParam = reinterpret_cast<LPARAM>(item);
  // The picture is asked for when the row is drawn: its icon may not be fetched yet.
  row_item.iImage = image >= 0 ? I_IMAGECALLBACK : I_IMAGENONE;
  ListView_InsertItem(m_list, &row_item);
}

void CvostekView::DeleteItem(int row) {
  ListView_DeleteItem(m_list, row);
}

VostekItem* CvostekView::GetItemData(int row) const {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!ListView_GetItem(m_list, &item)) {
    return nullptr;
  }
  return reinterpret_cast<VostekItem*>(item.lParam);
}

void CvostekView::SetItemText(int row, const std::string& text) {
  std::wstring wide = WideFromUtf8(text);
  ListView_SetItemText(m_list, row, 0, wide.data());
}

void CvostekView::SetItemState(int row, unsigned state, unsigned mask) {
  ListView_SetItemState(m_list, row, state, mask);
}

unsigned CvostekView::GetItemState(int row, unsigned mask) const {
  return ListView_GetItemState(m_list, row, mask);
}

int CvostekView::GetNextSelected(int row) const {
  return ListView_GetNextItem(m_list, row, LVNI_SELECTED);
}

int CvostekView::GetSelectedCount() const {
  return static_cast<int>(ListView_GetSelectedCount(m_list));
}

void CvostekView::EnsureVisible(int row) {
  ListView_EnsureVisible(m_list, row, FALSE);
}

void CvostekView::EditLabel(int row) {
  ::SetFocus(m_list);
  ListView_EditLabel(m_list, row);
}

// ViewHost

void CvostekView::SetTitle(const std::string& title) {
  ::SetWindowTextW(m_frame, WideFromUtf8(title).c_str());
}

bool CvostekView::IsWindowVisible() const {
  return ::IsWindowVisible(m_frame) != FALSE;
}

void CvostekView::HideWindow() {
  ::ShowWindow(m_frame, SW_HIDE);
}

void CvostekView::BringToFront() {
  ::SetForegroundWindow(m_frame);
}

bool CvostekView::IsShiftDown() const {
  return ::GetKeyState(VK_SHIFT) < 0;
}

std::optional<std::string> CvostekView::AskGroupName() {
  return RunTextDialog(m_frame);
}
