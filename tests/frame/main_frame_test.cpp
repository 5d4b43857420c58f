#include "frame/main_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <iterator>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/globals.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "store/vostek_data.h"
#include "store/vostek_item.h"
#include "support/test_globals.h"
#include "tray/tray_icon.h"
#include "tray/window_placement.h"
#include "view/launcher_view.h"
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

  // The menu holds the entries of its table, in order: a separator where the table has
  // one, else the entry's text and command.
  static void ExpectBuiltFrom(const QMenu* menu, std::span<const MenuEntry> table) {
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(static_cast<std::size_t>(actions.size()), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(actions[i]->isSeparator(), table[i].text == nullptr);
      if (table[i].text != nullptr) {
        EXPECT_EQ(actions[i]->text().toStdString(), table[i].text);
        EXPECT_EQ(actions[i]->data().toInt(), table[i].id);
      }
    }
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

TEST_F(MainFrameTest, MenuBarAndTrayMenuHoldTheEntriesOfTheirTables) {
  MakeFrame();
  ASSERT_EQ(frame->menuBar()->actions().size(), std::ssize(menus::kMainMenu));
  for (int i = 0; i < std::ssize(menus::kMainMenu); ++i) {
    EXPECT_EQ(frame->menuBar()->actions().at(i)->text().toStdString(), menus::kMainMenu[i].title);
    ExpectBuiltFrom(MenuBarMenu(i), menus::kMainMenu[i].entries);
  }
  ASSERT_NE(frame->Tray(), nullptr);
  ExpectBuiltFrom(frame->Tray()->Menu(), menus::kTrayMenu);
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

TEST_F(MainFrameTest, StartsAtTheSavedSizeAndStoresEveryNewSize) {
  g_settings.width = 260;
  g_settings.height = 310;
  MakeFrame();
  Show();
  EXPECT_EQ(frame->frameGeometry().size(), QSize(260, 310));
  frame->resize(frame->width() + 40, frame->height() + 30);
  QTest::qWait(0);
  EXPECT_EQ(g_settings.width, 300);
  EXPECT_EQ(g_settings.height, 340);

  // The next start comes up at that outer size, however thick the window's frame.
  frame.reset();
  MakeFrame();
  Show();
  EXPECT_EQ(frame->frameGeometry().size(), QSize(300, 340));
  EXPECT_EQ(g_settings.width, 300);
  EXPECT_EQ(g_settings.height, 340);

  // A size beyond the screen (a hand-edited file) comes up as the work area's size.
  g_settings.width = std::numeric_limits<std::int32_t>::max();
  g_settings.height = 250;
  frame.reset();
  MakeFrame();
  Show();
  const QSize workArea = QGuiApplication::primaryScreen()->availableGeometry().size();
  EXPECT_EQ(frame->frameGeometry().size(), QSize(workArea.width(), 250));
  EXPECT_EQ(g_settings.width, workArea.width());
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
  Show();
  const int page = frame->View()->GetCountPerPage();
  EXPECT_GT(page, 3);  // a 200 x 220 window holds several rows
  EXPECT_EQ(frame->View()->count(), page);
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
  EXPECT_EQ(tray->Icon().toolTip().toStdString(), "VOSTEK");
  EXPECT_FALSE(tray->Icon().icon().isNull());
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
