#pragma once

#include <QDialog>

#include "tray/hot_key_keeper.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The hot-key dialog: the user presses a combination (or chooses none), the dialog tries
// it at once through the keeper and says whether it can be had; OK keeps it, Cancel goes
// back to the key in force. OK is offered only for a combination that was granted.
class HotKeyDialog : public QDialog, public HotKeyChooser {
  Q_OBJECT

 public:
  // Hears the keeper from here until it is destroyed.
  HotKeyDialog(HotKeyKeeper& keeper, QWidget* parent = nullptr);
  ~HotKeyDialog() override;

  // A combination pressed while the dialog is open: from its own field, or from the key
  // the keeper holds, which never reaches the field.
  void Capture(const HotKeyCombination& combination) override;
  // The keeper's answer to the last try.
  void OnTried(const HotKeyCombination& tried, HotKeyAnswer answer,
               const std::string& desktopName) override;

  void accept() override;
  void reject() override;

 private:
  HotKeyKeeper& m_keeper;
  QLineEdit* m_field = nullptr;
  QLabel* m_verdict = nullptr;
  QPushButton* m_ok = nullptr;
  bool m_triedAny = false;
};
