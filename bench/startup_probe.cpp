// Starts a program on the X display, reports the milliseconds until it maps
// its first top-level window and its peak resident memory, then ends it.
// Usage: startup_probe PROGRAM [ARGUMENTS...]; prints "MILLISECONDS KIB".

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

int fail(const char* message)
{
    std::fprintf(stderr, "startup_probe: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        return fail("usage: startup_probe PROGRAM [ARGUMENTS...]");
    }
    const std::unique_ptr<xcb_connection_t, Disconnect> connection(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(connection.get()) != 0) {
        return fail("cannot connect to the X display");
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection.get(), root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection.get());

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    double milliseconds = -1;
    pollfd descriptor{xcb_get_file_descriptor(connection.get()), POLLIN, 0};
    while (milliseconds < 0 && poll(&descriptor, 1, 20000) > 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection.get())) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
            std::free(event);
            if (mapped && milliseconds < 0) {
                milliseconds =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            }
        }
    }
    // Lets the first paint finish, so the peak includes it.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (milliseconds < 0) {
        return fail("the program mapped no window within 20 seconds");
    }
    std::printf("%.1f %ld\n", milliseconds, usage.ru_maxrss);
    return 0;
}
