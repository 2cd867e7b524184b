// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "model/operating_point.h"
#include "tests/core/worked_examples.h"

namespace veredod {
namespace {

constexpr Modes kSingleMetric{ScrewType::SingleFlighted, UnitSystem::Metric,
                              SectionLengthMode::LengthOverDiameter};

// The metric worked case behind a die of three elements.
const Die& ThreeElementDie() {
    static const Die die =
        ParseDie("circular:count=4,d=3.5,l=12.5;slit:w=300,h=1.2,l=40;annulus:do=60,di=56,l=30")
            .die;
    return die;
}

void BM_OperatingPoint(benchmark::State& state) {
    const Case c = testing::MetricWorkedCase();
    const ResinTable resins = testing::TableOf(testing::MetricWorkedResin());
    for (auto _ : state) {
        OperatingPoint p = FindOperatingPoint(c, resins, kSingleMetric, ThreeElementDie());
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_OperatingPoint);

void BM_Sweep1000(benchmark::State& state) {
    const Case c = testing::MetricWorkedCase();
    const ResinTable resins = testing::TableOf(testing::MetricWorkedResin());
    const SpeedRange range{1, 1000, 1};
    for (auto _ : state) {
        Sweep sweep = SweepSpeeds(c, resins, kSingleMetric, ThreeElementDie(), range);
        benchmark::DoNotOptimize(sweep);
    }
}
BENCHMARK(BM_Sweep1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veredod
