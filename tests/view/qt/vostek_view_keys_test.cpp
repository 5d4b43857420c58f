#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "resources/command_ids.h"
#include "view/qt/text_dialog.h"
#include "view_test_fixture.h"

namespace {

class ViewKeysTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    data.AddGroup("グループ1");
    AddItem("apple", 0, 0);
    AddItem("banana", 0, 1);
    AddItem("cherry", 0, 2);
    view->Logic().RefreshList();
  }

  // The editor of the row; null unless exactly one editor is open.
  QLineEdit* OpenEditor(int row) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed editors
    view->EditLabel(row);
    const QList<QLineEdit*> editors = view->findChildren<QLineEdit*>();
    return editors.size() == 1 ? editors.front() : nullptr;
  }
};

TEST_F(ViewKeysTest, LettersDigitsAndDashReachTheSearchAndNothingElseDoes) {
  QTest::keyClicks(view.get(), "k1-");
  EXPECT_EQ(view->Logic().SearchText(), "K1-");
  EXPECT_EQ(view->windowTitle().toStdString(), "グループ0 > [K1-]");

  QTest::keyClick(view.get(), Qt::Key_A, Qt::ShiftModifier);  // a capital searches too
  QTest::keyClick(view.get(), Qt::Key_X, Qt::ShiftModifier);  // the frame's accelerator
  QTest::keyClick(view.get(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(view.get(), Qt::Key_A, Qt::AltModifier);
  QTest::keyClicks(view.get(), ". _");
  EXPECT_EQ(view->Logic().SearchText(), "K1-A");

  QTest::keyClick(view.get(), Qt::Key_Delete);  // the remove command's key, not the search's
  EXPECT_EQ(view->Logic().SearchText(), "K1-A");

  QTest::keyClick(view.get(), Qt::Key_Backspace);  // the whole text goes at once
  EXPECT_EQ(view->Logic().SearchText(), "");
  EXPECT_EQ(view->windowTitle().toStdString(), "グループ0 - VOSTEK");

  QTest::keyClicks(view.get(), "ab");
  QTest::keyClick(view.get(), Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(view->Logic().SearchText(), "");

  // Caps Lock on: letters arrive as capitals without Shift and small with it; both
  // search, but Shift+X stays the accelerator's.
  QTest::sendKeyEvent(QTest::Click, view.get(), Qt::Key_K, QStringLiteral("K"), Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Click, view.get(), Qt::Key_A, QStringLiteral("a"), Qt::ShiftModifier);
  QTest::sendKeyEvent(QTest::Click, view.get(), Qt::Key_X, QStringLiteral("x"), Qt::ShiftModifier);
  QTest::sendKeyEvent(QTest::Click, view.get(), Qt::Key_2, QStringLiteral("2"), Qt::NoModifier);
  EXPECT_EQ(view->Logic().SearchText(), "KA2");
}

TEST_F(ViewKeysTest, TypedLettersNeverSelectRows) {
  view->setCurrentIndex(view->model()->index(0, 0));
  // Search text (with Shift too) or passed on, never the list's type-ahead, which
  // would pick cherry.
  QTest::keyClick(view.get(), Qt::Key_C, Qt::ShiftModifier);
  QTest::keyClick(view.get(), Qt::Key_H, Qt::ShiftModifier);
  QTest::keyClick(view.get(), Qt::Key_Backspace);
  EXPECT_EQ(view->currentIndex().row(), 0);
  EXPECT_EQ(SelectedRows(), std::vector<int>{0});
}

TEST_F(ViewKeysTest, KeysInTheNameEditorStayInTheEditor) {
  ShowView();
  QLineEdit* editor = OpenEditor(1);
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), QStringLiteral("banana"));

  editor->selectAll();
  QTest::keyClicks(editor, "ka");
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClick(editor, Qt::Key_Left);
  QTest::keyClick(editor, Qt::Key_Delete);
  EXPECT_EQ(view->Logic().SearchText(), "");
  EXPECT_EQ(data.GetItemCount(), 3);
  EXPECT_EQ(editor->text(), QStringLiteral(""));

  QTest::keyClicks(editor, "kiwi");
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();  // the editor commits from the event loop
  EXPECT_EQ(data.GetItem(1)->GetName(), "kiwi");
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{"apple", "kiwi", "cherry"}));
  EXPECT_EQ(view->Logic().SearchText(), "");
  EXPECT_TRUE(view->isVisible());
}

TEST_F(ViewKeysTest, CancelledOrEmptyEditKeepsTheNameAndTheRow) {
  ShowView();
  QLineEdit* editor = OpenEditor(0);
  ASSERT_NE(editor, nullptr);
  editor->setText(QStringLiteral("pear"));
  QTest::keyClick(editor, Qt::Key_Escape);
  EXPECT_EQ(data.GetItem(0)->GetName(), "apple");
  EXPECT_EQ(view->RowText(0), QStringLiteral("apple"));

  editor = OpenEditor(0);
  ASSERT_NE(editor, nullptr);
  editor->clear();
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();  // the editor commits from the event loop
  EXPECT_EQ(data.GetItem(0)->GetName(), "apple");
  EXPECT_EQ(view->RowText(0), QStringLiteral("apple"));  // the widget never applies it

  editor = OpenEditor(0);
  ASSERT_NE(editor, nullptr);
  editor->setText(QStringLiteral("  "));
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();                // the editor commits from the event loop
  EXPECT_EQ(data.GetItem(0)->GetName(), "  ");  // blanks are a name as typed
}

TEST_F(ViewKeysTest, AnUnchangedEditKeepsTheBytesOfANameThatIsNotUtf8) {
  const std::string shiftJis = "\x83\x81\x83\x82.txt";  // "メモ.txt" from a Windows build
  data.GetItem(2)->SetName(shiftJis);
  view->Logic().RefreshList();
  ShowView();
  QLineEdit* editor = OpenEditor(2);
  ASSERT_NE(editor, nullptr);
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(data.GetItem(2)->GetName(), shiftJis);

  editor = OpenEditor(2);
  ASSERT_NE(editor, nullptr);
  editor->setText(QStringLiteral("memo.txt"));
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(data.GetItem(2)->GetName(), "memo.txt");
}

TEST_F(ViewKeysTest, RenameGroupAsksForTheNameAndTrimsIt) {
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CTextDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->Edit()->setText(QStringLiteral("  Work\t"));
    dialog->OkButton()->click();
  });
  EXPECT_TRUE(view->RunCommand(ID_GROUP_RENAME));
  EXPECT_EQ(data.GetGroupName(0), "Work");
  EXPECT_EQ(view->windowTitle().toStdString(), "Work - VOSTEK");

  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<CTextDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->CancelButton()->click();
  });
  EXPECT_TRUE(view->RunCommand(ID_GROUP_RENAME));
  EXPECT_EQ(data.GetGroupName(0), "Work");
}

}  // namespace
