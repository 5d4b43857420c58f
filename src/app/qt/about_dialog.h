#pragma once

#include <QDialog>

// The version box: the application icon, a line naming VOSTEK and its version, and an
// OK button. A frame without a caption bar, like a message the user only acknowledges.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};
