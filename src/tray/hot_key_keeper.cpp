#include "tray/hot_key_keeper.h"

#include "tray/hot_key_texts.h"

HotKeyKeeper::HotKeyKeeper(std::unique_ptr<HotKeyWay> way, HotKeyCombination inForce)
    : m_way(std::move(way)), m_inForce(inForce) {
  if (!m_way) {
    return;
  }
  m_way->answered = [this](HotKeyAnswer answer, const std::string& desktopName) {
    OnAnswer(answer, desktopName);
  };
  m_way->renamed = [this](const std::string& desktopName) {
    m_inForceDesktopName = desktopName;
    if (changed) {
      changed();
    }
  };
  m_way->pressed = [this] {
    if (m_chooser != nullptr) {
      m_chooser->Capture(m_asked);
    } else if (pressed) {
      pressed();
    }
  };
}

HotKeyKeeper::~HotKeyKeeper() {
  if (m_way) {
    m_way->answered = nullptr;  // the way may answer while it lets go
    m_way->Take({});
  }
}

void HotKeyKeeper::Start() {
  Ask(Asking::Start, m_inForce);
}

void HotKeyKeeper::Try(const HotKeyCombination& combination) {
  m_tried = combination;
  m_triedDesktopName.clear();
  Ask(Asking::Try, combination);
}

void HotKeyKeeper::Keep() {
  m_inForce = m_tried;
  m_inForceDesktopName = m_triedDesktopName;
  m_inForceHeld = !m_tried.IsNone();
  m_inForceAnswer = HotKeyAnswer::Held;
  if (changed) {
    changed();
  }
}

void HotKeyKeeper::GoBack() {
  Ask(Asking::GoBack, m_inForce);
}

std::string HotKeyKeeper::InForceName() const {
  if (m_inForce.IsNone()) {
    return {};
  }
  return m_inForceDesktopName.empty() ? HotKeyName(m_inForce.virtualKey, m_inForce.modFlags)
                                      : m_inForceDesktopName;
}

void HotKeyKeeper::Ask(Asking asking, const HotKeyCombination& combination) {
  m_latest = asking;
  m_asked = combination;
  const int ask = ++m_latestAsk;
  if (combination.IsNone()) {
    if (m_way) {
      m_way->Take(combination);  // lets go of the key held; nothing to wait for
    }
    Conclude(HotKeyAnswer::Held, {});
    return;
  }
  if (!m_way) {
    Conclude(HotKeyAnswer::NotHere, {});
    return;
  }
  m_unanswered.push_back(ask);
  m_way->Take(combination);
}

void HotKeyKeeper::OnAnswer(HotKeyAnswer answer, const std::string& desktopName) {
  if (m_unanswered.empty()) {
    return;
  }
  const int ask = m_unanswered.front();
  m_unanswered.pop_front();
  if (ask == m_latestAsk) {  // else a later ask has overtaken it
    Conclude(answer, desktopName);
  }
}

void HotKeyKeeper::Conclude(HotKeyAnswer answer, const std::string& desktopName) {
  const bool held = answer == HotKeyAnswer::Held;
  switch (m_latest) {
    case Asking::Start:
    case Asking::GoBack:
      m_inForceHeld = held && !m_inForce.IsNone();
      m_inForceAnswer = answer;
      m_inForceDesktopName = m_inForceHeld ? desktopName : std::string();
      if (changed) {
        changed();
      }
      if (m_latest == Asking::Start && !held && !m_reported && unavailable) {
        m_reported = true;
        unavailable(answer);
      }
      break;
    case Asking::Try:
      m_triedDesktopName = held ? desktopName : std::string();
      if (m_chooser != nullptr) {
        m_chooser->OnTried(m_tried, answer, m_triedDesktopName);
      }
      break;
  }
}
