// Starts a program on the X display and reports, in milliseconds from the
// start, when its first window is mapped and when the window with a given
// title is; then ends the program.
//
//   first_window TITLE PROGRAM [ARGS...]
//
// prints "first <ms> titled <ms>", or exits with 1 when the titled window
// does not come within 20 seconds. It watches the root window for new
// top-level windows, so it works with or without a window manager.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <set>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : XCB_ATOM_NONE;
  std::free(reply);
  return atom;
}

std::string Title(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netName, xcb_atom_t utf8) {
  for (auto [property, type] : {std::pair{netName, utf8}, std::pair{xcb_atom_t(XCB_ATOM_WM_NAME),
                                                                    xcb_atom_t(XCB_ATOM_STRING)}}) {
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 1024), nullptr);
    std::string text;
    if (reply && xcb_get_property_value_length(reply) > 0)
      text.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                  static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    if (!text.empty()) return text;
  }
  return {};
}

double Ms(Clock::time_point from) {
  return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: first_window TITLE PROGRAM [ARGS...]\n");
    return 2;
  }
  const std::string wanted = argv[1];
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "first_window: no X display\n");
    return 2;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &rootMask);
  const xcb_atom_t netName = Atom(c, "_NET_WM_NAME"), utf8 = Atom(c, "UTF8_STRING");
  xcb_flush(c);

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    std::perror("first_window: exec");
    _exit(127);
  }
  std::optional<double> first, titled;
  std::set<xcb_window_t> mapped;
  const auto seen = [&](xcb_window_t w) {
    if (!mapped.insert(w).second) return;
    if (!first) first = Ms(start);
    if (Title(c, w, netName, utf8) == wanted) titled = Ms(start);
  };
  while (!titled && Ms(start) < 20000) {
    xcb_generic_event_t* event = xcb_poll_for_event(c);
    if (!event) {
      usleep(200);
      continue;
    }
    switch (event->response_type & ~0x80) {
      case XCB_CREATE_NOTIFY: {
        const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
        const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, e->window, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c);
        break;
      }
      case XCB_MAP_NOTIFY:
        seen(reinterpret_cast<xcb_map_notify_event_t*>(event)->window);
        break;
      default:
        break;
    }
    std::free(event);
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  xcb_disconnect(c);
  if (!titled) {
    std::fprintf(stderr, "first_window: no window titled \"%s\"\n", wanted.c_str());
    return 1;
  }
  std::printf("first %.1f titled %.1f\n", *first, *titled);
  return 0;
}
