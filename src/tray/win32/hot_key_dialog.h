#pragma once

#include <windows.h>

#include "tray/hot_key_keeper.h"

// The hot-key dialog: the user presses a combination in its field (or chooses none), the
// dialog tries it at once through the keeper and says whether it can be had; OK keeps
// it and is offered only for a combination granted, Cancel goes back to the key in force.
class HotKeyDialog : public HotKeyChooser {
 public:
  // Hears the keeper from here until it is destroyed.
  explicit HotKeyDialog(HotKeyKeeper& keeper) : m_keeper(keeper) { m_keeper.SetChooser(this); }
  HotKeyDialog(const HotKeyDialog&) = delete;
  HotKeyDialog& operator=(const HotKeyDialog&) = delete;
  ~HotKeyDialog() override { m_keeper.SetChooser(nullptr); }

  // Runs the dialog modally over `parent`.
  void Run(HWND parent);
  // A combination pressed: from the field, or the held key, which never reaches it.
  void Capture(const HotKeyCombination& combination) override;
  void OnTried(const HotKeyCombination& tried, HotKeyAnswer answer,
               const std::string& desktopName) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);
  void Init(HWND dialog);
  void Show(const HotKeyCombination& combination, const std::string& verdict);

  HotKeyKeeper& m_keeper;
  HWND m_dialog = nullptr;
  bool m_triedAny = false;
};
