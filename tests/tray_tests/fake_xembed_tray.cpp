// A desktop's XEmbed system tray manager, as far as a tray icon needs one: it owns the
// tray selection of screen 0, announces itself by the MANAGER message, and writes
// "docked <window>" on its standard output for each icon that asks to be docked.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

}  // namespace

int main() {
  int screenNumber = 0;
  xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(c)) return 1;
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const xcb_atom_t selection = Atom(c, ("_NET_SYSTEM_TRAY_S" + std::to_string(screenNumber)).c_str());
  const xcb_atom_t manager = Atom(c, "MANAGER");
  const xcb_atom_t opcode = Atom(c, "_NET_SYSTEM_TRAY_OPCODE");
  const xcb_window_t tray = xcb_generate_id(c);
  xcb_create_window(c, XCB_COPY_FROM_PARENT, tray, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                    XCB_COPY_FROM_PARENT, 0, nullptr);
  xcb_set_selection_owner(c, tray, selection, XCB_CURRENT_TIME);
  xcb_client_message_event_t announce{};
  announce.response_type = XCB_CLIENT_MESSAGE;
  announce.format = 32;
  announce.window = screen->root;
  announce.type = manager;
  announce.data.data32[0] = XCB_CURRENT_TIME;
  announce.data.data32[1] = selection;
  announce.data.data32[2] = tray;
  xcb_send_event(c, 0, screen->root, XCB_EVENT_MASK_STRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&announce));
  xcb_flush(c);
  std::printf("watching\n");
  std::fflush(stdout);
  while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
    if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
      const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
      if (message->type == opcode && message->data.data32[1] == 0) {  // SYSTEM_TRAY_REQUEST_DOCK
        std::printf("docked %u\n", message->data.data32[2]);
        std::fflush(stdout);
      }
    }
    std::free(event);
  }
  return 0;
}
