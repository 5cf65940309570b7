// Start-up figures of Chess Talvor beside an empty Qt window, measured in
// the same run on the X display in DISPLAY (an Xvfb server will do):
// the time from process start to its first window being mapped (median of
// several starts), the resident memory once shown, and the CPU time used
// while idle for 20 seconds.
//
//   DISPLAY=:99 build/bin/startup_bench [runs]
//
// Each program runs with a fresh, empty settings folder.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Started {
  pid_t pid = -1;
  double shownMs = -1;
};

// Starts the program and waits (up to 20 s) for a top-level window to be mapped.
Started StartAndWaitForWindow(const std::string& program, const std::string& configDir) {
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);

  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  env.push_back("XDG_CONFIG_HOME=" + configDir);
  env.push_back("XDG_DATA_HOME=" + configDir);
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string path = program;
  char* argv[] = {path.data(), nullptr};

  Started started;
  const auto begin = Clock::now();
  if (posix_spawn(&started.pid, path.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
    xcb_disconnect(x);
    return started;
  }
  const int fd = xcb_get_file_descriptor(x);
  while (Clock::now() - begin < std::chrono::seconds(20)) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    timeval wait{0, 100000};
    select(fd + 1, &set, nullptr, nullptr, &wait);
    bool mapped = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
      if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
        auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
        mapped = mapped || !map->override_redirect;
      }
      free(event);
    }
    if (mapped) {
      started.shownMs = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
      break;
    }
  }
  xcb_disconnect(x);
  return started;
}

long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

double CpuSeconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  double ticks = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i)
    if (i == 14 || i == 15) ticks += std::stod(field);  // utime, stime
  return ticks / sysconf(_SC_CLK_TCK);
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

struct Figures {
  double medianMs;
  long residentKb;
  double idleCpuPercent;
};

Figures Measure(const std::string& program, int runs) {
  std::vector<double> times;
  long resident = -1;
  double idle = -1;
  for (int run = 0; run < runs; ++run) {
    char dir[] = "/tmp/talvor-bench-XXXXXX";
    const std::string config = mkdtemp(dir);
    const Started started = StartAndWaitForWindow(program, config);
    if (started.pid < 0 || started.shownMs < 0) {
      std::fprintf(stderr, "%s did not show a window\n", program.c_str());
      if (started.pid > 0) Stop(started.pid);
      std::exit(1);
    }
    times.push_back(started.shownMs);
    if (run == runs - 1) {
      sleep(1);
      resident = ResidentKb(started.pid);
      const double before = CpuSeconds(started.pid);
      sleep(20);
      idle = (CpuSeconds(started.pid) - before) / 20.0 * 100.0;
    }
    Stop(started.pid);
    std::filesystem::remove_all(config);
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], resident, idle};
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY")) {
    std::fprintf(stderr, "needs an X display (for example: Xvfb :99 & DISPLAY=:99 %s)\n", argv[0]);
    return 1;
  }
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const auto dir = std::filesystem::canonical("/proc/self/exe").parent_path();
  const Figures empty = Measure((dir / "empty_window").string(), runs);
  const Figures talvor = Measure((dir / "chesstalvor").string(), runs);
  std::printf("%-14s %12s %12s %14s\n", "", "shown (ms)", "RSS (MB)", "idle CPU (%)");
  std::printf("%-14s %12.1f %12.1f %14.3f\n", "empty window", empty.medianMs,
              empty.residentKb / 1024.0, empty.idleCpuPercent);
  std::printf("%-14s %12.1f %12.1f %14.3f\n", "Chess Talvor", talvor.medianMs,
              talvor.residentKb / 1024.0, talvor.idleCpuPercent);
  std::printf("shown after the empty window by: %.1f ms\n", talvor.medianMs - empty.medianMs);
  return 0;
}
