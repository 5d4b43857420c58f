#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>
#include <memory>

class X11HotKeyGrab;

// The system-wide hot-key from the settings (a Windows virtual-key code and MOD_ flags).
// Grabbed on X11, and grabbed anew whenever the keyboard mapping changes, since the key
// may then sit on another key code. A key that cannot be had (another program holds it,
// the key is unknown, or the desktop is not X11) is reported once through `unavailable`,
// after the constructor has returned; virtual key 0 asks for no key and reports nothing.
// The grab ends with the object.
class GlobalHotKey : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  GlobalHotKey(int virtualKey, int modFlags, QObject* parent = nullptr);
  ~GlobalHotKey() override;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 signals:
  void pressed();
  void unavailable();

 private:
  void Grab();
  bool IsKeyboardMappingChange(const void* event) const;

  int m_virtualKey;
  int m_modFlags;
  std::unique_ptr<X11HotKeyGrab> m_grab;
  std::uint8_t m_keyboardExtensionEvent = 0;  // first event code of XKEYBOARD; 0 without it
  bool m_regrabQueued = false;
  bool m_reported = false;
};
