// The postal-code directory on Debian's dictionaries: how long loading takes
// (the window does it on a worker thread after start-up), how much memory the
// loaded directory keeps and needs at most while loading (target: under
// 30 MiB), and how long one lookup takes once loaded (target: under 1 ms).

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>

#include "postal/postal_check.h"
#include "postal/postal_loader.h"
#include "transfer/cp932_codec.h"

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

void BM_LoadDebianDictionaries(benchmark::State& state) {
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
BENCHMARK(BM_LoadDebianDictionaries)->Unit(benchmark::kMillisecond);

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

void BM_CodesOfAddress(benchmark::State& state) {
  const auto* directory = DebianDirectory(state);
  if (directory == nullptr) return;
  const std::string address = Sj("東京都港区芝公園４－２－８ 東京タワービル３Ｆ");
  for (auto _ : state)
    benchmark::DoNotOptimize(directory->CodesOfAddress(address));
}
BENCHMARK(BM_CodesOfAddress);

void BM_CodesStartingWith(benchmark::State& state) {
  const auto* directory = DebianDirectory(state);
  if (directory == nullptr) return;
  const std::string prefix = Sj("東京都港区");
  for (auto _ : state)
    benchmark::DoNotOptimize(directory->CodesStartingWith(prefix, 20));
}
BENCHMARK(BM_CodesStartingWith);

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
