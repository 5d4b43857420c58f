#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "app/instance_request.h"
#include "frame/command_router.h"
#include "tray/window_placement.h"

class CvostekView;
class DesktopShell;
class HotKeyDialog;
class TrayPresence;
class QAction;
class QMenu;
class QToolBar;
class TrayIcon;

// The one top-level window: caption and sizing border without buttons, the menu bar,
// the toolbar and the launcher list. Its creation also registers the hot-key, puts the
// icon into the tray and greets on the very first start; its destruction takes both
// away again. Created hidden; the hot-key and the tray icon show it at the cursor.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // `awaitCollection`, when given, returns once the collection is in g_data: it is
  // called after everything that needs no collection is made, and until then nothing
  // here reads the collection (it may be being read on another thread).
  // The list opens and takes in items through `shell`, which outlives the frame.
  explicit CMainFrame(DesktopShell& shell, const std::function<void()>& awaitCollection = {},
                      QWidget* parent = nullptr);
  // A frame of its own over the Linux desktop's shell, which it keeps.
  CMainFrame();
  ~CMainFrame() override;

  CvostekView* View() const { return m_view; }
  QToolBar* ToolBar() const { return m_wndToolBar; }
  TrayIcon* Tray() const { return m_tray.get(); }
  // The menu bar's entry of a command.
  QAction* MenuAction(int id) const;
  // The toolbar's button of a command.
  QAction* ToolBarAction(int id) const;

  // The command table: whether a command may run now, and running it when it may.
  bool IsCommandEnabled(int id) const;
  bool RunCommand(int id);

  // Shows the hidden window at the cursor with a fresh list; a shown one is only
  // brought to the front.
  void OnShow();
  // What another start asks: show the window (as OnShow), hide it, or toggle: hide it
  // when it is shown and active, else show it. The desktop's token lets it take the focus.
  void OnInstanceRequest(const InstanceRequestLine& line);
  void OnViewToolbar();
  // The hot-key dialog, from the settings menu or the balloon that reports a key not had.
  void OnHotKeySettings();

  // QMainWindow offers to hide the toolbar from a context menu; the setting decides.
  QMenu* createPopupMenu() override;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenuBar();
  void BuildAccelerators();
  void BuildToolBar();
  void SyncCheckMarks();
  void SyncToolBar();
  void UpdateMenu(QMenu* menu);
  void ShowWindow(const std::string& activationToken);
  void ShowAgainIfNotActive();
  void PrepareFirstShowing();
  bool ApplyOuterSizeOnce();
  void OnApplicationStateChanged(Qt::ApplicationState state);
  void StartHotKey();
  explicit CMainFrame(std::unique_ptr<DesktopShell> ownShell);

  std::unique_ptr<DesktopShell> m_ownShell;  // only for a frame of its own
  CommandRouter m_router;
  CvostekView* m_view = nullptr;
  QToolBar* m_wndToolBar = nullptr;
  std::map<int, QAction*> m_menuActions;
  std::map<int, QAction*> m_toolBarActions;
  std::unique_ptr<TrayIcon> m_tray;
  std::unique_ptr<TrayPresence> m_trayPresence;  // goes before the icon it uses
  HotKeyDialog* m_hotKeyDialog = nullptr;        // while open
  bool m_outerSizeApplied = false;  // the saved outer size was met once the frame was known
  ShowingPlace m_showPlace;         // where the user looked when the window was last shown
  QTimer m_activationCheck;         // after a showing: did the desktop activate the window?
  std::string m_activationToken;    // the token of the last showing, for showing it anew
  bool m_shownAgain = false;        // the last showing was refused and done anew
};
