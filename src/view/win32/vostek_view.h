#pragma once

#include <windows.h>

#include <commctrl.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "search/migemo_dictionary.h"
#include "tray/tray_presence.h"
#include "tray/win32/hot_key.h"
#include "tray/win32/hot_key_dialog.h"
#include "tray/win32/tray_icon.h"
#include "view/launcher_view.h"
#include "view/list_control.h"
#include "view/view_host.h"
#include "view/win32/win32_image_list.h"

class DesktopShell;

class DropTarget;

// The list window: a report-style list view with one column, no header, multiple
// selection and in-place label editing, filling the frame below the toolbar. It is the
// list the toolkit-neutral LauncherView works on, and that view's window host; it owns
// the tray icon, the hot-key and the drop registration, which all end with it.
class CvostekView final : public ListControl, public ViewHost {
 public:
  // `commandsChanged` runs after anything that may change what the command rules read.
  // Items are opened, taken in and given icons through `shell`, which outlives the view.
  CvostekView(HWND frame, DesktopShell& shell, std::function<void()> commandsChanged);
  ~CvostekView() override;
  CvostekView(const CvostekView&) = delete;
  CvostekView& operator=(const CvostekView&) = delete;

  // Creates the control; registers the drop target and the hot-key and adds the tray
  // icon (with the greeting balloon on the very first start). False on failure.
  bool Create();
  // Once, before the first showing: the column, an icon entry for every item (fetched
  // when its row is first drawn), the dictionary.
  void OnInitialUpdate();
  HWND Handle() const { return m_list; }
  LauncherView& Logic() { return *m_logic; }
  const TrayIcon& Tray() const { return m_tray; }

  void Resize(const RECT& area);
  void OnShow();
  // The frame lost activation: a window manager may have minimised it behind our back.
  void OnFrameDeactivated();
  // The hot-key dialog, from the settings menu or the balloon that reports a key not had.
  void OnHotKeySettings();
  // Something the user should know while the program runs, in a balloon of the tray
  // icon.
  void ShowBalloon(const std::string& title, const std::string& text);
  // Installs the icon list or the empty one, as `showicon` says.
  void SyncImageList();
  // The frame's notifications from the control: a row's picture, the end of a label edit.
  bool OnNotify(NMHDR* header, LRESULT* result);

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

  // Runs a command through the logic's rules; true when it was the view's.
  bool RunCommand(int id);
  // Takes in dropped objects as new items of the shown group.
  bool TakeDrop(std::span<const DroppedObject> objects);

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool* handled);
  void ShowItemMenu(POINT screenPoint);
  // The one column spans the list's client width, whatever scroll bar it shows.
  void FitColumn();
  // The picture of a row being drawn; a row whose icon is not fetched yet shows the blank
  // one and is queued for the fetch.
  void ShowRowIcon(NMLVDISPINFOW& info);
  // A few queued rows' icons, asked of the shell after the painting that queued them.
  void FetchRowIcons();

  HWND m_frame;
  DesktopShell& m_shell;
  HWND m_list = nullptr;
  std::function<void()> m_commandsChanged;
  MigemoDictionary m_dictionary;
  std::unique_ptr<LauncherView> m_logic;
  std::unique_ptr<Win32ImageList> m_imageList;
  HIMAGELIST m_noImageList = nullptr;  // never given an image: rows show none
  std::deque<int> m_blankRows;         // drawn rows whose icons are still to fetch
  bool m_fittingColumn = false;
  bool m_deactivatedWhileShown = false;  // the next showing shows the frame anew
  TrayIcon m_tray;
  RegisteredHotKeyWay* m_hotKeyWay = nullptr;  // owned by the presence's keeper
  std::unique_ptr<TrayPresence> m_trayPresence;
  HotKeyDialog* m_hotKeyDialog = nullptr;  // while open
  DropTarget* m_dropTarget = nullptr;
};
