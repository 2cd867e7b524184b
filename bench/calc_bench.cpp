// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "model/calc.h"
#include "output/results_list.h"
#include "tests/core/worked_examples.h"

namespace veredod {
namespace {

class SilentSink : public MessageSink {
public:
    void showMessage(MessageIcon, const std::string&, const std::string&) override {}
};

void BM_CalcSingleStage(benchmark::State& state) {
    const Case input = testing::MetricWorkedCase();
    const ResinTable resins = testing::TableOf(testing::MetricWorkedResin());
    const Modes modes{ScrewType::SingleFlighted, UnitSystem::Metric,
                      SectionLengthMode::LengthOverDiameter};
    SilentSink sink;
    for (auto _ : state) {
        Case c = input;
        CalcCells(c, resins, modes, sink);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_CalcSingleStage);

void BM_CalcTwoStage(benchmark::State& state) {
    const Case input = testing::MetricTwoStageCase();
    const ResinTable resins = testing::TableOf(testing::MetricWorkedResin());
    const Modes modes{ScrewType::TwoStage, UnitSystem::Metric,
                      SectionLengthMode::LengthOverDiameter};
    SilentSink sink;
    for (auto _ : state) {
        Case c = input;
        CalcCells(c, resins, modes, sink);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_CalcTwoStage);

void BM_ResultsLines(benchmark::State& state) {
    Case c = testing::UsTwoStageCase();
    SilentSink sink;
    CalcCells(c, testing::TableOf(testing::UsWorkedResin()),
              Modes{ScrewType::TwoStage, UnitSystem::US, SectionLengthMode::LengthOverDiameter},
              sink);
    for (auto _ : state) {
        auto lines = ResultsLines(c, ScrewType::TwoStage, UnitSystem::US);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ResultsLines);

}  // namespace
}  // namespace veredod
