#include "tray/qt/hot_key_dialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/linux/x11_hotkey.h"
#include "resources/texts.h"
#include "resources/virtual_keys.h"
#include "tray/hot_key_texts.h"

namespace {

int ModFlagsOf(Qt::KeyboardModifiers modifiers) {
  return (modifiers.testFlag(Qt::AltModifier) ? vk::kModAlt : 0) |
         (modifiers.testFlag(Qt::ControlModifier) ? vk::kModControl : 0) |
         (modifiers.testFlag(Qt::ShiftModifier) ? vk::kModShift : 0) |
         (modifiers.testFlag(Qt::MetaModifier) ? vk::kModWin : 0);
}

// The virtual key of a key press: from the X server's key map where there is one (the
// key as the hot-key grab will see it), else from the toolkit's key for the keys every
// keyboard has.
int VirtualKeyOf(const QKeyEvent& event) {
  if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
    if (const int key = X11VirtualKeyOfKeycode(x11->connection(),
                                               static_cast<std::uint8_t>(event.nativeScanCode()))) {
      return key;
    }
  }
  const int key = event.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    return key;  // the same codes as the virtual keys
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
    return vk::kF1 + (key - Qt::Key_F1);
  }
  return key == Qt::Key_Space ? vk::kSpace : 0;
}

// The field that takes the combination: every key pressed in it is the combination's,
// accelerators and mnemonics included, except Tab, Enter and Esc alone, which stay the
// dialog's.
class CombinationField : public QLineEdit {
 public:
  CombinationField(HotKeyDialog& dialog, QWidget* parent) : QLineEdit(parent), m_dialog(dialog) {
    setReadOnly(true);
  }

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride &&
        !IsDialogKey(*static_cast<QKeyEvent*>(event))) {
      event->accept();
      return true;
    }
    if (event->type() == QEvent::KeyPress && !IsDialogKey(*static_cast<QKeyEvent*>(event))) {
      const auto& press = *static_cast<QKeyEvent*>(event);
      if (const auto combination =
              CombinationOfKeyPress(VirtualKeyOf(press), ModFlagsOf(press.modifiers()))) {
        m_dialog.Capture(*combination);
      }
      return true;
    }
    return QLineEdit::event(event);
  }

 private:
  static bool IsDialogKey(const QKeyEvent& event) {
    const int key = event.key();
    return event.modifiers() == Qt::NoModifier && (key == Qt::Key_Tab || key == Qt::Key_Return ||
                                                   key == Qt::Key_Enter || key == Qt::Key_Escape);
  }

  HotKeyDialog& m_dialog;
};

}  // namespace

HotKeyDialog::HotKeyDialog(HotKeyKeeper& keeper, QWidget* parent)
    : QDialog(parent), m_keeper(keeper) {
  setWindowTitle(QString::fromUtf8(texts::kHotKeyDialogTitle));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // nothing in it to enlarge
  layout->addWidget(new QLabel(QString::fromUtf8(texts::kHotKeyDialogPrompt), this));
  m_field = new CombinationField(*this, this);
  m_field->setObjectName(QStringLiteral("combination"));
  layout->addWidget(m_field);
  m_verdict = new QLabel(this);
  m_verdict->setObjectName(QStringLiteral("verdict"));
  m_verdict->setWordWrap(true);
  m_verdict->setMinimumWidth(360);
  layout->addWidget(m_verdict);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* none =
      buttons->addButton(QString::fromUtf8(texts::kHotKeyNoneButton), QDialogButtonBox::ResetRole);
  none->setAutoDefault(false);
  m_ok = buttons->addButton(QString::fromUtf8(texts::kOkButton), QDialogButtonBox::AcceptRole);
  buttons->addButton(QString::fromUtf8(texts::kCancelButton), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(none, &QPushButton::clicked, this, [this] { Capture({}); });
  layout->addWidget(buttons);

  // The key in force and what became of it, until another is pressed.
  const HotKeyCombination inForce = m_keeper.InForce();
  m_field->setText(QString::fromStdString(CombinationName(inForce)));
  m_verdict->setText(QString::fromStdString(HotKeyVerdictText(
      inForce, true, m_keeper.InForceAnswer(), m_keeper.IsHeld() ? m_keeper.InForceName() : "")));
  m_field->setFocus();
  m_field->deselect();  // a name to read, not text to edit
  m_keeper.SetChooser(this);
}

HotKeyDialog::~HotKeyDialog() {
  m_keeper.SetChooser(nullptr);
}

void HotKeyDialog::Capture(const HotKeyCombination& combination) {
  m_triedAny = true;
  m_field->setText(QString::fromStdString(CombinationName(combination)));
  m_verdict->setText(QString::fromStdString(HotKeyVerdictText(combination, false, {}, {})));
  m_ok->setEnabled(false);
  m_keeper.Try(combination);
}

void HotKeyDialog::OnTried(const HotKeyCombination& tried, HotKeyAnswer answer,
                           const std::string& desktopName) {
  m_verdict->setText(QString::fromStdString(HotKeyVerdictText(tried, true, answer, desktopName)));
  m_ok->setEnabled(answer == HotKeyAnswer::Held || tried.IsNone());
}

void HotKeyDialog::accept() {
  if (!m_ok->isEnabled()) {
    return;  // Enter while the combination pressed is refused or not yet answered
  }
  if (m_triedAny) {
    m_keeper.Keep();
  }
  QDialog::accept();
}

void HotKeyDialog::reject() {
  if (m_triedAny) {
    m_keeper.GoBack();
  }
  QDialog::reject();
}
