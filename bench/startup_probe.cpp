// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and memory, measured from outside as a user sees them, on
// the X display in DISPLAY (run it under xvfb-run):
// - time from starting a program to its first window being mapped, for
//   Dialnote (the splash window) and for a minimal Qt Widgets window with one
//   label, alternating, the median of several runs of each;
// - the peak resident memory of one whole Dialnote run up to its main window
//   (348 x 429) being mapped.
//
//   startup_probe [runs, default 10]
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Connection {
  xcb_connection_t* xcb = nullptr;
  xcb_window_t root = 0;
};

Connection Connect() {
  Connection connection;
  int screen_number = 0;
  connection.xcb = xcb_connect(nullptr, &screen_number);
  if (xcb_connection_has_error(connection.xcb) != 0) {
    std::fprintf(stderr, "startup_probe: cannot open the display in DISPLAY\n");
    std::exit(1);
  }
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.xcb));
  for (int i = 0; i < screen_number; ++i) xcb_screen_next(&screens);
  connection.root = screens.data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection.xcb, connection.root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection.xcb);
  return connection;
}

pid_t Start(const std::string& program) {
  pid_t pid = 0;
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
    std::fprintf(stderr, "startup_probe: cannot start %s\n", program.c_str());
    std::exit(1);
  }
  return pid;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

// Waits for a top-level window to be mapped, of the given size if any;
// returns false after ten seconds.
bool WaitForMap(const Connection& connection, int width = 0, int height = 0) {
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (Clock::now() < deadline) {
    std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(
        xcb_poll_for_event(connection.xcb), &std::free);
    if (!event) {
      usleep(200);
      continue;
    }
    if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
    const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
    if (width == 0) return true;
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection.xcb, xcb_get_geometry(connection.xcb, map->window),
                               nullptr),
        &std::free);
    if (geometry && geometry->width == width && geometry->height == height) return true;
  }
  return false;
}

double MillisecondsToFirstWindow(const Connection& connection, const std::string& program) {
  const auto start = Clock::now();
  const pid_t pid = Start(program);
  const bool mapped = WaitForMap(connection);
  const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  Stop(pid);
  return mapped ? elapsed : -1;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The peak resident set of `pid`, in MiB, from /proc.
double PeakResidentMiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
  const Connection connection = Connect();

  std::vector<double> dialnote;
  std::vector<double> minimal;
  for (int run = 0; run < runs; ++run) {
    dialnote.push_back(MillisecondsToFirstWindow(connection, DIALNOTE_PROGRAM));
    minimal.push_back(MillisecondsToFirstWindow(connection, MINIMAL_PROGRAM));
  }
  const double dialnote_ms = Median(dialnote);
  const double minimal_ms = Median(minimal);
  std::printf(
      "start-up to first window, median of %d: Dialnote %.1f ms, minimal Qt label %.1f ms,"
      " ratio %.2f\n",
      runs, dialnote_ms, minimal_ms, dialnote_ms / minimal_ms);

  const pid_t pid = Start(DIALNOTE_PROGRAM);
  const bool main_window = WaitForMap(connection, 348, 429);
  usleep(200 * 1000);  // let the main window settle after its first paint
  const double peak = PeakResidentMiB(pid);
  Stop(pid);
  if (!main_window) {
    std::printf("the main window did not appear\n");
    return 1;
  }
  std::printf("peak resident memory of a run to the main window: %.1f MiB\n", peak);
  return 0;
}
