#include "frame/qt/main_frame.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "app/globals.h"
#include "resources/command_ids.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"
#include "support/test_globals.h"
#include "tray/qt/showing_place.h"
#include "tray/qt/tray_icon.h"
#include "view/launcher_view.h"
#include "view/qt/text_dialog.h"
#include "view/qt/vostek_view.h"

namespace {

using Texts = std::vector<std::string>;

// The test's own globals (the greeting already seen, the popular view shown) around a
// frame made by each test.
class MainFrameTest : public testing::Test {
 protected:
  MainFrameTest() {
    g_settings.help_start = 1;
    g_viewMode = VIEW_POPULAR;
  }

  void TearDown() override { frame.reset(); }

  void MakeFrame() { frame = std::make_unique<CMainFrame>(); }

  void Show() {
    frame->OnShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
  }

  // Each entry as shown: its text and command id, "-" for a separator.
  static Texts EntriesOf(const QMenu* menu) {
    Texts entries;
    for (const QAction* action : menu->actions()) {
      entries.push_back(action->isSeparator() ? "-"
                                              : action->text().toStdString() + " = " +
                                                    std::to_string(action->data().toInt()));
    }
    return entries;
  }

  QMenu* MenuBarMenu(int position) const {
    return frame->menuBar()->actions().at(position)->menu();
  }

  // Opens a menu as the user would, so its entries are enabled by their rules.
  QMenu* OpenedMenu(int position) const {
    QMenu* menu = MenuBarMenu(position);
    emit menu->aboutToShow();
    return menu;
  }

  std::string Title() const { return frame->windowTitle().toStdString(); }

  TestGlobals globals;
  VostekData& data = globals.data;
  std::unique_ptr<CMainFrame> frame;
};

TEST_F(MainFrameTest, MenuBarAndTrayMenuHoldTheirEntriesInOrder) {
  MakeFrame();
  Texts titles;
  for (const QAction* action : frame->menuBar()->actions()) {
    titles.push_back(action->text().toStdString());
  }
  EXPECT_EQ(titles, (Texts{"ファイル(&F)", "グループ(&G)", "設定(&P)"}));
  EXPECT_EQ(EntriesOf(MenuBarMenu(0)), (Texts{
                                           "ファイルの追加(&A) = 32837",
                                           "-",
                                           "バージョン情報 (&A)... = 57664",
                                           "-",
                                           "隠す(&H)\tEsc = 32779",
                                           "終了(&X)\tAlt + F4 = 57665",
                                       }));
  EXPECT_EQ(EntriesOf(MenuBarMenu(1)), (Texts{
                                           "前のグループ(&P)\t←, WheelClk+Scrl = 32780",
                                           "次のグループ(&N)\t→, WheelClk+Scrl = 32781",
                                           "-",
                                           "新規グループ(&N)\tCtrl + N = 32792",
                                           "グループ名を変更(&N)...\tCtrl + F2 = 32793",
                                           "グループを削除(&R)\tCtrl + Del = 32794",
                                       }));
  EXPECT_EQ(EntriesOf(MenuBarMenu(2)), (Texts{
                                           "ツール バーの表示(&T) = 59392",
                                           "アイコンの表示(&I) = 32786",
                                           "-",
                                           "よく使うファイルの表示(&O) = 32782",
                                           "最近使ったファイルの表示(&R) = 32784",
                                           "-",
                                           "以前に表示したグループを記憶(&E) = 32840",
                                           "非アクティブ時に自動的に隠す(&A) = 32847",
                                           "-",
                                           "ホットキーの設定(&K)... = 32850",
                                       }));
  ASSERT_NE(frame->Tray(), nullptr);
  EXPECT_EQ(EntriesOf(frame->Tray()->Menu()), (Texts{
                                                  "バージョン情報 (&A)... = 57664",
                                                  "-",
                                                  "表示(&S)\tAlt + Space = 32805",
                                                  "終了(&X) = 57665",
                                              }));
}

// What a screen reader is told: the toolbar buttons by their tooltips, the list by the
// view it shows, menu entries by their label with the shortcut given apart.
TEST_F(MainFrameTest, ScreenReadersGetNamesAndShortcutsApart) {
  MakeFrame();
  Show();
  auto accessible = [](QObject* object, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(which).toStdString() : std::string("(none)");
  };
  Texts buttons;
  for (QAction* action : frame->ToolBar()->actions()) {
    if (!action->isSeparator()) {
      buttons.push_back(accessible(frame->ToolBar()->widgetForAction(action), QAccessible::Name));
    }
  }
  EXPECT_EQ(buttons, (Texts{"選択しているファイルを起動します。",
                            "選択しているファイルのあるフォルダを開きます。",
                            "選択しているファイルを1つ上へ並べ替えます。",
                            "選択しているファイルを1つ下へ並べ替えます。",
                            "1つ前のグループを表示します。", "1つ次のグループを表示します。"}));

  EXPECT_EQ(accessible(frame->View(), QAccessible::Name), "（よく使うファイル）");
  data.AddGroup("仕事");
  frame->RunCommand(ID_GROUP_NEXT);
  EXPECT_EQ(accessible(frame->View(), QAccessible::Name), "グループ0");

  // Entries as a screen reader finds them: children of their menu.
  struct Entry {
    QMenu* menu;
    int position;
    std::string name;
    std::string shortcut;
  };
  const Entry entries[] = {
      {MenuBarMenu(0), 4, "隠す(H)", "Esc"},
      {MenuBarMenu(1), 0, "前のグループ(P)", "←, WheelClk+Scrl"},
      {MenuBarMenu(1), 4, "グループ名を変更(N)...", "Ctrl + F2"},
      {frame->Tray()->Menu(), 2, "表示(S)", "Alt + Space"},
      {MenuBarMenu(0), 0, "ファイルの追加(A)", ""},  // without a shortcut, the whole label
  };
  for (const Entry& entry : entries) {
    SCOPED_TRACE(entry.name);
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(entry.menu);
    ASSERT_NE(menu, nullptr);
    QAccessibleInterface* item = menu->child(entry.position);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->role(), QAccessible::MenuItem);
    EXPECT_EQ(item->text(QAccessible::Name).toStdString(), entry.name);
    if (!entry.shortcut.empty()) {
      EXPECT_EQ(item->text(QAccessible::Accelerator).toStdString(), entry.shortcut);
      ASSERT_NE(item->actionInterface(), nullptr);
      EXPECT_EQ(
          item->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
          QStringList{QString::fromStdString(entry.shortcut)});
    }
    EXPECT_EQ(item->parent(), menu);
  }
}

