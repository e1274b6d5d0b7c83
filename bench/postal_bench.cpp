// The postal-code directory on Debian's dictionaries: how long compiling
// them takes and how much memory the directory keeps and needs at most
// while compiled (target: under 60 MiB), how long loading the compiled
// index takes (target: under 20 ms), how long one check takes once loaded
// (target: under 1 ms), and `ruvo-slip zip` checking 10,000 codes and
// addresses in one call, start and index included (target: under 100 ms).

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>

#include "postal/address_match.h"
#include "postal/postal_check.h"
#include "postal/postal_loader.h"
#include "transfer/cp932_codec.h"

extern char** environ;

namespace {

// Heap bytes in use and their high-water mark, kept by the operators below.
std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* CountedAllocate(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) throw std::bad_alloc();
  const std::size_t live = liveBytes += malloc_usable_size(block);
  for (std::size_t peak = peakBytes; live > peak && !peakBytes.compare_exchange_weak(peak, live);) {
  }
  return block;
}

void CountedFree(void* block) {
  if (block == nullptr) return;
  liveBytes -= malloc_usable_size(block);
  std::free(block);
}

constexpr double kMiB = 1024.0 * 1024.0;

const ruvo::postal::ZipDictionaryFiles& DebianFiles() {
  static const auto files =
      ruvo::postal::ZipDictionaryFilesFor(std::string(ruvo::postal::kDebianZipDictionary));
  return files;
}

// Loaded once for the lookup benchmarks.
const ruvo::postal::PostalDirectory* DebianDirectory(benchmark::State& state) {
  static const auto loaded = ruvo::postal::LoadPostalDirectory(DebianFiles());
  if (!loaded.problem.empty()) {
    state.SkipWithError("skkdic-extra is not installed");
    return nullptr;
  }
  return &loaded.directory;
}

std::string Sj(std::string_view utf8) {
  return ruvo::Utf8ToCp932(utf8).bytes;
}

void BM_CompileDebianDictionaries(benchmark::State& state) {
  if (!std::filesystem::exists(DebianFiles().areas)) {
    state.SkipWithError("skkdic-extra is not installed");
    return;
  }
  double kept = 0;
  double peak = 0;
  for (auto _ : state) {
    const std::size_t before = liveBytes;
    peakBytes = before;
    const auto loaded = ruvo::postal::LoadPostalDirectory(DebianFiles());
    kept = static_cast<double>(liveBytes - before) / kMiB;
    peak = static_cast<double>(peakBytes - before) / kMiB;
    benchmark::DoNotOptimize(loaded.directory.EntryCount());
  }
  state.counters["kept_MiB"] = kept;
  state.counters["peak_MiB"] = peak;
}
BENCHMARK(BM_CompileDebianDictionaries)->Unit(benchmark::kMillisecond);

// A cache folder of its own, with Debian's dictionaries compiled in it.
const std::filesystem::path& WarmCache() {
  static const std::filesystem::path folder = [] {
    const auto made = std::filesystem::temp_directory_path() / "ruvo-postal-bench-cache";
    std::filesystem::create_directories(made);
    ruvo::postal::LoadPostalDirectory(ruvo::postal::PostalSource{{}, DebianFiles(), made});
    return made;
  }();
  return folder;
}

// What the window and ruvo-slip do at every start once the dictionaries
// are compiled: check the index is up to date and read it.
void BM_LoadCompiledIndex(benchmark::State& state) {
  if (!std::filesystem::exists(DebianFiles().areas)) {
    state.SkipWithError("skkdic-extra is not installed");
    return;
  }
  const ruvo::postal::PostalSource source{{}, DebianFiles(), WarmCache()};
  for (auto _ : state) {
    const auto loaded = ruvo::postal::LoadPostalDirectory(source);
    benchmark::DoNotOptimize(loaded.directory.EntryCount());
  }
}
BENCHMARK(BM_LoadCompiledIndex)->Unit(benchmark::kMillisecond);

void BM_StatusTextOfCode(benchmark::State& state) {
  const auto* directory = DebianDirectory(state);
  if (directory == nullptr) return;
  for (auto _ : state)
    benchmark::DoNotOptimize(ruvo::postal::ZipStatusText(*directory, "105-0011"));
}
BENCHMARK(BM_StatusTextOfCode);

// The longest check: a code with 60 addresses, none of which matches.
void BM_CheckMismatchOfManyAddresses(benchmark::State& state) {
  const auto* directory = DebianDirectory(state);
  if (directory == nullptr) return;
  const std::string address = Sj("岩手県奥州市前沢字七日町裏７１番地　ハイツ前沢２０３号");
  for (auto _ : state)
    benchmark::DoNotOptimize(ruvo::postal::CheckPostalAddress(*directory, "029-4205", address));
}
BENCHMARK(BM_CheckMismatchOfManyAddresses);

// A building with a code for each of its floors, written with its block
// number and floor.
void BM_CheckBuildingFloor(benchmark::State& state) {
  const auto* directory = DebianDirectory(state);
  if (directory == nullptr) return;
  const std::string address = Sj("東京都新宿区西新宿２－１－１　新宿三井ビル１２Ｆ");
  for (auto _ : state)
    benchmark::DoNotOptimize(ruvo::postal::CheckPostalAddress(*directory, "163-0412", address));
}
BENCHMARK(BM_CheckBuildingFloor);

#ifdef RUVO_SLIP_EXE
// 10,000 lines "code<TAB>address" from Debian's own entries, every 13th
// entry's code with the next entry's address, so that some disagree.
std::filesystem::path TenThousandLines(const ruvo::postal::PostalDirectory& directory) {
  const auto file = std::filesystem::temp_directory_path() / "ruvo-postal-bench-codes.txt";
  std::ofstream out(file, std::ios::binary);
  const std::size_t step = directory.EntryCount() / 10000;
  for (std::size_t i = 0; i < 10000; ++i) {
    const auto entry = directory.EntryAt(i * step);
    const auto address = directory.EntryAt(i % 13 == 0 ? i * step + 1 : i * step).address;
    out << ruvo::postal::DigitsOf(entry.code) << '\t' << ruvo::Cp932ToUtf8(address) << "1-2-3\n";
  }
  return file;
}

// One process: its start, the index loaded, every line checked and
// answered as JSON.
void BM_ZipCommandTenThousandCodes(benchmark::State& state) {
  const auto* directory = DebianDirectory(state);
  if (directory == nullptr) return;
  const std::filesystem::path lines = TenThousandLines(*directory);
  ::setenv("XDG_CACHE_HOME", WarmCache().c_str(), 1);
  ::unsetenv("RUVO_ZIP_DICT");
  for (auto _ : state) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, lines.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(RUVO_SLIP_EXE), const_cast<char*>("zip"), nullptr};
    const auto begin = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, RUVO_SLIP_EXE, &actions, nullptr, argv, environ) != 0 ||
        ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("ruvo-slip zip failed");
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
    state.SetIterationTime(took.count());
    posix_spawn_file_actions_destroy(&actions);
  }
}
BENCHMARK(BM_ZipCommandTenThousandCodes)->UseManualTime()->Unit(benchmark::kMillisecond);
#endif

}  // namespace

void* operator new(std::size_t size) {
  return CountedAllocate(size);
}
void* operator new[](std::size_t size) {
  return CountedAllocate(size);
}
void operator delete(void* block) noexcept {
  CountedFree(block);
}
void operator delete[](void* block) noexcept {
  CountedFree(block);
}
void operator delete(void* block, std::size_t) noexcept {
  CountedFree(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  CountedFree(block);
}

BENCHMARK_MAIN();
