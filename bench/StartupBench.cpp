#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Starts the order form (startup_probe) and the least Qt window (minimal_window) in turn, and
// reports the medians of the time from process start to the window on screen and of peak
// memory.
// Usage: startup_bench path/to/startup_probe path/to/minimal_window [runs]

namespace {

struct Sample {
  double milliseconds;
  double peakMiB;
};

Sample RunOnce(const char* program) {
  std::array<int, 2> pipeFds{};
  if (pipe(pipeFds.data()) != 0) std::exit(2);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipeFds[1], STDOUT_FILENO);
    close(pipeFds[0]);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeFds[1]);
  char byte = 0;
  const bool shown = read(pipeFds[0], &byte, 1) == 1;
  const auto end = std::chrono::steady_clock::now();
  close(pipeFds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (!shown || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed (status %d)\n", program, status);
    std::exit(1);
  }
  return {std::chrono::duration<double, std::milli>(end - start).count(),
          static_cast<double>(usage.ru_maxrss) / 1024.0};
}

template <typename T>
T Median(std::vector<T> values) {
  std::ranges::sort(values);
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s path/to/startup_probe path/to/minimal_window [runs]\n",
                 argv[0]);
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 21;
  std::vector<double> formMs, bareMs;
  std::vector<double> formMiB, bareMiB;
  // Each form run is paired with the bare run just before it, so load that comes and goes
  // on the machine moves both sides of a ratio together.
  std::vector<double> pairRatios;
  RunOnce(argv[1]);  // Warms the file cache for both.
  RunOnce(argv[2]);
  for (int i = 0; i < runs; ++i) {
    const Sample bare = RunOnce(argv[2]);
    const Sample form = RunOnce(argv[1]);
    bareMs.push_back(bare.milliseconds);
    bareMiB.push_back(bare.peakMiB);
    formMs.push_back(form.milliseconds);
    formMiB.push_back(form.peakMiB);
    pairRatios.push_back(form.milliseconds / bare.milliseconds);
  }
  const double timeRatio = Median(pairRatios);
  const double extraMiB = Median(formMiB) - Median(bareMiB);
  std::printf("runs %d\n", runs);
  std::printf("minimal window: %.1f ms to shown, peak %.1f MiB\n", Median(bareMs), Median(bareMiB));
  std::printf("order form:     %.1f ms to shown, peak %.1f MiB\n", Median(formMs), Median(formMiB));
  std::printf(
      "time %.2fx the minimal window, median of paired runs (target <= 1.08x); "
      "memory +%.2f MiB (target <= 2)\n",
      timeRatio, extraMiB);
  return 0;
}
