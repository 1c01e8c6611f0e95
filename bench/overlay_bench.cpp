// From a trigger to a full-screen window on the screen, for Tessarin and for a well-known
// screenshot tool, alternating on one X desktop. Run by bench/overlay_bench.sh, which makes the
// desktop and starts both programs:
//   overlay_bench TESSARIN_LOG ROUNDS
// Each trigger is a short process, spawned at time zero:
//   Tessarin shortcut   xdotool key ctrl+super+2          (Tessarin's own key grab)
//   Tessarin D-Bus      gdbus call ... ActivateAction capture-text
//   flameshot shortcut  xdotool key ctrl+super+3          (the window manager runs "flameshot gui")
//   flameshot command   flameshot gui
// Observed from outside, on this program's own X connection: "mapped" is the MapNotify of a
// top-level window that covers the screen; "drawn" is the first change of a pixel of the root
// background under it. Tessarin's stages come from its tessarin.capture.timing log lines, which
// carry the same monotonic clock.
#include <xcb/xcb.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

double monotonicMs(Clock::time_point point)
{
    return milliseconds(point.time_since_epoch());
}

pid_t spawn(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "overlay_bench: cannot start %s\n", argv[0]);
        std::exit(1);
    }
    return pid;
}

void run(const std::vector<std::string> &arguments)
{
    int status = 0;
    waitpid(spawn(arguments), &status, 0);
}

struct Observation {
    double mapped = 0; // ms after the trigger
    double drawn = 0;
    xcb_window_t window = 0;
};

class Desktop
{
public:
    Desktop()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection)) {
            std::fprintf(stderr, "overlay_bench: no X display\n");
            std::exit(1);
        }
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_root = screen->root;
        m_width = screen->width_in_pixels;
        m_height = screen->height_in_pixels;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~Desktop() { xcb_disconnect(m_connection); }

    // The root's pixel in the middle of the screen, as shown.
    uint32_t probe()
    {
        std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
            xcb_get_image_reply(m_connection,
                                xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, int16_t(m_width / 2),
                                              int16_t(m_height / 2), 1, 1, ~0u),
                                nullptr),
            &std::free);
        if (!reply || xcb_get_image_data_length(reply.get()) < 4)
            return 0;
        uint32_t pixel = 0;
        std::memcpy(&pixel, xcb_get_image_data(reply.get()), 4);
        return pixel & 0xffffff;
    }

    std::optional<Observation> trigger(const std::vector<std::string> &command, pid_t &process)
    {
        drain();
        const uint32_t before = probe();
        const Clock::time_point start = Clock::now();
        process = spawn(command);
        const auto deadline = start + std::chrono::seconds(10);
        Observation observation;
        while (!observation.window) {
            if (Clock::now() > deadline)
                return std::nullopt;
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(m_connection), &std::free);
            if (!event) {
                std::this_thread::sleep_for(std::chrono::microseconds(200));
                continue;
            }
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event.get());
            const Clock::time_point mapped = Clock::now();
            if (coversScreen(map->window)) {
                observation.window = map->window;
                observation.mapped = milliseconds(mapped - start);
            }
        }
        // Polled gently: the X server is busy drawing the very frame we wait for.
        while (probe() == before) {
            if (Clock::now() > deadline)
                return std::nullopt;
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        observation.drawn = milliseconds(Clock::now() - start);
        return observation;
    }

    // Until the window is unmapped or gone.
    bool waitUntilGone(xcb_window_t window)
    {
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < deadline) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(m_connection), &std::free);
            if (!event) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            const int type = event->response_type & 0x7f;
            if (type == XCB_UNMAP_NOTIFY && reinterpret_cast<xcb_unmap_notify_event_t *>(event.get())->window == window)
                return true;
            if (type == XCB_DESTROY_NOTIFY && reinterpret_cast<xcb_destroy_notify_event_t *>(event.get())->window == window)
                return true;
        }
        return false;
    }

private:
    bool coversScreen(xcb_window_t window)
    {
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr), &std::free);
        return geometry && geometry->width >= m_width && geometry->height >= m_height;
    }

    void drain()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            std::free(event);
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_root = 0;
    uint16_t m_width = 0;
    uint16_t m_height = 0;
};

// Tessarin's stage stamps: "tessarin.capture.timing: STAGE at MS" lines, MS on the monotonic clock.
class StageLog
{
public:
    explicit StageLog(std::string path)
        : m_path(std::move(path))
    {
        std::ifstream in(m_path);
        in.seekg(0, std::ios::end);
        m_offset = in.tellg();
    }

