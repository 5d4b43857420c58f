#include "view/qt/text_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/message_box.h"
#include "resources/texts.h"
#include "view/group_name.h"

CTextDialog::CTextDialog(QWidget* parent)
    : QDialog(parent),
      m_edit(new QLineEdit(this)),
      m_ok(new QPushButton(QString::fromUtf8(texts::kOkButton), this)),
      m_cancel(new QPushButton(QString::fromUtf8(texts::kCancelButton), this)) {
  setWindowTitle(QString::fromUtf8(texts::kGroupNameDialogTitle));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

  m_ok->setDefault(true);
  m_ok->setAutoDefault(true);
  m_cancel->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_ok);
  buttons->addWidget(m_cancel);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_edit);
  layout->addLayout(buttons);

  // About the width of the 205-unit dialog it stands for; the height follows the layout.
  setMinimumWidth(fontMetrics().averageCharWidth() * 51);

  connect(m_ok, &QPushButton::clicked, this, &CTextDialog::OnOK);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
  m_edit->setFocus();
}

void CTextDialog::OnOK() {
  const QByteArray typed = m_edit->text().toUtf8();
  std::string trimmed = TrimGroupName(std::string_view(typed.constData(), typed.size()));
  if (IsGroupNameRefused(trimmed)) {
    ShowMessageBox(texts::kEnterName);
    m_edit->setFocus();
    return;
  }
  m_text = std::move(trimmed);
  accept();
}
