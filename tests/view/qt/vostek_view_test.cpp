#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <functional>

#include "resources/command_ids.h"
#include "view/qt/qt_image_list.h"
#include "view/qt/row_delegate.h"
#include "view_test_fixture.h"

namespace {

class ViewTestWithRows : public ViewTest {
 protected:
  void FillLaunched(int items) {
    for (int i = 0; i < items; ++i) {
      AddItem("item" + std::to_string(i), 0, static_cast<std::uint32_t>(i), 1);
    }
  }

  // Resizes the list so that its viewport is `height` pixels tall.
  void SetViewportHeight(int height) {
    view->resize(view->width(), view->height() - view->viewport()->height() + height);
    QApplication::processEvents();
    ASSERT_EQ(view->viewport()->height(), height);
  }

  QPoint RowCenter(int row) const {
    return view->visualRect(view->model()->index(row, 0)).center();
  }

  void SendWheel(int delta, Qt::MouseButtons buttons) {
    const QPointF at(RowCenter(0));
    QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), buttons,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
  }
};

TEST_F(ViewTestWithRows, AutomaticViewsShowTheRowsThatFitWhollyAndGroupsShowAll) {
  FillLaunched(20);
  ShowView();
  const int rowHeight = RowDelegate::RowHeight(view->font());
  SetViewportHeight(rowHeight * 8 + rowHeight / 2);
  EXPECT_EQ(view->GetCountPerPage(), 8);

  g_viewMode = VIEW_POPULAR;
  view->Logic().RefreshList();
  ASSERT_EQ(view->GetItemCount(), 8);
  // The rows drawn are the rows counted: the eighth fits wholly, a ninth would not.
  EXPECT_LE(view->visualRect(view->model()->index(7, 0)).bottom(), view->viewport()->height() - 1);
  EXPECT_GT(view->visualRect(view->model()->index(7, 0)).bottom() + rowHeight,
            view->viewport()->height() - 1);

  g_viewMode = VIEW_GROUP;
  view->Logic().RefreshList();
  EXPECT_EQ(view->GetItemCount(), 20);

  SetViewportHeight(rowHeight - 1);  // not even one whole row: no limit
  EXPECT_EQ(view->GetCountPerPage(), 0);
  g_viewMode = VIEW_RECENT;
  view->Logic().RefreshList();
  EXPECT_EQ(view->GetItemCount(), 20);
}

TEST_F(ViewTestWithRows, TheOneColumnFillsTheWidth) {
  AddItem(std::string(400, 'w'), 0, 0);
  AddItem("short", 0, 1);
  ShowView();
  view->Logic().RefreshList();
  for (int width : {180, 320}) {
    view->resize(width, view->height());
    QApplication::processEvents();
    EXPECT_EQ(view->visualRect(view->model()->index(0, 0)).width(), view->viewport()->width());
    EXPECT_EQ(view->visualRect(view->model()->index(1, 0)).width(), view->viewport()->width());
  }
}

TEST_F(ViewTestWithRows, RowStatesSelectionAndFocus) {
  FillLaunched(5);
  view->Logic().RefreshList();
  EXPECT_EQ(SelectedRows(), std::vector<int>{0});
  EXPECT_EQ(view->GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED), LVIS_SELECTED | LVIS_FOCUSED);

  view->SetItemState(-1, 0, LVIS_SELECTED);
  EXPECT_EQ(view->GetSelectedCount(), 0);
  EXPECT_EQ(view->GetItemState(0, LVIS_FOCUSED), LVIS_FOCUSED);  // the focus stays

  view->SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
  view->SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 3}));
  EXPECT_EQ(view->currentIndex().row(), 1);
  EXPECT_EQ(view->GetItemData(3), data.GetItem(3));
  EXPECT_EQ(view->GetItemData(5), nullptr);

  view->SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(view->GetSelectedCount(), 5);
  EXPECT_EQ(view->GetNextSelected(2), 3);
  EXPECT_EQ(view->GetNextSelected(4), -1);
}

