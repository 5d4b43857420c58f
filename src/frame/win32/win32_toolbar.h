#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

// The main window's toolbar (IDR_MAINFRAME): flat, with tooltips, its images from the
// bitmap of the same id, 16 by 15 pixels each.
class Win32Toolbar {
 public:
  Win32Toolbar() = default;
  ~Win32Toolbar();
  Win32Toolbar(const Win32Toolbar&) = delete;
  Win32Toolbar& operator=(const Win32Toolbar&) = delete;

  // False when the toolbar or its images cannot be made.
  bool Create(HWND frame);
  HWND Handle() const { return m_toolbar; }
  void Show(bool shown);
  bool IsShown() const;
  int Height() const;
  // Enables or greys each button by its command's rule.
  void Update(const std::function<bool(int id)>& isEnabled);
  // The tooltip of a button, when `header` asks for one; true when it was answered.
  bool OnNotify(NMHDR* header);

 private:
  HWND m_toolbar = nullptr;
  HIMAGELIST m_images = nullptr;
  std::wstring m_tooltip;  // lives until the next request
};
