#pragma once

#include <windows.h>

#include <ole2.h>

#include <functional>
#include <span>

#include "view/launcher_view.h"

// The list window as a drop target for the shell's "Shell IDList Array": files, folders
// and shortcuts dragged from Explorer. A drop is taken as a copy, or else a link, never
// as a move: the program only refers to the objects, and a move would invite the source
// to delete them.
class DropTarget final : public IDropTarget {
 public:
  using DropHandler = std::function<bool(std::span<const DroppedObject> objects)>;
  explicit DropTarget(DropHandler onDrop);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDropTarget
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  ~DropTarget() = default;
  DWORD Effect(DWORD allowed) const;

  LONG m_references = 1;
  bool m_offered = false;  // the dragged data offers the format
  DropHandler m_onDrop;
};
