// Starts one program and measures, from the X server's side, how long it takes until its window
// titled <title> is mapped and painted, then ends it and reports its peak resident memory.
// usage: window_probe <title> <program> [args...]   prints: <milliseconds> <peak RSS in KiB>
// Painted means: the pixel at (5, 5) inside the window, left of every control, is no longer the
// black of the root window (run the X server with a black root, Xvfb -br).
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> Own(T* reply) { return Reply<T>(reply, &std::free); }

std::string Title(xcb_connection_t* c, xcb_window_t w) {
  auto reply = Own(xcb_get_property_reply(
      c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr));
  if (!reply) return {};
  return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                     xcb_get_property_value_length(reply.get()));
}

bool Viewable(xcb_connection_t* c, xcb_window_t w) {
  auto reply = Own(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
  return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

// The mapped top-level window with this title, or 0. Without a window manager top-level windows
// are the root's children.
xcb_window_t FindWindow(xcb_connection_t* c, xcb_window_t root, const std::string& title) {
  auto tree = Own(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
  if (!tree) return 0;
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
    if (Title(c, children[i]) == title && Viewable(c, children[i])) return children[i];
  return 0;
}

bool Painted(xcb_connection_t* c, xcb_window_t w) {
  auto image = Own(xcb_get_image_reply(
      c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 5, 5, 1, 1, 0xffffffff), nullptr));
  if (!image) return false;
  const uint8_t* data = xcb_get_image_data(image.get());
  for (int i = 0; i < xcb_get_image_data_length(image.get()); ++i)
    if (data[i] != 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <title> <program> [args...]\n", argv[0]);
    return 2;
  }
  const std::string title = argv[1];
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "window_probe: cannot open the display\n");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[2], argv + 2);
    std::perror("window_probe: exec");
    _exit(127);
  }
  const auto deadline = start + std::chrono::seconds(30);
  xcb_window_t window = 0;
  bool painted = false;
  while (std::chrono::steady_clock::now() < deadline) {
    if (!window) window = FindWindow(c, root, title);
    if (window && Painted(c, window)) {
      painted = true;
      break;
    }
    if (waitpid(child, nullptr, WNOHANG) == child) {
      std::fprintf(stderr, "window_probe: %s ended before its window was painted\n", argv[2]);
      return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  xcb_disconnect(c);
  if (!painted) {
    std::fprintf(stderr, "window_probe: no painted window titled '%s' within 30 s\n", title.c_str());
    return 1;
  }
  std::printf("%.1f %ld\n", elapsed.count(), usage.ru_maxrss);
  return 0;
}
