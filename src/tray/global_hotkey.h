#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <memory>

class X11HotKeyGrab;

// The system-wide hot-key from the settings (a Windows virtual-key code and MOD_ flags).
// Grabbed on X11 only; elsewhere (Wayland, offscreen) and for virtual key 0 nothing is
// registered, and a key another program holds is not reported: the tray icon still
// shows the window. The grab ends with the object.
class GlobalHotKey : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  GlobalHotKey(int virtualKey, int modFlags, QObject* parent = nullptr);
  ~GlobalHotKey() override;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 signals:
  void pressed();

 private:
  std::unique_ptr<X11HotKeyGrab> m_grab;
};
