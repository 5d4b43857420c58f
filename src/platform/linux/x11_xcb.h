#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string_view>

// xcb hands its replies and errors to the caller, allocated with malloc.
struct XcbFree {
  void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, XcbFree>;

// The atom named `name`, made when the server has none yet; XCB_ATOM_NONE when the
// server does not answer.
xcb_atom_t InternAtom(xcb_connection_t* connection, std::string_view name);