TEST_F(MainFrameTest, WindowHasACaptionAndSizingBorderButNoButtons) {
  MakeFrame();
  const Qt::WindowFlags flags = frame->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_EQ(frame->centralWidget(), frame->View());
  EXPECT_EQ(frame->findChild<QStatusBar*>(), nullptr);
  EXPECT_FALSE(frame->isVisible());
}

TEST_F(MainFrameTest, StartsAtTheSavedSizeAndStoresOnlyTheSizesTheUserGivesIt) {
  g_settings.width = 260;
  g_settings.height = 310;
  MakeFrame();
  Show();
  EXPECT_EQ(frame->frameGeometry().size(), QSize(260, 310));
  // The user's resize: a drag of the border, with a button held down.
  QTest::mousePress(frame.get(), Qt::LeftButton);
  frame->resize(frame->width() + 40, frame->height() + 30);
  QTest::qWait(0);
  QTest::mouseRelease(frame.get(), Qt::LeftButton);
  EXPECT_EQ(g_settings.width, 300);
  EXPECT_EQ(g_settings.height, 340);

  // Sizes the window manager imposes (a tile, a maximised window) are not the user's.
  frame->resize(frame->width() + 50, frame->height() + 50);
  QTest::qWait(0);
  QTest::mousePress(frame.get(), Qt::LeftButton);
  frame->showMaximized();
  QTest::qWait(0);
  QTest::mouseRelease(frame.get(), Qt::LeftButton);
  EXPECT_EQ(g_settings.width, 300);
  EXPECT_EQ(g_settings.height, 340);

  // The next start comes up at that outer size, however thick the window's frame.
  frame.reset();
  MakeFrame();
  Show();
  EXPECT_EQ(frame->frameGeometry().size(), QSize(300, 340));

  // A size beyond the screen (a hand-edited file) comes up as the work area's size, and
  // one of 0 or below as the default size; neither is written back as the user's.
  const QSize workArea = QGuiApplication::primaryScreen()->availableGeometry().size();
  struct Case {
    std::int32_t width, height;
    QSize shown;
  };
  const Case cases[] = {
      {std::numeric_limits<std::int32_t>::max(), 250, QSize(workArea.width(), 250)},
      {0, -5, QSize(Settings{}.width, Settings{}.height)},
  };
  for (const Case& c : cases) {
    g_settings.width = c.width;
    g_settings.height = c.height;
    frame.reset();
    MakeFrame();
    Show();
    EXPECT_EQ(frame->frameGeometry().size(), c.shown);
    EXPECT_EQ(g_settings.width, c.width);
    EXPECT_EQ(g_settings.height, c.height);
  }
}

