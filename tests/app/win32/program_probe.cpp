// Linked into the test build of the Windows program only (vostek_probe.exe): lets the
// end-to-end run, which drives the program from outside Wine, add items and see the rows.
//   --add PATH      (repeatable) takes PATH in at start as a drop from Explorer would
//   VOSTEK_PROBE    a file that receives "visible", "iconic" (the frame minimised),
//                   "focus" (list, frame, none or other: who takes the keys), "scrollbars"
//                   (the list's: v and h for the vertical and horizontal one), "title"
//                   and one "row" line per row, rewritten whenever they change

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "frame/win32/main_frame.h"
#include "platform/windows/files/windows_files.h"
#include "platform/windows/wide_text.h"
#include "view/win32/vostek_view.h"

namespace {

std::vector<std::wstring> PathsToAdd() {
  std::vector<std::wstring> paths;
  int count = 0;
  wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  for (int i = 1; i + 1 < count; ++i) {
    if (std::wstring(arguments[i]) == L"--add") {
      paths.emplace_back(arguments[++i]);
    }
  }
  ::LocalFree(arguments);
  return paths;
}

// The object at `path` as Explorer drops it: its folder's list and its own last item.
DroppedObject DroppedPath(const std::wstring& path) {
  PIDLIST_ABSOLUTE absolute = nullptr;
  DroppedObject object;
  if (FAILED(::SHParseDisplayName(path.c_str(), nullptr, &absolute, 0, nullptr))) {
    return object;
  }
  const auto* child = reinterpret_cast<const std::uint8_t*>(::ILFindLastID(absolute));
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(absolute);
  const std::size_t parentSize = static_cast<std::size_t>(child - bytes);
  std::vector<std::uint8_t> parent(bytes, child);
  parent.push_back(0);
  parent.push_back(0);
  object.parent.reset(CopyIdList(parent.data(), parentSize + 2));
  object.child.reset(CopyIdList(child, GetIdListSize(child)));
  ::CoTaskMemFree(absolute);
  return object;
}

std::string Describe(CMainFrame& frame) {
  HWND window = frame.Handle();
  wchar_t title[512] = {};
  ::GetWindowTextW(window, title, 512);
  HWND list = frame.View()->Handle();
  std::string text = "visible " + std::to_string(::IsWindowVisible(window) ? 1 : 0) + "\n";
  text += "iconic " + std::to_string(::IsIconic(window) ? 1 : 0) + "\n";
  const HWND focus = ::GetFocus();
  text += std::string("focus ") +
          (focus == list      ? "list"
           : focus == window  ? "frame"
           : focus == nullptr ? "none"
                              : "other") +
          "\n";
  const LONG_PTR style = ::GetWindowLongPtrW(list, GWL_STYLE);
  text += std::string("scrollbars ") + ((style & WS_VSCROLL) != 0 ? "v" : "") +
          ((style & WS_HSCROLL) != 0 ? "h" : "") + "\n";
  text += "title " + Utf8FromWide(title) + "\n";
  const int rows = ListView_GetItemCount(list);
  for (int row = 0; row < rows; ++row) {
    wchar_t name[512] = {};
    ListView_GetItemText(list, row, 0, name, 512);
    text += "row " + Utf8FromWide(name) + "\n";
  }
  return text;
}

const bool kInstalled = [] {
  CMainFrame::SetIdleObserver([added = false, last = std::string()](CMainFrame& frame) mutable {
    if (!added) {
      added = true;
      std::vector<DroppedObject> objects;
      for (const std::wstring& path : PathsToAdd()) {
        objects.push_back(DroppedPath(path));
      }
      if (!objects.empty()) {
        frame.View()->TakeDrop(objects);
      }
    }
    const char* probe = std::getenv("VOSTEK_PROBE");
    const std::string now = Describe(frame);
    if (probe != nullptr && now != last) {
      last = now;
      WriteFileAtomically(probe, now, nullptr);
    }
  });
  return true;
}();

}  // namespace
