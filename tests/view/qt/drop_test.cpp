#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "support/scoped_temp_dir.h"
#include "view/qt/dropped_urls.h"
#include "view_test_fixture.h"

namespace {

std::unique_ptr<QMimeData> UrlData(const QList<QUrl>& urls) {
  auto mime = std::make_unique<QMimeData>();
  mime->setUrls(urls);
  return mime;
}

QList<QUrl> ThreeFiles() {
  return {QUrl::fromLocalFile("/home/u/a.txt"), QUrl::fromLocalFile("/home/u/My Docs/b c.pdf"),
          QUrl::fromLocalFile("/tmp/d")};
}

class DropTest : public ViewTest {
 protected:
  // Returns the action the list answered with; IgnoreAction when it refused.
  Qt::DropAction Enter(const QMimeData& mime, Qt::DropActions offered) {
    QDragEnterEvent event(QPoint(10, 10), offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &event);
    return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
  }

  // A drop follows the drag's entering, as on a desktop: the drop goes to the widget that
  // the entering made the target.
  Qt::DropAction Drop(const QMimeData& mime, Qt::DropActions offered) {
    Enter(mime, offered);
    QDropEvent event(QPointF(10, 10), offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &event);
    return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
  }

  std::vector<std::uint32_t> Orders() const {
    std::vector<std::uint32_t> orders;
    orders.reserve(static_cast<std::size_t>(data.GetItemCount()));
    for (int i = 0; i < data.GetItemCount(); ++i) {
      orders.push_back(data.GetItem(i)->GetOrder());
    }
    return orders;
  }
};

TEST_F(DropTest, ThreeFilesOntoAGroupAreAppendedSelectedAndTheLastFocused) {
  AddItem("x", 0, 0);
  AddItem("y", 0, 1);
  view->Logic().RefreshList();
  std::unique_ptr<QMimeData> mime = UrlData(ThreeFiles());

  EXPECT_EQ(Enter(*mime, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction), Qt::CopyAction);
  EXPECT_EQ(Drop(*mime, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction), Qt::CopyAction);

  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"x", "y", "/home/u/a.txt",
                                                  "/home/u/My Docs/b c.pdf", "/tmp/d"}));
  EXPECT_EQ(Orders(), (std::vector<std::uint32_t>{0, 1, 2, 3, 4}));
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(view->currentIndex().row(), 4);
}

TEST_F(DropTest, DropOntoThePopularViewFilesIntoTheShownGroup) {
  data.AddGroup("グループ1");
  AddItem("used", 0, 0, 5);
  AddItem("other", 1, 0);
  g_curGroup = 1;
  g_viewMode = VIEW_POPULAR;
  view->Logic().RefreshList();
  ASSERT_EQ(RowTexts(), std::vector<std::string>{"used"});

  std::unique_ptr<QMimeData> mime = UrlData(ThreeFiles());
  EXPECT_EQ(Drop(*mime, Qt::CopyAction), Qt::CopyAction);

  EXPECT_EQ(g_viewMode, VIEW_GROUP);
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"other", "/home/u/a.txt",
                                                  "/home/u/My Docs/b c.pdf", "/tmp/d"}));
  for (int i = 2; i < data.GetItemCount(); ++i) {
    EXPECT_EQ(data.GetItem(i)->GetGroup(), 1);
  }
  EXPECT_EQ(view->windowTitle().toStdString(), "グループ1 - VOSTEK");
}

TEST_F(DropTest, DataWithoutUrlsIsRefusedAndChangesNothing) {
  AddItem("x", 0, 0);
  g_viewMode = VIEW_POPULAR;
  QMimeData text;
  text.setText("/home/u/a.txt");

  EXPECT_EQ(Enter(text, Qt::CopyAction | Qt::LinkAction), Qt::IgnoreAction);
  EXPECT_EQ(Drop(text, Qt::CopyAction | Qt::LinkAction), Qt::IgnoreAction);
  EXPECT_EQ(data.GetItemCount(), 1);
  EXPECT_EQ(g_viewMode, VIEW_POPULAR);

  QMimeData empty;
  empty.setUrls({});
  EXPECT_EQ(Enter(empty, Qt::CopyAction), Qt::IgnoreAction);
}