TEST_F(ViewTestWithRows, MouseGestures) {
  FillLaunched(4);
  data.AddGroup("グループ1");
  ShowView();
  view->Logic().RefreshList();
  view->SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);

  // Middle press: only the row under the cursor; the release opens its folder and hides.
  QTest::mousePress(view->viewport(), Qt::MiddleButton, Qt::ShiftModifier, RowCenter(2));
  EXPECT_EQ(SelectedRows(), std::vector<int>{2});
  EXPECT_EQ(view->currentIndex().row(), 2);
  QTest::mouseRelease(view->viewport(), Qt::MiddleButton, Qt::NoModifier, RowCenter(2));
  EXPECT_EQ(shell.opened, std::vector<std::string>{"item2"});
  EXPECT_FALSE(view->isVisible());

  // The wheel with the middle button held steps to the next view; the release then
  // opens nothing.
  ShowView();
  g_viewMode = VIEW_GROUP;  // the hide went back to the start view
  view->Logic().RefreshList();
  QTest::mousePress(view->viewport(), Qt::MiddleButton, Qt::NoModifier, RowCenter(0));
  SendWheel(-120, Qt::MiddleButton);
  EXPECT_EQ(g_curGroup, 1);
  QTest::mouseRelease(view->viewport(), Qt::MiddleButton, Qt::NoModifier, RowCenter(0));
  EXPECT_EQ(shell.opened.size(), 1u);
  EXPECT_TRUE(view->isVisible());

  // The wheel alone only scrolls.
  SendWheel(120, Qt::NoButton);
  EXPECT_EQ(g_curGroup, 1);

  // Double click launches the selection and hides.
  g_curGroup = 0;
  view->Logic().RefreshList();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, RowCenter(1));
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, RowCenter(1));
  EXPECT_EQ(shell.launched, std::vector<std::string>{"item1"});
  EXPECT_FALSE(view->isVisible());
}

TEST_F(ViewTestWithRows, AClickOnTheSelectedRowEditsItsNameButADoubleClickLaunches) {
  FillLaunched(2);
  ShowView();
  view->Logic().RefreshList();  // row 0 selected and focused
  const int pause = QApplication::doubleClickInterval() + 200;

  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, RowCenter(0));
  QTest::qWait(pause);
  QLineEdit* editor = view->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(view->findChild<QLineEdit*>(), nullptr);

  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, RowCenter(0));
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, RowCenter(0));
  EXPECT_EQ(shell.launched, std::vector<std::string>{"item0"});
  QTest::qWait(pause);
  EXPECT_EQ(view->findChild<QLineEdit*>(), nullptr);  // no editor left on the hidden list
}

// However a larger selection came about, a plain click leaves its row alone selected
// (on the release) and edits nothing; only a click on the one selected row edits.
TEST_F(ViewTestWithRows, AClickIntoASelectionOfSeveralRowsSelectsThatRowAlone) {
  FillLaunched(3);
  ShowView();
  const int pause = QApplication::doubleClickInterval() + 200;
  const std::function<void()> selectAll[] = {
      [this] { QTest::keyClick(view.get(), Qt::Key_A, Qt::ControlModifier); },
      [this] { view->SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED); },  // as a drop leaves it
  };
  for (const auto& select : selectAll) {
    view->Logic().RefreshList();
    select();
    ASSERT_EQ(SelectedRows(), (std::vector<int>{0, 1, 2}));
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, RowCenter(1));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 1, 2}));  // still whole for a drag
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, RowCenter(1));
    EXPECT_EQ(SelectedRows(), std::vector<int>{1});
    QTest::qWait(pause);
    EXPECT_EQ(view->findChild<QLineEdit*>(), nullptr);

    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, RowCenter(1));
    QTest::qWait(pause);
    QLineEdit* editor = view->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "item1");
    QTest::keyClick(editor, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// A right press on empty space points at nothing: the popup that follows offers nothing
// to do to the rows that were selected. On a selected row it keeps the selection.
TEST_F(ViewTestWithRows, ARightPressOnEmptySpaceClearsTheSelection) {
  FillLaunched(3);
  ShowView();
  view->Logic().RefreshList();
  view->SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
  QTest::mousePress(view->viewport(), Qt::RightButton, Qt::NoModifier, RowCenter(1));
  EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 1, 2}));
  QTest::mouseRelease(view->viewport(), Qt::RightButton, Qt::NoModifier, RowCenter(1));

  const QPoint below(10, view->viewport()->height() - 2);
  QTest::mousePress(view->viewport(), Qt::RightButton, Qt::NoModifier, below);
  EXPECT_TRUE(SelectedRows().empty());
  const std::unique_ptr<QMenu> popup = view->CreateItemMenu();
  for (const QAction* action : popup->actions()) {
    EXPECT_FALSE(!action->isSeparator() && action->isEnabled()) << action->text().toStdString();
  }
}

