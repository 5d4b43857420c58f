#include "view/win32/drop_target.h"

#include <shlobj.h>

#include <string_view>

#include "view/id_list_array.h"

namespace {

FORMATETC IdListArrayFormat() {
  const auto format = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(L"Shell IDList Array"));
  return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool Offers(IDataObject* data) {
  FORMATETC format = IdListArrayFormat();
  return data != nullptr && data->QueryGetData(&format) == S_OK;
}

}  // namespace

DropTarget::DropTarget(DropHandler onDrop) : m_onDrop(std::move(onDrop)) {}

HRESULT DropTarget::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DropTarget::AddRef() {
  return static_cast<ULONG>(::InterlockedIncrement(&m_references));
}

ULONG DropTarget::Release() {
  const LONG left = ::InterlockedDecrement(&m_references);
  if (left == 0) {
    delete this;
  }
  return static_cast<ULONG>(left);
}

DWORD DropTarget::Effect(DWORD allowed) const {
  if (!m_offered) {
    return DROPEFFECT_NONE;
  }
  if ((allowed & DROPEFFECT_COPY) != 0) {
    return DROPEFFECT_COPY;
  }
  return allowed & DROPEFFECT_LINK;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  m_offered = Offers(data);
  *effect = Effect(*effect);
  return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  *effect = Effect(*effect);
  return S_OK;
}

HRESULT DropTarget::DragLeave() {
  m_offered = false;
  return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  m_offered = Offers(data);
  *effect = Effect(*effect);
  if (*effect == DROPEFFECT_NONE) {
    return S_OK;
  }
  FORMATETC format = IdListArrayFormat();
  STGMEDIUM medium{};
  if (data->GetData(&format, &medium) != S_OK) {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  std::vector<DroppedObject> objects;
  if (const void* block = ::GlobalLock(medium.hGlobal)) {
    objects = DroppedObjectsFromIdListArray(
        std::string_view(static_cast<const char*>(block), ::GlobalSize(medium.hGlobal)));
    ::GlobalUnlock(medium.hGlobal);
  }
  ::ReleaseStgMedium(&medium);
  if (!m_onDrop(objects)) {
    *effect = DROPEFFECT_NONE;
  }
  m_offered = false;
  return S_OK;
}
