#include "app/qt/qt_message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "resources/texts.h"
#include "tray/qt/window_activation.h"

bool ShowQtMessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) {
  const QMessageBox::StandardButton yes =
      buttons == MessageButtons::RetryCancel ? QMessageBox::Retry : QMessageBox::Ok;
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                  QString::fromUtf8(texts::kAppTitle), QString::fromStdString(text),
                  buttons == MessageButtons::Ok ? yes : yes | QMessageBox::Cancel,
                  QApplication::activeWindow());
  box.setDefaultButton(yes);
  if (buttons == MessageButtons::RetryCancel) {
    box.button(QMessageBox::Retry)->setText(QString::fromUtf8(texts::kRetryButton));
    box.button(QMessageBox::Cancel)->setText(QString::fromUtf8(texts::kCancelButton));
  }
  // A box without an owner window (one at exit, or at start) would come up without
  // the keyboard focus, and Return would reach nobody. Once it is shown, it asks for it.
  QTimer::singleShot(0, &box, [&box] { ActivateWindow(&box); });
  if (const int seconds = MessageTimeLimit(); seconds > 0) {
    QTimer::singleShot(seconds * 1000, &box, &QMessageBox::reject);
  }
  return box.exec() == yes;
}

void InstallQtMessageBoxes() {
  SetMessageBoxHandler(ShowQtMessageBox);
}
