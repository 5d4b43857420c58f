#include "app/qt/about_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "frame/qt/icons.h"
#include "resources/texts.h"

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowSystemMenuHint) {
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setPixmap(ApplicationIcon().pixmap(32, 32));
  auto* version =
      new QLabel(QString::fromUtf8(texts::kAboutVersionFormat).arg(VOSTEK_VERSION), this);
  auto* ok = new QPushButton(QString::fromUtf8(texts::kOkButton), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(version, 1, 1);
  layout->addWidget(ok, 0, 2, Qt::AlignTop);
  layout->setColumnStretch(1, 1);
  layout->setHorizontalSpacing(16);
  setMinimumWidth(350);
}