TEST_F(MainFrameTest, SettingsTogglesStartMarkedByTheSettingAndFlipItToZeroOrOne) {
  struct Toggle {
    int id;
    std::int32_t Settings::*setting;
  };
  const Toggle toggles[] = {
      {ID_VIEW_TOOLBAR, &Settings::showtool}, {ID_VIEW_ICON, &Settings::showicon},
      {ID_VIEW_POPULAR, &Settings::popular},  {ID_VIEW_RECENT, &Settings::recent},
      {ID_STAYGROUP, &Settings::staygroup},   {ID_AUTOHIDE, &Settings::g_autohide},
  };
  for (const std::int32_t start : {0, 7}) {  // any non-zero value counts as on
    for (const Toggle& toggle : toggles) {
      g_settings.*toggle.setting = start;
    }
    MakeFrame();
    EXPECT_EQ(frame->ToolBar()->isVisibleTo(frame.get()), start != 0);
    for (const Toggle& toggle : toggles) {
      SCOPED_TRACE(toggle.id);
      EXPECT_EQ(frame->MenuAction(toggle.id)->isChecked(), start != 0);
      frame->MenuAction(toggle.id)->trigger();
      EXPECT_EQ(g_settings.*toggle.setting, start != 0 ? 0 : 1);
      EXPECT_EQ(frame->MenuAction(toggle.id)->isChecked(), start == 0);
    }
    EXPECT_EQ(frame->ToolBar()->isVisibleTo(frame.get()), start == 0);
  }
}

TEST_F(MainFrameTest, TurningOffTheShownAutomaticViewShowsGroupZeroAtOnce) {
  g_settings.recent = 1;
  data.AddGroup("二");
  MakeFrame();
  Show();
  ASSERT_EQ(Title(), "（よく使うファイル） - VOSTEK");

  frame->MenuAction(ID_VIEW_RECENT)->trigger();  // not the shown view: nothing visible
  EXPECT_EQ(g_settings.recent, 0);
  EXPECT_EQ(g_viewMode, VIEW_POPULAR);
  EXPECT_EQ(Title(), "（よく使うファイル） - VOSTEK");

  frame->MenuAction(ID_VIEW_POPULAR)->trigger();
  EXPECT_EQ(g_settings.popular, 0);
  EXPECT_FALSE(frame->MenuAction(ID_VIEW_POPULAR)->isChecked());
  EXPECT_EQ(g_viewMode, VIEW_GROUP);
  EXPECT_EQ(g_curGroup, 0);
  EXPECT_EQ(Title(), "グループ0 - VOSTEK");
}

TEST_F(MainFrameTest, ToolbarHoldsTheSixButtonsWithTheirTooltips) {
  MakeFrame();
  QToolBar* toolbar = frame->ToolBar();
  EXPECT_FALSE(toolbar->isMovable());
  EXPECT_FALSE(toolbar->isFloatable());
  EXPECT_EQ(frame->createPopupMenu(), nullptr);
  std::vector<int> ids;
  Texts tooltips;
  for (const QAction* action : toolbar->actions()) {
    ids.push_back(action->isSeparator() ? 0 : action->data().toInt());
    if (!action->isSeparator()) {
      tooltips.push_back(action->toolTip().toStdString());
      EXPECT_FALSE(action->icon().isNull());
      EXPECT_FALSE(action->icon().pixmap(16, 16).isNull());
    }
  }
  EXPECT_EQ(ids, (std::vector<int>{ID_ITEM_LAUNCH, ID_ITEM_OPENFOLDER, ID_ITEM_UP, ID_ITEM_DOWN, 0,
                                   ID_GROUP_PREV, ID_GROUP_NEXT}));
  EXPECT_EQ(tooltips, (Texts{"選択しているファイルを起動します。",
                             "選択しているファイルのあるフォルダを開きます。",
                             "選択しているファイルを1つ上へ並べ替えます。",
                             "選択しているファイルを1つ下へ並べ替えます。",
                             "1つ前のグループを表示します。", "1つ次のグループを表示します。"}));
}

