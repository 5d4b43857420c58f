#include "frame/qt/accelerator_keys.h"

#include "resources/accelerators.h"

namespace {

struct KeyPair {
  int virtualKey;
  Qt::Key key;
};

constexpr KeyPair kKeys[] = {
    {vk::kBack, Qt::Key_Backspace}, {vk::kTab, Qt::Key_Tab},       {vk::kEscape, Qt::Key_Escape},
    {vk::kSpace, Qt::Key_Space},    {vk::kPrior, Qt::Key_PageUp},  {vk::kNext, Qt::Key_PageDown},
    {vk::kEnd, Qt::Key_End},        {vk::kHome, Qt::Key_Home},     {vk::kLeft, Qt::Key_Left},
    {vk::kUp, Qt::Key_Up},          {vk::kRight, Qt::Key_Right},   {vk::kDown, Qt::Key_Down},
    {vk::kInsert, Qt::Key_Insert},  {vk::kDelete, Qt::Key_Delete},
};

QList<Qt::Key> KeysOf(int virtualKey) {
  if (virtualKey == vk::kReturn) {
    return {Qt::Key_Return, Qt::Key_Enter};
  }
  if ((virtualKey >= vk::kA && virtualKey <= 'Z') || (virtualKey >= vk::k0 && virtualKey <= '9')) {
    return {static_cast<Qt::Key>(virtualKey)};  // Qt's letter and digit keys are ASCII too
  }
  if (virtualKey >= vk::kF1 && virtualKey <= vk::kF1 + 23) {
    return {static_cast<Qt::Key>(Qt::Key_F1 + (virtualKey - vk::kF1))};
  }
  for (const KeyPair& pair : kKeys) {
    if (pair.virtualKey == virtualKey) {
      return {pair.key};
    }
  }
  return {};
}

}  // namespace

QList<QKeySequence> AcceleratorKeys(const Accelerator& accelerator) {
  Qt::KeyboardModifiers modifiers;
  if ((accelerator.flags & kAccelShift) != 0) {
    modifiers |= Qt::ShiftModifier;
  }
  if ((accelerator.flags & kAccelControl) != 0) {
    modifiers |= Qt::ControlModifier;
  }
  if ((accelerator.flags & kAccelAlt) != 0) {
    modifiers |= Qt::AltModifier;
  }
  QList<QKeySequence> sequences;
  for (const Qt::Key key : KeysOf(accelerator.key)) {
    sequences.append(QKeySequence(QKeyCombination(modifiers, key)));
  }
  return sequences;
}