TEST_F(DropTest, TheMoveActionIsNeverAccepted) {
  std::unique_ptr<QMimeData> mime = UrlData(ThreeFiles());
  EXPECT_EQ(Enter(*mime, Qt::MoveAction), Qt::IgnoreAction);
  EXPECT_EQ(Drop(*mime, Qt::MoveAction), Qt::IgnoreAction);
  EXPECT_EQ(data.GetItemCount(), 0);

  EXPECT_EQ(Enter(*mime, Qt::MoveAction | Qt::LinkAction), Qt::LinkAction);
  EXPECT_EQ(Drop(*mime, Qt::MoveAction | Qt::LinkAction), Qt::LinkAction);
  EXPECT_EQ(data.GetItemCount(), 3);
}

// The real desktop underneath: a drop onto the popular view switches to the shown group
// before the desktop files the new items, so they land there and not in group 0.
TEST_F(DropTest, TheDesktopMakesItemsOfDroppedFilesAndUris) {
  ScopedTempDir folder;
  const std::string quoted = folder.File("議事録 'one'.txt");
  const std::string notUtf8 = folder.File("bad-\xff-name.txt");
  WriteTestFile(quoted, "text");
  WriteTestFile(notUtf8, "text");
  data.AddGroup("グループ1");
  g_curGroup = 1;
  g_viewMode = VIEW_POPULAR;
  CvostekView desktopView;

  std::unique_ptr<QMimeData> mime = UrlData({QUrl::fromLocalFile(QString::fromStdString(quoted)),
                                             QUrl::fromEncoded(QByteArray::fromStdString(
                                                 "file://" + folder.Path() + "/bad-%FF-name.txt")),
                                             QUrl::fromEncoded("https://example.com/page")});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(desktopView.viewport(), &enter);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(desktopView.viewport(), &drop);

  EXPECT_EQ(g_viewMode, VIEW_GROUP);
  ASSERT_EQ(data.GetItemCount(), 3);
  EXPECT_EQ(data.GetItem(0)->GetName(), "議事録 'one'.txt");
  EXPECT_EQ(PathFromIdList(data.GetItem(0)->GetPidl()), quoted);
  EXPECT_EQ(PathFromIdList(data.GetItem(1)->GetPidl()), notUtf8);
  EXPECT_EQ(UriFromIdList(data.GetItem(2)->GetPidl()), "https://example.com/page");
  ASSERT_EQ(desktopView.GetItemCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(data.GetItem(i)->GetGroup(), 1) << i;
    EXPECT_EQ(data.GetItem(i)->GetOrder(), static_cast<std::uint32_t>(i)) << i;
    EXPECT_FALSE(data.GetItem(i)->GetName().empty()) << i;
    EXPECT_EQ(desktopView.RowText(i).toStdString(), data.GetItem(i)->GetName()) << i;
  }
  EXPECT_FALSE(desktopView.RowIcon(0).isNull());
}

TEST_F(DropTest, UrlsBecomeAParentFolderAndOneChildEach) {
  const QList<QUrl> urls = {
      QUrl::fromEncoded("file:///home/u/caf%E9%0Aline.txt"),  // not UTF-8, with a newline
      QUrl::fromEncoded("file:///home/u/dir/"),               // a folder, slash at the end
      QUrl::fromEncoded("file:///top"),
      QUrl::fromEncoded("https://example.org/a%20b?q=1"),
      QUrl::fromEncoded("relative/path"),  // names nothing: left out
  };
  const std::vector<DroppedObject> objects = DroppedObjectsFromUrls(urls);
  ASSERT_EQ(objects.size(), 4u);

  EXPECT_EQ(PathFromIdList(objects[0].parent.get()), "/home/u");
  const std::size_t childSize = GetIdListSize(objects[0].child.get());
  const std::string child(reinterpret_cast<const char*>(objects[0].child.get()), childSize);
  EXPECT_EQ(child, std::string("\x10\x00\x01"
                               "caf\xe9\nline.txt"
                               "\x00\x00",
                               18));

  EXPECT_EQ(PathFromIdList(objects[1].parent.get()), "/home/u");
  IdListPtr folder(ConcatIdLists(objects[1].parent.get(), objects[1].child.get()));
  EXPECT_EQ(PathFromIdList(folder.get()), "/home/u/dir");

  EXPECT_EQ(PathFromIdList(objects[2].parent.get()), "/");

  EXPECT_EQ(GetIdListSize(objects[3].parent.get()), 2u);  // the empty list
  EXPECT_EQ(UriFromIdList(objects[3].child.get()), "https://example.org/a%20b?q=1");
}

}  // namespace
