#include "app/qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "resources/texts.h"
#include "tray/window_activation.h"

bool ShowQtMessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) {
  QMessageBox box(
      icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
      QString::fromUtf8(texts::kAppTitle), QString::fromStdString(text),
      buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
      QApplication::activeWindow());
  box.setDefaultButton(QMessageBox::Ok);
  // A box without an owner window (one at exit, or at start) would come up without
  // the keyboard focus, and Return would reach nobody. Once it is shown, it asks for it.
  QTimer::singleShot(0, &box, [&box] { ActivateWindow(&box); });
  if (const int seconds = MessageTimeLimit(); seconds > 0) {
    QTimer::singleShot(seconds * 1000, &box, &QMessageBox::reject);
  }
  return box.exec() == QMessageBox::Ok;
}

void InstallQtMessageBoxes() {
  SetMessageBoxHandler(ShowQtMessageBox);
}
