// F2 answered Yes to the program's end, with the usual files in the working
// folder: the time from the answer to the process gone (target under 200 ms),
// the settings file written on the way. Prints the median. F2 comes as soon
// as the start-up has run, before the postal dictionary is read in the
// background (from the first second on); a quit during that read waits
// for it to end.
//   ruvo_exit_bench [RUNS]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "transfer/cp932_codec.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

void PutCp932Lines(const fs::path& file, std::initializer_list<std::string_view> lines) {
  std::ofstream out(file, std::ios::binary);
  for (const std::string_view line : lines)
    out << ruvo::Utf8ToCp932(line).bytes << "\r\n";
}

// A working folder as a shop's after some use: every key of the settings
// file, both paper modes registered, ten senders.
void PutUsualFiles(const fs::path& folder) {
  PutCp932Lines(folder / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]",
                                              "Rezovodprnno=0",
                                              "rv_RezovodPrn_Top=0",
                                              "rv_RezovodPrn_Left=0",
                                              "Addr_Font=1",
                                              "E_ZIP=730-0001",
                                              "E_AD1=広島県広島市中区白島北町1-2-3",
                                              "E_AD2=ルヴォビル３Ｆ",
                                              "E_CUS=山田太郎",
                                              "E_TEL=082-123-4567",
                                              "E_G1=書籍",
                                              "E_G2=ワレモノ",
                                              "E_G3=",
                                              "KOSUU=2",
                                              "de_date1=4",
                                              "de_date2=10",
                                              "OP023My=株式会社ルヴォ",
                                              "OP023MyZip=150-0002",
                                              "OP023MyADD1=東京都渋谷区渋谷2-1-1",
                                              "OP023MyADD2=",
                                              "OP023MyTEL=03-1234-5678",
                                              "ComboBox_SEL=0",
                                              "Tab_My=0"});
  PutCp932Lines(
      folder / "ruvo_q710.ini",
      {"[手差し]", "PrnName=Slip", "PrnNoIndex=0", "slpPrn_Top=12", "slpPrn_Left=-8",
       "[連続(４インチ)]", "PrnName=Slip", "PrnNoIndex=0", "slpPrn_Top=0", "slpPrn_Left=0"});
  for (int slot = 0; slot < 10; ++slot) {
    PutCp932Lines(folder / ("my" + std::to_string(slot) + ".txt"),
                  {"150-0002", "東京都渋谷区渋谷2-1-1", "", "株式会社ルヴォ", "03-1234-5678"});
  }
}

// One run of the probe in `folder`: from its "F2" to its end, in
// milliseconds.
double RunOnce(const std::string& probe, const fs::path& folder) {
  int out[2];
  if (::pipe(out) != 0) std::exit(1);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addchdir_np(&actions,
                                       folder.c_str());  // the program keeps its files there
  char* argv[] = {const_cast<char*>(probe.c_str()), const_cast<char*>("exit"), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv, environ) != 0) {
    std::perror("posix_spawn");
    std::exit(1);
  }
  ::close(out[1]);
  std::string said;
  char buffer[64];
  for (ssize_t got;
       said.find("F2") == std::string::npos && (got = ::read(out[0], buffer, sizeof buffer)) > 0;)
    said.append(buffer, static_cast<std::size_t>(got));
  const auto pressed = std::chrono::steady_clock::now();
  int status = 0;
  ::waitpid(pid, &status, 0);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - pressed;
  ::close(out[0]);
  posix_spawn_file_actions_destroy(&actions);
  if (said.find("F2") == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "the exit probe did not quit by F2 (status %d)\n", status);
    std::exit(1);
  }
  return took.count();
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  const std::string probe =
      fs::absolute(fs::path(argv[0]).parent_path() / "ruvo_startup_probe").string();
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const fs::path folder = fs::temp_directory_path() / "ruvo-exit-bench";
  fs::create_directories(folder);
  PutUsualFiles(folder);

  std::vector<double> ms;
  RunOnce(probe, folder);  // the file cache warmed
  for (int i = 0; i < runs; ++i)
    ms.push_back(RunOnce(probe, folder));
  std::sort(ms.begin(), ms.end());
  std::printf("F2 answered Yes to program ended   median %7.1f ms   (target < 200 ms)\n",
              ms[ms.size() / 2]);
  fs::remove_all(folder);
  return 0;
}
