#pragma once

#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

// Asks for a group name: one empty edit box, "OK" (the default) and "キャンセル". OK trims
// single-byte white space from both ends and refuses a name that is empty after that,
// telling the user and staying open with the text as typed.
class CTextDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CTextDialog(QWidget* parent = nullptr);

  // The trimmed name after OK.
  const std::string& Text() const { return m_text; }

  QLineEdit* Edit() const { return m_edit; }
  QPushButton* OkButton() const { return m_ok; }
  QPushButton* CancelButton() const { return m_cancel; }

 private:
  void OnOK();

  QLineEdit* m_edit;
  QPushButton* m_ok;
  QPushButton* m_cancel;
  std::string m_text;
};