TEST_F(ViewTestWithRows, MiddleClickOnEmptySpaceClearsTheSelectionAndOpensNothing) {
  FillLaunched(2);
  ShowView();
  view->Logic().RefreshList();
  const QPoint below(10, view->viewport()->height() - 2);
  QTest::mousePress(view->viewport(), Qt::MiddleButton, Qt::NoModifier, below);
  QTest::mouseRelease(view->viewport(), Qt::MiddleButton, Qt::NoModifier, below);
  EXPECT_EQ(view->GetSelectedCount(), 0);
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_TRUE(view->isVisible());
}

TEST_F(ViewTestWithRows, IconsFollowTheShowIconSetting) {
  FillLaunched(2);
  view->OnInitialUpdate();
  view->Logic().RefreshList();
  EXPECT_FALSE(view->RowIcon(0).isNull());
  EXPECT_EQ(data.GetItem(1)->GetIcon(), 1);  // icons in collection order

  EXPECT_TRUE(view->RunCommand(ID_VIEW_ICON));
  EXPECT_EQ(g_settings.showicon, 0);
  EXPECT_TRUE(view->RowIcon(0).isNull());

  EXPECT_TRUE(view->RunCommand(ID_VIEW_ICON));
  EXPECT_FALSE(view->RowIcon(1).isNull());
}

TEST(QtImageListTest, EveryEntryShowsSomethingAndAlikeEntriesShareOnePicture) {
  QTemporaryDir temp;
  const std::string dir = temp.path().toStdString();
  const std::string png = dir + "/icon.png";
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(QString::fromStdString(png)));
  const std::string broken = dir + "/broken.png";
  QFile(QString::fromStdString(broken)).open(QIODevice::WriteOnly);

  // Each source with the entry whose picture it must share (-1: a picture of its own).
  const struct {
    IconSource source;
    int sharesWith;
  } cases[] = {
      {{{"no-such-icon-anywhere"}, "", false}, -1},  // no theme has it: the generic file
      {{{}, dir + "/missing.png", true}, -1},        // the generic folder
      {{{}, png, false}, -1},
      {{{}, dir, false}, 0},  // a folder is no image
      {{{}, png, false}, 2},
      {{{}, broken, false}, 0},
      {{{}, broken, false}, 0},
      {{{"no-such-icon-either"}, "", true}, 1},
      {{}, 0},
  };
  QtImageList icons;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(icons.AddIcon(cases[i].source), static_cast<int>(i));
  }
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const QIcon icon = icons.Icon(static_cast<int>(i));
    EXPECT_FALSE(icon.pixmap(16, 16).isNull()) << i;
    if (cases[i].sharesWith >= 0) {
      EXPECT_EQ(icon.cacheKey(), icons.Icon(cases[i].sharesWith).cacheKey()) << i;
    }
  }
  EXPECT_NE(icons.Icon(0).cacheKey(), icons.Icon(1).cacheKey());
  EXPECT_EQ(icons.Icon(2).pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));

  // A deferred entry asks the desktop for its target's icon when first shown.
  const IdListPtr target = IdListFromPath(dir);
  const int deferred = icons.AddDeferredIcon();
  EXPECT_EQ(deferred, static_cast<int>(std::size(cases)));
  EXPECT_FALSE(icons.Icon(deferred, target.get()).pixmap(16, 16).isNull());
  EXPECT_TRUE(icons.Icon(deferred + 1).isNull());
  EXPECT_TRUE(icons.Icon(-1).isNull());
}

TEST_F(ViewTestWithRows, MinimisingHidesAndResetsTheSearch) {
  FillLaunched(2);
  view->OnInitialUpdate();
  ShowView();
  QTest::keyClicks(view.get(), "it");
  ASSERT_EQ(view->Logic().SearchText(), "IT");
  view->setWindowState(Qt::WindowMinimized);
  QApplication::processEvents();
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(view->Logic().SearchText(), "");
}

TEST_F(ViewTestWithRows, CommandStateChangesAreAnnounced) {
  FillLaunched(3);
  view->Logic().RefreshList();
  QSignalSpy spy(view.get(), &CvostekView::commandStateChanged);
  view->SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_GE(spy.count(), 1);
  spy.clear();
  EXPECT_TRUE(view->RunCommand(ID_GROUP_NEW));
  EXPECT_GE(spy.count(), 1);
  EXPECT_FALSE(view->RunCommand(ID_APP_EXIT));  // the frame's, not the list's
  EXPECT_FALSE(view->IsCommandEnabled(ID_APP_EXIT));
}

}  // namespace
