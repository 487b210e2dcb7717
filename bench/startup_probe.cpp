// Starts one program on the X server of $DISPLAY and times its first window as the server
// sees it: when the window is mapped and when something is first drawn into it. Then, after
// the program has been left alone for a moment, it reads the program's resident memory and
// ends it. Prints one line: "map_ms paint_ms rss_kb cpu_ms" (paint_ms is -1 if nothing was
// drawn); cpu_ms is the processor time the program had used, all threads, when it first drew.
//
//   startup_probe [--settle MS] [--timeout MS] -- PROGRAM [ARGUMENTS...]
//
// Only the program's own windows are there to see: run it on an X server of its own (Xvfb)
// with no window manager, so the first window mapped at the top level is the program's.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Processor time the program has used so far, over all its threads, in milliseconds.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    if (DIR *listing = ::opendir(tasks.c_str())) {
        while (const dirent *task = ::readdir(listing)) {
            std::ifstream schedstat(tasks + "/" + task->d_name + "/schedstat");
            double runNs = 0;
            if (task->d_name[0] != '.' && schedstat >> runNs)
                total += runNs / 1e6;
        }
        ::closedir(listing);
    }
    return total;
}

void stop(pid_t pid)
{
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

struct Rect
{
    int x = 0, y = 0, width = 0, height = 0;
    bool meets(const xcb_rectangle_t &r) const
    {
        return r.x < x + width && x < r.x + r.width && r.y < y + height && y < r.y + r.height;
    }
};

int usage()
{
    std::fprintf(stderr,
                 "usage: startup_probe [--settle MS] [--timeout MS] -- PROGRAM [ARGUMENTS...]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int settleMs = 1000;
    int timeoutMs = 20000;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (first + 1 >= argc)
            return usage();
        if (arg == "--settle")
            settleMs = std::atoi(argv[++first]);
        else if (arg == "--timeout")
            timeoutMs = std::atoi(argv[++first]);
        else
            return usage();
    }
    if (first >= argc)
        return usage();

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startup_probe: no X server at $DISPLAY\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "startup_probe: the X server has no DAMAGE extension\n");
        return 1;
    }
    std::free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    // Damage on the root reports drawing into every window on the screen.
    xcb_damage_create(x, xcb_generate_id(x), root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(xcb_get_file_descriptor(x));
        ::execvp(argv[first], argv + first);
        std::perror(argv[first]);
        ::_exit(127);
    }

    double mapMs = -1;
    double paintMs = -1;
    double paintCpuMs = -1;
    xcb_window_t window = XCB_NONE;
    Rect area;
    while (paintMs < 0 && msSince(start) < timeoutMs) {
        pollfd watched{xcb_get_file_descriptor(x), POLLIN, 0};
        ::poll(&watched, 1, 50);
        while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{
                xcb_poll_for_event(x), &std::free}) {
            const auto type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event.get());
                if (map->override_redirect)
                    continue;
                mapMs = msSince(start);
                window = map->window;
                std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry{
                        xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr),
                        &std::free};
                if (geometry)
                    area = {geometry->x, geometry->y, geometry->width, geometry->height};
            } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && window != XCB_NONE) {
                const auto *drawn = reinterpret_cast<xcb_damage_notify_event_t *>(event.get());
                if (area.meets(drawn->area)) {
                    paintMs = msSince(start);
                    paintCpuMs = cpuMs(pid);
                    break;
                }
            }
        }
        if (::waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startup_probe: %s ended before it drew a window\n", argv[first]);
            return 1;
        }
    }
    if (window == XCB_NONE) {
        std::fprintf(stderr, "startup_probe: %s mapped no window\n", argv[first]);
        stop(pid);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = residentKb(pid);
    stop(pid);
    xcb_disconnect(x);
    std::printf("%.1f %.1f %ld %.1f\n", mapMs, paintMs, rss, paintCpuMs);
    return 0;
}
