// The program's start to its window's first paint, and the peak memory of
// that start, against a bare Qt window of the same size with one Japanese
// line edit, both on Qt's offscreen platform in one run. Targets: each at
// most 1.3 times the bare window's. Prints the medians and the ratios.
//   ruvo_startup_bench [RUNS]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Start {
  double ms = 0;     // from the spawn to "painted" on the probe's output
  long peakKiB = 0;  // the probe's largest resident set
};

// Starts the probe in `mode` in `folder` and waits for its first paint and
// its end.
Start RunProbe(const std::string& probe, const char* mode, const std::filesystem::path& folder) {
  int out[2];
  if (::pipe(out) != 0) std::exit(1);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  char* argv[] = {const_cast<char*>(probe.c_str()), const_cast<char*>(mode), nullptr};
  const auto begin = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv, environ) != 0) {
    std::perror("posix_spawn");
    std::exit(1);
  }
  ::close(out[1]);
  std::string said;
  char buffer[64];
  for (ssize_t got; said.find("painted") == std::string::npos &&
                    (got = ::read(out[0], buffer, sizeof buffer)) > 0;)
    said.append(buffer, static_cast<std::size_t>(got));
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - begin;
  ::close(out[0]);
  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  posix_spawn_file_actions_destroy(&actions);
  if (said.find("painted") == std::string::npos) {
    std::fprintf(stderr, "the %s probe ended without painting (status %d)\n", mode, status);
    std::exit(1);
  }
  return {took.count(), usage.ru_maxrss};
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  const std::string probe = std::filesystem::absolute(std::filesystem::path(argv[0]).parent_path() /
                                                      "ruvo_startup_probe");
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The program keeps its files in the folder it starts in.
  const auto folder = std::filesystem::temp_directory_path() / "ruvo-startup-bench";
  std::filesystem::create_directories(folder);

  std::vector<double> windowMs, bareMs;
  std::vector<long> windowKiB, bareKiB;
  RunProbe(probe, "window", folder);  // the file cache warmed for both
  RunProbe(probe, "bare", folder);
  for (int i = 0; i < runs; ++i) {
    const Start window = RunProbe(probe, "window", folder);
    const Start bare = RunProbe(probe, "bare", folder);
    windowMs.push_back(window.ms);
    windowKiB.push_back(window.peakKiB);
    bareMs.push_back(bare.ms);
    bareKiB.push_back(bare.peakKiB);
  }
  const double startRatio = Median(windowMs) / Median(bareMs);
  const double memoryRatio =
      static_cast<double>(Median(windowKiB)) / static_cast<double>(Median(bareKiB));
  std::printf(
      "start to first paint   ruvo %7.1f ms   bare window %7.1f ms   ratio %.2f (target <= 1.30)\n",
      Median(windowMs), Median(bareMs), startRatio);
  std::printf(
      "peak memory            ruvo %7.1f MiB  bare window %7.1f MiB  ratio %.2f (target <= 1.30)\n",
      static_cast<double>(Median(windowKiB)) / 1024, static_cast<double>(Median(bareKiB)) / 1024,
      memoryRatio);
  std::filesystem::remove_all(folder);
  return 0;
}
