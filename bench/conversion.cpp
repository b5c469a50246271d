// Cost of one check and conversion, beside a floor of the two library calls
// no conversion can avoid: one std::pow and one std::to_chars.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "gauge.h"

namespace {

const gauge::NumberFormat kItalian{",", "."};
const std::vector<std::string> kTyped = {"12", "0,5", "36", "1", "40", "2,5", "100", "0,0001"};

void CheckAndConvert(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& text = kTyped[i++ % kTyped.size()];
        if (gauge::CheckGauge(text, kItalian) == gauge::GaugeCheck::Accepted)
            benchmark::DoNotOptimize(gauge::ConvertGauge(text, kItalian));
    }
}
BENCHMARK(CheckAndConvert);

void Floor(benchmark::State& state) {
    const std::vector<double> gauges = {12, 0.5, 36, 1, 40, 2.5, 100, 0.0001};
    std::size_t i = 0;
    char buffer[64];
    for (auto _ : state) {
        const double gauge = gauges[i++ % gauges.size()];
        benchmark::DoNotOptimize(&gauge);  // its value unknown to the compiler
        const double diameter = std::pow(92.0, (36 - gauge) / 39);
        benchmark::DoNotOptimize(std::to_chars(buffer, buffer + sizeof buffer, diameter));
    }
}
BENCHMARK(Floor);

// A pasted megabyte: digits alone, blanks around a number, garbage at the end.
void LongInput(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const std::string half(size / 2, ' ');
    const std::vector<std::string> inputs = {std::string(size, '7'), half + "12" + half,
                                             std::string(size, '1') + "x"};
    for (auto _ : state) {
        for (const std::string& text : inputs) {
            if (gauge::CheckGauge(text, kItalian) == gauge::GaugeCheck::Accepted)
                benchmark::DoNotOptimize(gauge::ConvertGauge(text, kItalian));
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * 3 * size));
}
BENCHMARK(LongInput)->RangeMultiplier(4)->Range(64 << 10, 1 << 20)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration, to print the ratio at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> nanoseconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& ns = reporter.nanoseconds;
    if (ns.count("CheckAndConvert") && ns.count("Floor"))
        std::printf(
            "\nCheckGauge + ConvertGauge per call: %.1f ns, floor %.1f ns, ratio %.2f\n",
            ns.at("CheckAndConvert"), ns.at("Floor"), ns.at("CheckAndConvert") / ns.at("Floor"));
    benchmark::Shutdown();
}
