// One press of convert, from the time text to the frame text, and its parts.
#include <benchmark/benchmark.h>

#include <charconv>
#include <vector>

#include "conversion_request.h"
#include "frame_computation.h"
#include "frame_rates.h"
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

// The frame values of the times above at every rate, from frame 0 and 1.
const std::vector<double>& FrameValues() {
    static const std::vector<double> values = [] {
        std::vector<double> all;
        for (const char* time : kTimes) {
            const TimeParseResult parsed = ParseTimeText(time);
            for (int rate = 0; rate < g_frameRateCount; ++rate) {
                for (int first = 0; first < 2; ++first) {
                    all.push_back(ComputeFrameValue(parsed.fields, g_frameRates[rate], first));
                }
            }
        }
        return all;
    }();
    return values;
}

void BM_FormatFrameValue(benchmark::State& state) {
    const std::vector<double>& values = FrameValues();
    std::size_t i = 0;
    for (auto _ : state) {
        FrameText text = FormatFrameValue(values[i]);
        benchmark::DoNotOptimize(text);
        if (++i == values.size()) i = 0;
    }
}
BENCHMARK(BM_FormatFrameValue);

// The standard library's shortest exact route to the same text, on the same values.
void BM_ToCharsFixed3(benchmark::State& state) {
    const std::vector<double>& values = FrameValues();
    std::size_t i = 0;
    for (auto _ : state) {
        char text[kFrameTextCapacity];
        const std::to_chars_result written =
            std::to_chars(text, text + kFrameTextCapacity - 1, values[i], std::chars_format::fixed, 3);
        *written.ptr = '\0';
        benchmark::DoNotOptimize(text);
        if (++i == values.size()) i = 0;
    }
}
BENCHMARK(BM_ToCharsFixed3);

void BM_ComputeFrameValue(benchmark::State& state) {
    TimeFields fields[kTimeCount];
    for (int t = 0; t < kTimeCount; ++t) fields[t] = ParseTimeText(kTimes[t]).fields;
    int i = 0;
    for (auto _ : state) {
        double value = ComputeFrameValue(fields[i], g_frameRates[i & 7], i & 1);
        benchmark::DoNotOptimize(value);
        if (++i == kTimeCount) i = 0;
    }
}
BENCHMARK(BM_ComputeFrameValue);

}  // namespace

BENCHMARK_MAIN();
