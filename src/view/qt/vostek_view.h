#pragma once

#include <QListWidget>
#include <memory>

#include "view/list_control.h"
#include "view/view_host.h"

class LauncherView;
class MigemoDictionary;

// The launcher list: one column of rows without header, multiple selection, 16x16
// icons, in-place name editing, drop target. The toolkit-neutral behaviour lives in
// LauncherView; this widget turns Qt's input into its calls and shows its rows.
class CvostekView : public QListWidget, public ListControl, public ViewHost {
  Q_OBJECT

 public:
  explicit CvostekView(QWidget* parent = nullptr);
  ~CvostekView() override;

  // Icons of every item and the dictionary; once, before the first showing.
  void OnInitialUpdate();

  LauncherView& Logic();

  // The command table: view commands run here; others answer false.
  bool IsCommandEnabled(int id) const;
  bool RunCommand(int id);

 signals:
  // Selection, view mode, settings or groups may have changed: enabling rules and
  // check marks are to be read again.
  void commandStateChanged();
};