    std::vector<std::pair<std::string, double>> readNew()
    {
        std::ifstream in(m_path);
        in.seekg(m_offset);
        std::vector<std::pair<std::string, double>> stages;
        std::string line;
        const std::string prefix = "tessarin.capture.timing: ";
        while (std::getline(in, line)) {
            if (line.rfind(prefix, 0) != 0)
                continue;
            const std::string rest = line.substr(prefix.size());
            const size_t at = rest.rfind(" at ");
            if (at != std::string::npos)
                stages.emplace_back(rest.substr(0, at), std::atof(rest.c_str() + at + 4));
        }
        in.clear();
        m_offset = in.tellg();
        return stages;
    }

private:
    std::string m_path;
    std::streamoff m_offset = 0;
};

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

struct Series {
    std::vector<double> mapped, drawn;
    std::map<std::string, std::vector<double>> stages; // after the trigger
    std::vector<std::string> stageOrder;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: overlay_bench TESSARIN_LOG ROUNDS\n");
        return 2;
    }
    const int rounds = std::max(3, std::atoi(argv[2]));
    StageLog log(argv[1]);
    Desktop desktop;

    struct Tool {
        std::string name;
        std::vector<std::string> command;
        bool tessarin;
    };
    const std::vector<Tool> tools = {
        {"Tessarin shortcut", {"xdotool", "key", "ctrl+super+2"}, true},
        {"flameshot shortcut", {"xdotool", "key", "ctrl+super+3"}, false},
        {"Tessarin D-Bus", {"gdbus", "call", "--session", "--dest", "org.tessarin.Tessarin", "--object-path",
                            "/org/tessarin/Tessarin", "--method", "org.freedesktop.Application.ActivateAction",
                            "capture-text", "[]", "{}"}, true},
        {"flameshot command", {"flameshot", "gui"}, false},
    };
    std::map<std::string, Series> results;

    // The first round warms both programs up and is not counted.
    for (int round = 0; round <= rounds; ++round) {
        for (const Tool &tool : tools) {
            log.readNew();
            pid_t process = 0;
            const Clock::time_point start = Clock::now();
            const std::optional<Observation> seen = desktop.trigger(tool.command, process);
            if (!seen) {
                std::fprintf(stderr, "overlay_bench: %s showed no full-screen window\n", tool.name.c_str());
                return 1;
            }
            // Let the picture settle, as a user's eyes would, before Escape.
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            run({"xdotool", "key", "Escape"});
            if (!desktop.waitUntilGone(seen->window)) {
                std::fprintf(stderr, "overlay_bench: %s did not close on Escape\n", tool.name.c_str());
                return 1;
            }
            int status = 0;
            waitpid(process, &status, 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            if (round == 0)
                continue;
            Series &series = results[tool.name];
            series.mapped.push_back(seen->mapped);
            series.drawn.push_back(seen->drawn);
            if (tool.tessarin) {
                for (const auto &[stage, at] : log.readNew()) {
                    if (!series.stages.count(stage))
                        series.stageOrder.push_back(stage);
                    series.stages[stage].push_back(at - monotonicMs(start));
                }
            }
        }
    }

    std::printf("%d rounds on a %s desktop; ms from the trigger\n", rounds, "1920x1080");
    std::printf("%-22s %9s %9s %9s %9s\n", "", "mapped50", "mapped95", "drawn50", "drawn95");
    for (const Tool &tool : tools) {
        const Series &series = results[tool.name];
        std::printf("%-22s %9.1f %9.1f %9.1f %9.1f\n", tool.name.c_str(), percentile(series.mapped, 0.5),
                    percentile(series.mapped, 0.95), percentile(series.drawn, 0.5), percentile(series.drawn, 0.95));
    }
    for (const auto &[ours, theirs] : {std::pair{"Tessarin shortcut", "flameshot shortcut"},
                                       std::pair{"Tessarin D-Bus", "flameshot command"}}) {
        const Series &a = results[ours];
        const Series &b = results[theirs];
        std::printf("ratio %-18s / %-18s  mapped p50 %.2f  p95 %.2f   drawn p50 %.2f  p95 %.2f\n", ours, theirs,
                    percentile(a.mapped, 0.5) / percentile(b.mapped, 0.5),
                    percentile(a.mapped, 0.95) / percentile(b.mapped, 0.95),
                    percentile(a.drawn, 0.5) / percentile(b.drawn, 0.5),
                    percentile(a.drawn, 0.95) / percentile(b.drawn, 0.95));
    }
    for (const Tool &tool : tools) {
        if (!tool.tessarin)
            continue;
        const Series &series = results[tool.name];
        std::printf("%s, Tessarin's stages (p50 / p95 ms after the trigger):\n", tool.name.c_str());
        for (const std::string &stage : series.stageOrder) {
            const std::vector<double> &values = series.stages.at(stage);
            std::printf("  %-26s %7.1f %7.1f%s\n", stage.c_str(), percentile(values, 0.5), percentile(values, 0.95),
                        int(values.size()) < rounds ? "  (not every round)" : "");
        }
    }
    return 0;
}
