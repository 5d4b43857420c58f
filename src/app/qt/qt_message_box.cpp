#include "app/qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "resources/texts.h"

bool ShowQtMessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) {
  QMessageBox box(
      icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
      QString::fromUtf8(texts::kAppTitle), QString::fromStdString(text),
      buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
      QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok;
}

void InstallQtMessageBoxes() {
  SetMessageBoxHandler(ShowQtMessageBox);
}
