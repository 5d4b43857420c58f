#include "platform/linux/x11_window_decorations.h"

#include <array>
#include <cstdint>

#include "platform/linux/x11_xcb.h"

namespace {

// The Motif window-manager hints that window managers read for decorations.
constexpr std::uint32_t kHintsFunctions = 1U << 0;
constexpr std::uint32_t kHintsDecorations = 1U << 1;
constexpr std::uint32_t kFunctionResize = 1U << 1;
constexpr std::uint32_t kFunctionMove = 1U << 2;
constexpr std::uint32_t kDecorBorder = 1U << 1;
constexpr std::uint32_t kDecorResizeHandle = 1U << 2;
constexpr std::uint32_t kDecorTitle = 1U << 3;

}  // namespace

void X11RequestCaptionAndBorderOnly(xcb_connection_t* connection, xcb_window_t window) {
  if (connection == nullptr || window == XCB_WINDOW_NONE ||
      xcb_connection_has_error(connection) != 0) {
    return;
  }
  const xcb_atom_t hintsAtom = InternAtom(connection, "_MOTIF_WM_HINTS");
  if (hintsAtom == XCB_ATOM_NONE) {
    return;
  }
  const std::array<std::uint32_t, 5> hints{kHintsFunctions | kHintsDecorations,
                                           kFunctionResize | kFunctionMove,
                                           kDecorBorder | kDecorResizeHandle | kDecorTitle, 0, 0};
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, hintsAtom, hintsAtom, 32,
                      hints.size(), hints.data());
  xcb_flush(connection);
}

void X11RequestFrameExtents(xcb_connection_t* connection, xcb_window_t window) {
  if (connection == nullptr || window == XCB_WINDOW_NONE ||
      xcb_connection_has_error(connection) != 0) {
    return;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const xcb_atom_t request = InternAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
  if (screen == nullptr || request == XCB_ATOM_NONE) {
    return;
  }
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = request;
  xcb_send_event(connection, 0, screen->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
}
