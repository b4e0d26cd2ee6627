// Whole-process start-up read from the X server's own events, for bench/run:
//   bench_start_watch TITLE_PREFIX PROGRAM [ARGUMENT...]
// starts the program and prints, in milliseconds from just before its exec, when the first top-level window
// whose title starts with TITLE_PREFIX was mapped (MapNotify), when the server first reported damage in it,
// and when the damage reported since the map covered the whole window (the first complete frame); then,
// one second after the map, the program's resident and proportional memory in KiB (from
// /proc/PID/smaps_rollup). The program is ended with SIGTERM afterwards. One line, space-separated:
//   map_ms first_damage_ms complete_ms rss_kib pss_kib
// Nothing is polled: the times are those at which the events reached this process.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template<typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template<typename Reply>
Owned<Reply> Own(Reply* reply)
{
    return Owned<Reply>(reply, &std::free);
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const auto reply = Own(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t { XCB_ATOM_NONE };
}

std::string Title(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t netWmName, xcb_atom_t utf8)
{
    for (const auto& [property, type] :
        { std::pair { netWmName, utf8 }, std::pair<xcb_atom_t, xcb_atom_t> { XCB_ATOM_WM_NAME, XCB_ATOM_STRING } }) {
        const auto reply = Own(xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr));
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                static_cast<size_t>(xcb_get_property_value_length(reply.get())));
    }
    return {};
}

// Pixels of the window covered by the union of the damaged rectangles, counted on a bitmap of the window.
class Coverage {
public:
    void resize(int width, int height)
    {
        m_width = width;
        m_height = height;
        m_covered.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
        m_count = 0;
    }
    void add(int x, int y, int width, int height)
    {
        for (int row = std::max(0, y); row < std::min(m_height, y + height); ++row)
            for (int column = std::max(0, x); column < std::min(m_width, x + width); ++column) {
                uint8_t& cell
                    = m_covered[static_cast<size_t>(row) * static_cast<size_t>(m_width) + static_cast<size_t>(column)];
                m_count += cell == 0;
                cell = 1;
            }
    }
    bool complete() const { return m_width > 0 && m_count == static_cast<size_t>(m_width) * m_height; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<uint8_t> m_covered;
    size_t m_count = 0;
};

std::optional<std::pair<long, long>> Memory(pid_t pid)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string key;
    long rss = -1;
    long pss = -1;
    long value = 0;
    std::string unit;
    while (rollup >> key) {
        if (key == "Rss:" && rollup >> value >> unit)
            rss = value;
        else if (key == "Pss:" && rollup >> value >> unit)
            pss = value;
        else
            rollup.ignore(4096, '\n');
    }
    if (rss < 0 || pss < 0)
        return std::nullopt;
    return std::pair { rss, pss };
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE_PREFIX PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const std::string prefix = argv[1];
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const auto damageVersion = Own(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr));
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damageVersion || !damage || !damage->present) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    const xcb_atom_t netWmName = Atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
    const uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &rootEvents);
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        std::perror("exec");
        _exit(127);
    }

    // Every new top-level window gets a damage object as soon as it exists, so that no drawing between its
    // map and this process's reaction to the map can be missed.
    std::map<xcb_window_t, xcb_damage_damage_t> damages;
    xcb_window_t shown = XCB_WINDOW_NONE;
    Coverage coverage;
    double mapped = -1;
    double firstDamage = -1;
    double complete = -1;
    const int fd = xcb_get_file_descriptor(connection);
    while (complete < 0) {
        xcb_generic_event_t* raw = xcb_poll_for_event(connection);
        if (!raw) {
            if (xcb_connection_has_error(connection))
                break;
            pollfd wait { fd, POLLIN, 0 };
            // The program may die before it shows anything: looked at every second.
            if (poll(&wait, 1, 1000) == 0 && waitpid(pid, nullptr, WNOHANG) == pid) {
                std::fprintf(stderr, "the program ended before its window was complete\n");
                return 1;
            }
            continue;
        }
        const auto event = Own(raw);
        const uint8_t type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<const xcb_create_notify_event_t*>(event.get());
            const xcb_damage_damage_t id = xcb_generate_id(connection);
            xcb_damage_create(connection, id, created->window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            damages[created->window] = id;
            xcb_flush(connection);
        } else if (type == XCB_MAP_NOTIFY && shown == XCB_WINDOW_NONE) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            const double at = MillisecondsSince(start);
            if (map->override_redirect || Title(connection, map->window, netWmName, utf8).rfind(prefix, 0) != 0)
                continue;
            shown = map->window;
            mapped = at;
            const auto geometry = Own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, shown), nullptr));
            coverage.resize(geometry ? geometry->width : 0, geometry ? geometry->height : 0);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto* notify = reinterpret_cast<const xcb_damage_notify_event_t*>(event.get());
            if (notify->drawable != shown || shown == XCB_WINDOW_NONE)
                continue;
            const double at = MillisecondsSince(start);
            if (firstDamage < 0)
                firstDamage = at;
            coverage.add(notify->area.x, notify->area.y, notify->area.width, notify->area.height);
            if (coverage.complete())
                complete = at;
        }
    }
    for (const auto& [window, id] : damages)
        xcb_damage_destroy(connection, id);
    xcb_flush(connection);

    // The memory one second after the map.
    const double wait = 1000.0 - (MillisecondsSince(start) - mapped);
    if (wait > 0)
        usleep(static_cast<useconds_t>(wait * 1000));
    const std::optional<std::pair<long, long>> memory = Memory(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    if (complete < 0 || !memory) {
        std::fprintf(stderr, "no complete frame or no memory figures\n");
        return 1;
    }
    std::printf("%.2f %.2f %.2f %ld %ld\n", mapped, firstDamage, complete, memory->first, memory->second);
    return 0;
}
