#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "tray/hot_key_combination.h"

// What a desktop answers when asked for a global key.
enum class HotKeyAnswer {
  Held,     // the key is ours
  Taken,    // another program holds it, or the desktop refused it
  NotHere,  // this desktop offers no way to own a global key
};

// One way of owning a global key: the X11 grab, the desktop's global-shortcuts portal,
// RegisterHotKey. A way answers every Take of a combination once, at once or later, in
// the order asked; a Take of none only lets go and is not answered.
class HotKeyWay {
 public:
  virtual ~HotKeyWay() = default;
  // Gives up the key held and asks for `combination`; a none combination only gives up.
  virtual void Take(const HotKeyCombination& combination) = 0;

  // The answer to a Take, with the desktop's own name of the key in force where it gives
  // one (the portal's trigger description), else empty.
  std::function<void(HotKeyAnswer answer, const std::string& desktopName)> answered;
  // The desktop rebound the key on its own (its settings); the name of the new trigger.
  std::function<void(const std::string& desktopName)> renamed;
  std::function<void()> pressed;
};

// The hot-key dialog as the keeper sees it while it is open: it is told what was
// pressed of the key held (which never reaches the dialog's own field) and the answer to
// each try.
class HotKeyChooser {
 public:
  virtual ~HotKeyChooser() = default;
  virtual void Capture(const HotKeyCombination& combination) = 0;
  virtual void OnTried(const HotKeyCombination& tried, HotKeyAnswer answer,
                       const std::string& desktopName) = 0;
};

// The hot-key in force and the one being tried in the hot-key dialog, over one way of
// owning it. The combination of the settings is asked for at Start; a refusal of it is
// reported once. A try answers the dialog and takes effect only when kept; going back
// asks for the combination in force again. Without a way, every ask answers NotHere.
class HotKeyKeeper {
 public:
  HotKeyKeeper(std::unique_ptr<HotKeyWay> way, HotKeyCombination inForce);
  HotKeyKeeper(const HotKeyKeeper&) = delete;
  HotKeyKeeper& operator=(const HotKeyKeeper&) = delete;
  ~HotKeyKeeper();

  void Start();
  void Try(const HotKeyCombination& combination);
  // The combination last tried is now the one in force (it may be none).
  void Keep();
  // The combination in force is asked for again, after a try that was not kept.
  void GoBack();

  HotKeyCombination InForce() const { return m_inForce; }
  // The key in force as the texts name it: the desktop's name where it gave one.
  std::string InForceName() const;
  // Whether the key in force is ours, and what the desktop last answered for it.
  bool IsHeld() const { return m_inForceHeld; }
  HotKeyAnswer InForceAnswer() const { return m_inForceAnswer; }
  // The combination last asked for: the one a press of the held key stands for.
  HotKeyCombination Asked() const { return m_asked; }

  // The answer to the start's ask, when it is not Held; once per run.
  std::function<void(HotKeyAnswer answer)> unavailable;
  // The open dialog, or null: while one is open, a press of the key held goes to it
  // instead of `pressed`, and it hears the answer to each try.
  void SetChooser(HotKeyChooser* chooser) { m_chooser = chooser; }
  // The key in force or its name changed (kept, or rebound by the desktop).
  std::function<void()> changed;
  std::function<void()> pressed;

 private:
  enum class Asking { Start, Try, GoBack };
  void Ask(Asking asking, const HotKeyCombination& combination);
  void OnAnswer(HotKeyAnswer answer, const std::string& desktopName);
  void Conclude(HotKeyAnswer answer, const std::string& desktopName);

  std::unique_ptr<HotKeyWay> m_way;
  HotKeyChooser* m_chooser = nullptr;
  HotKeyCombination m_inForce;
  std::string m_inForceDesktopName;
  bool m_inForceHeld = false;
  HotKeyAnswer m_inForceAnswer = HotKeyAnswer::Held;
  HotKeyCombination m_asked;
  HotKeyCombination m_tried;
  std::string m_triedDesktopName;
  std::deque<int> m_unanswered;  // the asks sent to the way, oldest first
  int m_latestAsk = 0;           // only the answer to the latest ask counts
  Asking m_latest = Asking::Start;
  bool m_reported = false;
};