TEST_F(MainFrameTest, ToolbarButtonsFollowTheEnablingRules) {
  g_settings.popular = 0;
  g_viewMode = VIEW_GROUP;
  MakeFrame();
  Show();
  // No rows, one group and no automatic view: nothing to launch, nowhere to step.
  for (const int id : {ID_ITEM_LAUNCH, ID_ITEM_OPENFOLDER, ID_ITEM_UP, ID_ITEM_DOWN, ID_GROUP_PREV,
                       ID_GROUP_NEXT}) {
    EXPECT_FALSE(frame->ToolBarAction(id)->isEnabled()) << id;
  }

  AppendItem(data, "メモ帳");
  frame->MenuAction(ID_VIEW_POPULAR)->trigger();  // popular on: the cycle has two stops
  frame->View()->Logic().RefreshList();           // row 0 selected
  for (const int id : {ID_ITEM_LAUNCH, ID_ITEM_OPENFOLDER, ID_ITEM_UP, ID_ITEM_DOWN, ID_GROUP_PREV,
                       ID_GROUP_NEXT}) {
    EXPECT_TRUE(frame->ToolBarAction(id)->isEnabled()) << id;
  }

  frame->ToolBarAction(ID_GROUP_NEXT)->trigger();  // group 0 -> the popular view
  ASSERT_EQ(g_viewMode, VIEW_POPULAR);
  EXPECT_FALSE(frame->ToolBarAction(ID_ITEM_UP)->isEnabled());
  EXPECT_FALSE(frame->ToolBarAction(ID_ITEM_DOWN)->isEnabled());
}

TEST_F(MainFrameTest, MenusAreEnabledByTheRulesWhenTheyOpen) {
  MakeFrame();
  Show();  // the popular view
  auto enabled = [](QMenu* menu, int position) {
    return menu->actions().at(position)->isEnabled();
  };
  QMenu* groups = OpenedMenu(1);
  EXPECT_FALSE(enabled(groups, 4));  // rename group
  EXPECT_FALSE(enabled(groups, 5));  // delete group
  EXPECT_TRUE(enabled(groups, 0));
  EXPECT_TRUE(enabled(groups, 3));
  EXPECT_FALSE(frame->RunCommand(ID_GROUP_DELETE));

  frame->RunCommand(ID_GROUP_PREV);  // popular -> the last group
  ASSERT_EQ(g_viewMode, VIEW_GROUP);
  groups = OpenedMenu(1);
  EXPECT_TRUE(enabled(groups, 4));
  EXPECT_TRUE(enabled(groups, 5));
  QMenu* file = OpenedMenu(0);
  for (QAction* action : file->actions()) {
    EXPECT_TRUE(action->isSeparator() || action->isEnabled()) << action->text().toStdString();
  }
}

TEST_F(MainFrameTest, AcceleratorsRunTheirCommandsThroughTheRules) {
  g_settings.popular = 0;
  g_viewMode = VIEW_GROUP;
  data.AddGroup("二");
  MakeFrame();
  Show();
  QWidget* list = frame->View();
  ASSERT_EQ(Title(), "グループ0 - VOSTEK");

  QTest::keyClick(list, Qt::Key_Right);
  EXPECT_EQ(Title(), "二 - VOSTEK");
  QTest::keyClick(list, Qt::Key_Left);
  EXPECT_EQ(Title(), "グループ0 - VOSTEK");
  QTest::keyClick(list, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(data.GetGroupCount(), 3);

  // No selected row: Enter, Delete and F2 do nothing at all, and the window stays.
  QTest::keyClick(list, Qt::Key_Return);
  QTest::keyClick(list, Qt::Key_Delete);
  QTest::keyClick(list, Qt::Key_F2);
  EXPECT_TRUE(globals.messages.shown.empty());
  EXPECT_TRUE(frame->isVisible());

  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_FALSE(frame->isVisible());
}

// Watches the application for its quit, and keeps it from quitting.
class QuitCatcher : public QObject {
 public:
  QuitCatcher() { qApp->installEventFilter(this); }
  ~QuitCatcher() override { qApp->removeEventFilter(this); }
  QuitCatcher(const QuitCatcher&) = delete;
  QuitCatcher& operator=(const QuitCatcher&) = delete;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == qApp && event->type() == QEvent::Quit) {
      quit = true;
      return true;
    }
    return false;
  }

  bool quit = false;
};

