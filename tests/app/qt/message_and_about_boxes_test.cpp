#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/qt/about_dialog.h"
#include "app/qt/qt_message_box.h"
#include "app/qt/toolkit_translations.h"
#include "app/qt/vostek_app.h"

namespace {

// Runs `inspect` on the modal box once it is up (polling, so it does not depend on how
// soon the box appears). `inspect` closes it; should a failed check leave it open, it is
// rejected, so that the test fails instead of waiting for ever.
void WhenModalBoxOpens(const std::function<void(QWidget*)>& inspect) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, inspect] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      inspect(box);
      if (auto* dialog = qobject_cast<QDialog*>(box); dialog != nullptr && dialog->isVisible()) {
        dialog->reject();
      }
    }
  });
  poll->start(10);
}

}  // namespace

TEST(QtMessageBoxTest, CaptionButtonsAndIconAsAsked) {
  WhenModalBoxOpens([](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "VOSTEK");
    EXPECT_EQ(box->text(), QString::fromUtf8("削除しますか？"));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
    box->button(QMessageBox::Cancel)->click();
  });
  EXPECT_FALSE(ShowQtMessageBox("削除しますか？", MessageButtons::OkCancel, MessageIcon::Warning));

  WhenModalBoxOpens([](QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    box->button(QMessageBox::Ok)->click();
  });
  EXPECT_TRUE(ShowQtMessageBox("OLE init error", MessageButtons::Ok, MessageIcon::None));
}

TEST(AboutDialogTest, NamesTheVersionAndClosesWithOk) {
  bool inspected = false;
  WhenModalBoxOpens([&inspected](QWidget* widget) {
    ASSERT_NE(qobject_cast<CAboutDlg*>(widget), nullptr);
    bool namesVersion = false;
    bool hasIcon = false;
    for (const QLabel* label : widget->findChildren<QLabel*>()) {
      namesVersion |= label->text().contains("VOSTEK") && label->text().contains(VOSTEK_VERSION);
      hasIcon |= !label->pixmap().isNull();
    }
    EXPECT_TRUE(namesVersion);
    EXPECT_TRUE(hasIcon);
    const QList<QPushButton*> buttons = widget->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), "OK");
    EXPECT_TRUE(buttons[0]->isDefault());
    inspected = true;
    buttons[0]->click();
  });
  CvostekApp::OnAppAbout();  // returns once the box is closed
  EXPECT_TRUE(inspected);
}

TEST(ToolkitTranslationsTest, StandardButtonsAndTheEditorsMenuAreJapanese) {
  const std::unique_ptr<QTranslator> translations = InstallToolkitTranslations();
  ASSERT_NE(translations, nullptr);

  QMessageBox box(QMessageBox::Warning, "VOSTEK", "?", QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8("キャンセル"));
  EXPECT_EQ(box.button(QMessageBox::Ok)->text(), "OK");

  QLineEdit editor;
  editor.setText("name");
  const std::unique_ptr<QMenu> menu(editor.createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) {
      texts << action->text();
    }
  }
  EXPECT_EQ(texts.join('|').toStdString(),
            "元に戻す(&U)\tCtrl+Z|やり直す(&R)\tCtrl+Y|切り取り(&T)\tCtrl+X|コピー(&C)\tCtrl+C|"
            "貼り付け(&P)\tCtrl+V|削除|すべてを選択\tCtrl+A");
}
