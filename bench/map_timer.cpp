// Starts a program on the current X display and prints, in one line, the
// microseconds from launch until its first top-level window is mapped and
// has been asked to paint, and its resident memory (kB) once shown:
//   map_timer PROGRAM [ARGS...]  ->  "<microseconds> <kB>"
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

long ResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:")) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_timer PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "map_timer: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    // The first map of a direct child of the root is the program's window;
    // then wait for its first Expose, when it is visible and painting.
    xcb_window_t window = XCB_NONE;
    long microseconds = -1;
    while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{
        xcb_wait_for_event(connection), &std::free}) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            if (map->override_redirect) continue;
            window = map->window;
            const uint32_t exposure = XCB_EVENT_MASK_EXPOSURE;
            xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &exposure);
            xcb_clear_area(connection, 1, window, 0, 0, 0,
                           0);  // an Expose even if it already painted
            xcb_flush(connection);
        } else if (type == XCB_EXPOSE && window != XCB_NONE) {
            microseconds = std::chrono::duration_cast<std::chrono::microseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count();
            break;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let it settle
    const long kilobytes = ResidentKilobytes(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    std::printf("%ld %ld\n", microseconds, kilobytes);
    return microseconds < 0 ? 1 : 0;
}
