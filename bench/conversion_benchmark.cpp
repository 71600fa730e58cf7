// One press of convert, from the time text to the frame text, and its parts.
#include <benchmark/benchmark.h>

#include "conversion_request.h"
#include "frame_computation.h"
#include "time_text_parser.h"

namespace {

const char* const kTimes[] = {"1:02:03.5", "0:10", "12.005", "99:9999:999999.999", "5", "0::3.25"};
constexpr int kTimeCount = sizeof kTimes / sizeof kTimes[0];

void BM_RunConversion(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        ConversionOutcome outcome = RunConversion(kTimes[i], i & 7, i & 1);
        benchmark::DoNotOptimize(outcome);
        if (++i == kTimeCount) i = 0;
    }
}
BENCHMARK(BM_RunConversion);

void BM_RunConversionSyntaxError(benchmark::State& state) {
    for (auto _ : state) {
        ConversionOutcome outcome = RunConversion("123:00:00.1234", 2, false);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(BM_RunConversionSyntaxError);

void BM_ParseTimeText(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        TimeParseResult parsed = ParseTimeText(kTimes[i]);
        benchmark::DoNotOptimize(parsed);
        if (++i == kTimeCount) i = 0;
    }
}
BENCHMARK(BM_ParseTimeText);

void BM_FormatFrameValue(benchmark::State& state) {
    double value = 223187.59;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        FrameText text = FormatFrameValue(value);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FormatFrameValue);

}  // namespace

BENCHMARK_MAIN();
