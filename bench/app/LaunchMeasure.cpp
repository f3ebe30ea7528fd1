// The real binary measured from outside, on the X display of $DISPLAY: starts it, times how
// long until its first frame is on screen (the warm off-white of the play surface at the
// bottom-left corner), then measures its CPU use in cores while nobody plays, reads its peak
// resident memory and ends it with SIGTERM, reporting the exit status.
// Usage: wigglepad_launch_measure <wigglepad binary> [seconds to measure, 10 by default]
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr std::uint32_t kSurfaceRgb = 0xFAF7F2; // sRGB (0.98, 0.97, 0.95)
constexpr auto kPatience = 10s;
constexpr auto kSettle = 2s;

// The colour of one pixel of the root window, as 0xRRGGBB.
std::uint32_t rootPixel(xcb_connection_t* connection, xcb_window_t root, int x, int y) {
    const auto cookie =
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<std::int16_t>(x),
                      static_cast<std::int16_t>(y), 1, 1, ~0u);
    const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
        xcb_get_image_reply(connection, cookie, nullptr), &std::free);
    if (!reply || xcb_get_image_data_length(reply.get()) < 4)
        return 0;
    const std::uint8_t* bgrx = xcb_get_image_data(reply.get());
    return (std::uint32_t{bgrx[2]} << 16) | (std::uint32_t{bgrx[1]} << 8) | bgrx[0];
}

pid_t launch(const char* binary) {
    const pid_t pid = fork();
    if (pid == 0) {
        execl(binary, binary, static_cast<char*>(nullptr));
        std::perror("exec");
        _exit(127);
    }
    return pid;
}

// User and system time of the whole process, all threads, in seconds.
double cpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string skip;
    for (int field = 3; field < 14; ++field)
        fields >> skip;
    double utime = 0;
    double stime = 0;
    fields >> utime >> stime;
    return (utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double peakRssMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <wigglepad binary> [seconds]\n", argv[0]);
        return 2;
    }
    const auto measured = std::chrono::duration<double>(argc > 2 ? std::atof(argv[2]) : 10.0);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const int probeX = 2;
    const int probeY = screen->height_in_pixels - 3;

    const Clock::time_point start = Clock::now();
    const pid_t pid = launch(argv[1]);
    while (rootPixel(connection, screen->root, probeX, probeY) != kSurfaceRgb) {
        if (Clock::now() - start > kPatience) {
            std::fprintf(stderr, "no frame within %lld s\n",
                         static_cast<long long>(kPatience.count()));
            kill(pid, SIGKILL);
            return 1;
        }
        std::this_thread::sleep_for(1ms);
    }
    const double firstFrameMs =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    std::this_thread::sleep_for(kSettle);
    const double cpuBefore = cpuSeconds(pid);
    const Clock::time_point begin = Clock::now();
    std::this_thread::sleep_for(measured);
    const double cores =
        (cpuSeconds(pid) - cpuBefore) / std::chrono::duration<double>(Clock::now() - begin).count();
    const double rss = peakRssMiB(pid);

    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    std::printf("start_to_first_frame_ms  %.1f\n", firstFrameMs);
    std::printf("idle_cpu_cores           %.4f   (bubbles drifting, banner up)\n", cores);
    std::printf("peak_rss_MiB             %.1f\n", rss);
    std::printf("exit_status_on_sigterm   %d\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    xcb_disconnect(connection);
    return 0;
}
