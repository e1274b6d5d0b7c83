// How long the numeric box takes to turn a text into its value.

#include <benchmark/benchmark.h>

#include <string>

#include "numedit/num_value_model.h"

namespace {

// A transfer line that is all number: full-width digits and commas.
const std::string kFullWidthAmount =
    "\x82\x50\x82\x51\x82\x52\x81\x43\x82\x53\x82\x54\x82\x55\x81\x44\x82\x56";  // １２３，４５６．７

void BM_ParseTextAscii(benchmark::State& state) {
  const ruvo::NumValueModel model;
  const std::string text = "-1,234,567.891";
  for (auto _ : state)
    benchmark::DoNotOptimize(model.ParseText(text));
}
BENCHMARK(BM_ParseTextAscii);

void BM_ParseTextFullWidth(benchmark::State& state) {
  const ruvo::NumValueModel model;
  for (auto _ : state)
    benchmark::DoNotOptimize(model.ParseText(kFullWidthAmount));
}
BENCHMARK(BM_ParseTextFullWidth);

// A long line of which only the front is a number.
void BM_ParseTextLongLine(benchmark::State& state) {
  const ruvo::NumValueModel model;
  const std::string text = "12345 " + std::string(static_cast<std::size_t>(state.range(0)), 'x');
  for (auto _ : state)
    benchmark::DoNotOptimize(model.ParseText(text));
}
BENCHMARK(BM_ParseTextLongLine)->Arg(1 << 20);

// Writing Text as the text transfer does: parse, strip zeros, format.
void BM_SetText(benchmark::State& state) {
  ruvo::NumValueModel model;
  for (auto _ : state) {
    model.SetText(kFullWidthAmount);
    model.SetText("");
    benchmark::DoNotOptimize(model.GetText());
  }
}
BENCHMARK(BM_SetText);

}  // namespace

BENCHMARK_MAIN();
