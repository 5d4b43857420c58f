#include <QLineEdit>
#include <QPushButton>

#include "resources/texts.h"
#include "view/qt/text_dialog.h"
#include "view_test_fixture.h"

namespace {

class TextDialogTest : public ViewTest {
 protected:
  // Types `text` into a shown dialog and presses OK.
  void TypeAndOk(CTextDialog& dialog, const QString& text) {
    dialog.show();
    dialog.Edit()->setText(text);
    dialog.OkButton()->click();
  }
};

TEST_F(TextDialogTest, OpensEmptyWithTheTitleAndButtons) {
  CTextDialog dialog;
  EXPECT_EQ(dialog.windowTitle().toStdString(), "グループ名を入力してください");
  EXPECT_TRUE(dialog.Edit()->text().isEmpty());
  EXPECT_EQ(dialog.OkButton()->text().toStdString(), "OK");
  EXPECT_TRUE(dialog.OkButton()->isDefault());
  EXPECT_EQ(dialog.CancelButton()->text().toStdString(), "キャンセル");
}

TEST_F(TextDialogTest, OkTrimsSingleByteWhiteSpaceOnly) {
  CTextDialog spaced;
  TypeAndOk(spaced, QString::fromUtf8(" \t 仕事 A\r\n\v\f"));
  EXPECT_EQ(spaced.result(), QDialog::Accepted);
  EXPECT_EQ(spaced.Text(), "仕事 A");

  CTextDialog wide;
  TypeAndOk(wide, QString::fromUtf8("\u3000名前\u3000 "));
  EXPECT_EQ(wide.result(), QDialog::Accepted);
  EXPECT_EQ(wide.Text(), "\u3000名前\u3000");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TextDialogTest, BlankNameIsRefusedAndTheDialogStaysOpenWithItsText) {
  CTextDialog dialog;
  TypeAndOk(dialog, QStringLiteral(" \t "));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{texts::kEnterName});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Edit()->text(), QStringLiteral(" \t "));

  dialog.Edit()->setText(QStringLiteral("ok"));
  dialog.OkButton()->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.Text(), "ok");
}

}  // namespace