// Each accelerator pressed on the list runs its own command. The window shows group 1,
// "二", with items a and b; row 0 (a) is selected, or row 1 (b) after a Down.
TEST_F(MainFrameTest, EachAcceleratorRunsItsCommand) {
  struct Outcome {
    const TestGlobals& state;
    const VostekItem& a;
    const VostekItem& b;
    const CMainFrame& frame;
    bool quit;
    bool nameDialog;
  };
  struct Case {
    const char* keys;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool secondRow;
    std::function<bool(const Outcome&)> ran;
  };
  const Case cases[] = {
      {"Ctrl+U", Qt::Key_U, Qt::ControlModifier, true,
       [](const Outcome& o) { return o.b.GetOrder() < o.a.GetOrder(); }},
      {"Ctrl+D", Qt::Key_D, Qt::ControlModifier, false,
       [](const Outcome& o) { return o.a.GetOrder() > o.b.GetOrder(); }},
      {"Shift+X", Qt::Key_X, Qt::ShiftModifier, false,
       [](const Outcome& o) { return o.a.GetGroup() == 0 && o.b.GetGroup() == 1; }},
      // Opening the folder of an item without a path does nothing but hide; a launch
      // would have said it failed.
      {"Shift+Enter", Qt::Key_Return, Qt::ShiftModifier, false,
       [](const Outcome& o) { return !o.frame.isVisible() && o.state.messages.shown.empty(); }},
      {"Ctrl+Del", Qt::Key_Delete, Qt::ControlModifier, false,
       [](const Outcome& o) {
         return o.state.data.GetGroupCount() == 1 && o.state.messages.shown.size() == 1 &&
                o.state.messages.shown[0].text.find("二") != std::string::npos;
       }},
      {"Ctrl+F2", Qt::Key_F2, Qt::ControlModifier, false,
       [](const Outcome& o) { return o.nameDialog; }},
      {"Alt+F4", Qt::Key_F4, Qt::AltModifier, false, [](const Outcome& o) { return o.quit; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TestGlobals state;
    g_settings.help_start = 1;
    g_settings.popular = 0;
    g_viewMode = VIEW_GROUP;
    g_curGroup = 1;
    state.data.AddGroup("二");
    const VostekItem* a = AppendItem(state.data, "a", 1, 0);
    const VostekItem* b = AppendItem(state.data, "b", 1, 1);
    CMainFrame shown;
    shown.OnShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
    if (c.secondRow) {
      QTest::keyClick(shown.View(), Qt::Key_Down);
    }

    bool nameDialog = false;
    QTimer closeDialog;
    QObject::connect(&closeDialog, &QTimer::timeout, [&nameDialog] {
      if (auto* dialog = qobject_cast<CTextDialog*>(QApplication::activeModalWidget())) {
        nameDialog = true;
        dialog->reject();
      }
    });
    closeDialog.start(10);
    // The exit command asks the running event loop to end, so the key goes in inside one.
    QuitCatcher catcher;
    QTimer::singleShot(0, [&] {
      QTest::keyClick(shown.View(), c.key, c.modifiers);
      QCoreApplication::exit(0);
    });
    QCoreApplication::exec();
    EXPECT_TRUE(c.ran(Outcome{state, *a, *b, shown, catcher.quit, nameDialog}));
  }
}

TEST_F(MainFrameTest, KeysForTheNameEditorNeverReachTheAccelerators) {
  g_settings.popular = 0;
  g_viewMode = VIEW_GROUP;
  data.AddGroup("二");
  AppendItem(data, "メモ帳");
  MakeFrame();
  Show();
  QTest::keyClick(frame->View(), Qt::Key_F2);
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(frame->isAncestorOf(editor));

  QTest::keyClick(editor, Qt::Key_End);
  QTest::keyClick(editor, Qt::Key_Left);
  QTest::keyClick(editor, Qt::Key_Right);
  QTest::keyClick(editor, Qt::Key_Left);
  QTest::keyClick(editor, 'X', Qt::ShiftModifier);
  QTest::keyClick(editor, Qt::Key_Delete);
  EXPECT_EQ(editor->text().toStdString(), "メモX");
  EXPECT_EQ(Title(), "グループ0 - VOSTEK");   // no group switch
  EXPECT_EQ(data.GetItem(0)->GetGroup(), 0);  // Shift+X moved nothing

  QTest::keyClick(editor, Qt::Key_Return);  // ends the edit: no launch
  QCoreApplication::processEvents();        // the editor commits once the key is done
  EXPECT_EQ(data.GetItem(0)->GetName(), "メモX");
  EXPECT_EQ(data.GetItem(0)->GetCount(), 0u);
  EXPECT_TRUE(globals.messages.shown.empty());
  EXPECT_TRUE(frame->isVisible());

  QTest::keyClick(frame->View(), Qt::Key_F2);
  editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_A);
  QTest::keyClick(editor, Qt::Key_Escape);  // cancels the edit: the window stays
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(data.GetItem(0)->GetName(), "メモX");
}

TEST_F(MainFrameTest, ShowingPlacesTheWindowAtTheCursorAndASecondShowOnlyRaises) {
  MakeFrame();
  const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
  QCursor::setPos(work.center());
  const QPoint cursor = QCursor::pos();
  Show();
  EXPECT_EQ(Title(), "（よく使うファイル） - VOSTEK");  // the list was refreshed
  EXPECT_EQ(frame->frameGeometry().topLeft(),
            PlaceAtCursor(cursor, frame->frameGeometry().size(), work));

  QCursor::setPos(work.topLeft() + QPoint(5, 5));
  frame->RunCommand(ID_SHOW);
  EXPECT_EQ(frame->frameGeometry().topLeft(),
            PlaceAtCursor(cursor, frame->frameGeometry().size(), work));
}

TEST_F(MainFrameTest, ShowingFillsOnePageOfThePopularViewAtTheWindowsSize) {
  for (int i = 0; i < 40; ++i) {
    AppendItem(data, "項目" + std::to_string(i), 0, static_cast<std::uint32_t>(i), 1,
               1700000000 + i);
  }
  MakeFrame();
  QApplication::processEvents();  // the first showing is rehearsed while hidden
  EXPECT_FALSE(frame->isVisible());
  const int rehearsed = frame->View()->GetItemCount();
  Show();
  const int page = frame->View()->GetCountPerPage();
  EXPECT_GT(page, 3);  // a 200 x 220 window holds several rows
  EXPECT_EQ(frame->View()->GetItemCount(), page);
  EXPECT_EQ(rehearsed, page);
}

TEST_F(MainFrameTest, AWindowTheDesktopMinimisedHidesAndComesBackRestored) {
  MakeFrame();
  Show();
  frame->setWindowState(Qt::WindowMinimized);  // the desktop's "show desktop", say
  QApplication::processEvents();
  ASSERT_FALSE(frame->isVisible());
  frame->OnShow();
  EXPECT_TRUE(frame->isVisible());
  EXPECT_FALSE(frame->isMinimized());  // shown as an icon, the hot-key would show nothing
}

TEST_F(MainFrameTest, LosingActivationHidesOnlyWithAutoHide) {
  MakeFrame();
  Show();
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_TRUE(frame->isVisible());

  frame->RunCommand(ID_AUTOHIDE);
  emit qApp->applicationStateChanged(Qt::ApplicationActive);
  EXPECT_TRUE(frame->isVisible());
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_FALSE(frame->isVisible());
}

TEST_F(MainFrameTest, TrayOffersItsMenuAndGreetsOnlyOnTheFirstStart) {
  g_settings.help_start = 0;
  MakeFrame();
  EXPECT_EQ(g_settings.help_start, 1);
  TrayIcon* tray = frame->Tray();
  ASSERT_NE(tray, nullptr);
  ASSERT_NE(tray->Icon(), nullptr);
  EXPECT_EQ(tray->Icon()->toolTip().toStdString(), "VOSTEK");
  EXPECT_FALSE(tray->Icon()->icon().isNull());
  ASSERT_NE(tray->Menu()->defaultAction(), nullptr);
  EXPECT_EQ(tray->Menu()->defaultAction()->data().toInt(), ID_SHOW);

  tray->Menu()->defaultAction()->trigger();
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(Title(), "（よく使うファイル） - VOSTEK");

  frame.reset();
  g_settings.help_start = 1;
  MakeFrame();
  EXPECT_EQ(g_settings.help_start, 1);
}

}  // namespace
