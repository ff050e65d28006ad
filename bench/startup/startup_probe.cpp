// SPDX-FileCopyrightText: 2026 the Velmora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts programs on an X server as a desktop would and times them from the
// exec to their first window: when the server maps it, and when its first
// drawing reaches the screen. Two seconds after that drawing it reads the
// program's memory from /proc/PID/smaps_rollup, then stops the program.
//
//   velmora_startup_probe RUNS NAME=PROGRAM [NAME=PROGRAM...]
//
// The programs take turns, RUNS times each after one warm-up run apiece, each
// in a fresh home folder. Prints one line per program, tab-separated: the
// name, the runs, then the medians of the mapped time and the drawn time in
// milliseconds and of RSS and PSS in KiB.
//
// The mapping is seen as a MapNotify event on the root window, to within the
// event's delivery. The drawing is seen by reading back the window's area
// every millisecond until it differs from what the screen showed there before
// the program started, so it is known to about a millisecond and a half.

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
    std::string name;
    std::string path;
    std::vector<double> mappedMs;
    std::vector<double> drawnMs;
    std::vector<double> rssKib;
    std::vector<double> pssKib;
};

struct Sample {
    double mappedMs = 0;
    double drawnMs = 0;
    double rssKib = 0;
    double pssKib = 0;
};

[[noreturn]] void die(const std::string& message)
{
    std::fprintf(stderr, "velmora_startup_probe: %s\n", message.c_str());
    std::exit(EXIT_FAILURE);
}

double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPointer<Reply> own(Reply* reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

// A rectangle of the screen as the server shows it, windows included.
std::vector<std::uint8_t> screenArea(xcb_connection_t* x, xcb_window_t root, int left, int top, int width, int height)
{
    auto reply = own(xcb_get_image_reply(x,
        xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<std::int16_t>(left),
            static_cast<std::int16_t>(top), static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), ~0U),
        nullptr));
    if (!reply)
        return {};
    const std::uint8_t* data = xcb_get_image_data(reply.get());
    return {data, data + xcb_get_image_data_length(reply.get())};
}

std::optional<std::pair<long, long>> residentKib(pid_t pid)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string key;
    long value = 0;
    std::string unit;
    long rss = -1;
    long pss = -1;
    while (rollup >> key) {
        if (key == "Rss:" && rollup >> value >> unit)
            rss = value;
        else if (key == "Pss:" && rollup >> value >> unit)
            pss = value;
        else
            rollup.ignore(1 << 16, '\n');
    }
    if (rss < 0 || pss < 0)
        return std::nullopt;
    return std::pair{rss, pss};
}

