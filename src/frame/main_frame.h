#pragma once

#include <QMainWindow>

// The one top-level window: caption and sizing border, menu bar, toolbar and the
// launcher list. Created hidden at start-up.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(QWidget* parent = nullptr);
};
