#include "platform/windows/shell_items.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "platform/windows/wide_text.h"

namespace {

// COM for the length of one shell call.
class ComScope {
 public:
  ComScope() : m_result(::CoInitialize(nullptr)) {}
  ~ComScope() {
    if (SUCCEEDED(m_result)) {
      ::CoUninitialize();
    }
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT m_result;
};

template <typename T>
void Release(T*& object) {
  if (object != nullptr) {
    object->Release();
    object = nullptr;
  }
}

PCIDLIST_ABSOLUTE Absolute(const IdList* list) {
  return reinterpret_cast<PCIDLIST_ABSOLUTE>(list);
}

}  // namespace

std::string PathFromIdList(const IdList* list) {
  if (list == nullptr) {
    return {};
  }
  wchar_t path[MAX_PATH] = {};
  if (!::SHGetPathFromIDListW(Absolute(list), path)) {
    return {};
  }
  return Utf8FromWide(path);
}

bool IsShortcutPath(const std::string& path) {
  constexpr std::string_view kSuffix = ".lnk";
  return path.size() >= kSuffix.size() &&
         path.compare(path.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0;
}

IdListPtr ResolveShortcut(const std::string& path) {
  ComScope com;
  IShellLinkW* link = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
    return nullptr;
  }
  IdListPtr target;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    if (SUCCEEDED(file->Load(WideFromUtf8(path).c_str(), STGM_READ))) {
      PIDLIST_ABSOLUTE list = nullptr;
      if (link->GetIDList(&list) == S_OK) {
        target.reset(reinterpret_cast<IdList*>(list));
      }
    }
    Release(file);
  }
  Release(link);
  return target;
}

std::string DisplayNameOf(const IdList* parent, const IdList* child) {
  if (parent == nullptr || child == nullptr) {
    return {};
  }
  ComScope com;
  IShellFolder* desktop = nullptr;
  if (FAILED(::SHGetDesktopFolder(&desktop))) {
    return {};
  }
  std::string name;
  IShellFolder* folder = nullptr;
  const bool atDesktop = GetIdListSize(parent) == 2;  // the desktop binds to itself
  HRESULT bound = S_OK;
  if (atDesktop) {
    folder = desktop;
    folder->AddRef();
  } else {
    bound = desktop->BindToObject(reinterpret_cast<PCUIDLIST_RELATIVE>(parent), nullptr,
                                  IID_IShellFolder, reinterpret_cast<void**>(&folder));
  }
  if (SUCCEEDED(bound) && folder != nullptr) {
    STRRET text{};
    const auto relative = reinterpret_cast<PCUITEMID_CHILD>(child);
    if (SUCCEEDED(folder->GetDisplayNameOf(relative, SHGDN_NORMAL, &text))) {
      wchar_t* converted = nullptr;
      if (SUCCEEDED(::StrRetToStrW(&text, relative, &converted)) && converted != nullptr) {
        name = Utf8FromWide(converted);
        ::CoTaskMemFree(converted);
      }
    }
  }
  Release(folder);
  Release(desktop);
  return name;
}

HICON SmallIconOf(const IdList* list) {
  if (list == nullptr) {
    return nullptr;
  }
  ComScope com;
  SHFILEINFOW info{};
  if (::SHGetFileInfoW(reinterpret_cast<LPCWSTR>(list), 0, &info, sizeof info,
                       SHGFI_PIDL | SHGFI_ICON | SHGFI_SMALLICON) == 0) {
    return nullptr;
  }
  return info.hIcon;
}