class Probe {
public:
    Probe()
    {
        x_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(x_) != 0)
            die("cannot connect to the X server named by DISPLAY");
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x_)).data;
        root_ = screen->root;
        screenWidth_ = screen->width_in_pixels;
        screenHeight_ = screen->height_in_pixels;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x_, root_, XCB_CW_EVENT_MASK, &mask);
        sync();
    }
    ~Probe() { xcb_disconnect(x_); }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    Sample run(const std::string& path)
    {
        const std::vector<std::uint8_t> before = screenArea(x_, root_, 0, 0, screenWidth_, screenHeight_);
        drainEvents();
        Home home;

        std::vector<std::string> environment;
        for (char** each = environ; *each != nullptr; ++each) {
            const std::string entry = *each;
            if (entry.rfind("HOME=", 0) != 0 && entry.rfind("XDG_CONFIG_HOME=", 0) != 0
                && entry.rfind("XDG_RUNTIME_DIR=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0)
                environment.push_back(entry);
        }
        environment.push_back("HOME=" + home.path);
        environment.push_back("XDG_CONFIG_HOME=" + home.path + "/config");
        environment.push_back("XDG_RUNTIME_DIR=" + home.path + "/runtime");
        std::vector<char*> envp;
        for (std::string& entry : environment)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        std::string program = path;
        char* argv[] = {program.data(), nullptr};

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        const Clock::time_point start = Clock::now();
        if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0)
            die("cannot start " + path);
        posix_spawn_file_actions_destroy(&actions);

        Sample sample;
        const xcb_window_t window = waitForMap(pid, start);
        sample.mappedMs = millisecondsBetween(start, Clock::now());

        // Where the window lies on the screen.
        auto geometry = own(xcb_get_geometry_reply(x_, xcb_get_geometry(x_, window), nullptr));
        auto place
            = own(xcb_translate_coordinates_reply(x_, xcb_translate_coordinates(x_, window, root_, 0, 0), nullptr));
        if (!geometry || !place)
            die(path + ": its window vanished");
        const int left = std::clamp<int>(place->dst_x, 0, screenWidth_ - 1);
        const int top = std::clamp<int>(place->dst_y, 0, screenHeight_ - 1);
        const int width = std::min<int>(geometry->width, screenWidth_ - left);
        const int height = std::min<int>(geometry->height, screenHeight_ - top);
        std::vector<std::uint8_t> underneath;
        const std::size_t pixelBytes = before.size() / (static_cast<std::size_t>(screenWidth_) * screenHeight_);
        for (int row = top; row < top + height; ++row) {
            const auto from = before.begin()
                + static_cast<std::ptrdiff_t>((static_cast<std::size_t>(row) * screenWidth_ + left) * pixelBytes);
            underneath.insert(underneath.end(), from, from + static_cast<std::ptrdiff_t>(width * pixelBytes));
        }
        const Clock::time_point deadline = start + std::chrono::seconds(20);
        while (screenArea(x_, root_, left, top, width, height) == underneath) {
            if (Clock::now() > deadline)
                die(path + ": its window was never drawn");
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        const Clock::time_point drawn = Clock::now();
        sample.drawnMs = millisecondsBetween(start, drawn);

        std::this_thread::sleep_until(drawn + std::chrono::seconds(2));
        const auto memory = residentKib(pid);
        if (!memory)
            die(path + ": cannot read its smaps_rollup");
        sample.rssKib = static_cast<double>(memory->first);
        sample.pssKib = static_cast<double>(memory->second);

        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        waitUntilScreenIsClear();
        return sample;
    }

private:
    // A fresh home folder, removed again after the run.
    struct Home {
        Home()
        {
            char pattern[] = "/tmp/velmora-startup-XXXXXX";
            if (mkdtemp(pattern) == nullptr)
                die("cannot make a home folder");
            path = pattern;
            for (const char* folder : {"/config", "/runtime"}) {
                if (mkdir((path + folder).c_str(), 0700) != 0)
                    die("cannot make " + path + folder);
            }
        }
        ~Home()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        Home(const Home&) = delete;
        Home& operator=(const Home&) = delete;
        std::string path;
    };

    // The server takes a stopped program's windows down on its own time;
    // the next run must not see them go.
    void waitUntilScreenIsClear()
    {
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(5);
        while (Clock::now() < deadline) {
            auto tree = own(xcb_query_tree_reply(x_, xcb_query_tree(x_, root_), nullptr));
            if (!tree)
                die("lost the X server");
            const xcb_window_t* children = xcb_query_tree_children(tree.get());
            bool anyShown = false;
            for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
                auto attributes
                    = own(xcb_get_window_attributes_reply(x_, xcb_get_window_attributes(x_, children[i]), nullptr));
                anyShown = anyShown || (attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED);
            }
            if (!anyShown)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        die("windows of a stopped program stay on the screen");
    }

    void sync() { std::free(xcb_get_input_focus_reply(x_, xcb_get_input_focus(x_), nullptr)); }

    void drainEvents()
    {
        sync();
        while (xcb_generic_event_t* event = xcb_poll_for_event(x_))
            std::free(event);
    }

    // The first top-level window of the process that the server maps.
    xcb_window_t waitForMap(pid_t pid, Clock::time_point start)
    {
        const Clock::time_point deadline = start + std::chrono::seconds(20);
        while (Clock::now() < deadline) {
            xcb_generic_event_t* event = xcb_poll_for_event(x_);
            if (event == nullptr) {
                if (xcb_connection_has_error(x_) != 0)
                    die("lost the X server");
                int status = 0;
                if (waitpid(pid, &status, WNOHANG) == pid)
                    die("the program ended before showing a window");
                std::this_thread::sleep_for(std::chrono::microseconds(200));
                continue;
            }
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const xcb_window_t window = mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
            std::free(event);
            if (mapped && window != 0)
                return window;
        }
        die("no window within 20 s");
    }

    xcb_connection_t* x_ = nullptr;
    xcb_window_t root_ = 0;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3)
        die("usage: velmora_startup_probe RUNS NAME=PROGRAM [NAME=PROGRAM...]");
    const int runs = std::atoi(argv[1]);
    if (runs < 1)
        die("RUNS must be a positive number");
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        if (equals == std::string::npos)
            die("expected NAME=PROGRAM, got " + argument);
        programs.push_back({argument.substr(0, equals), argument.substr(equals + 1), {}, {}, {}, {}});
    }

    Probe probe;
    for (Program& program : programs)
        probe.run(program.path); // warm-up: caches, fonts
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            const Sample sample = probe.run(program.path);
            program.mappedMs.push_back(sample.mappedMs);
            program.drawnMs.push_back(sample.drawnMs);
            program.rssKib.push_back(sample.rssKib);
            program.pssKib.push_back(sample.pssKib);
        }
    }
    for (const Program& program : programs) {
        std::printf("%s\t%d\t%.1f\t%.1f\t%.0f\t%.0f\n", program.name.c_str(), runs, median(program.mappedMs),
            median(program.drawnMs), median(program.rssKib), median(program.pssKib));
    }
    return EXIT_SUCCESS;
}
