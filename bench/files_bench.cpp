// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "resins/resin_file.h"

namespace veredod {
namespace {

constexpr int kRecords = kMaxResinIndex + 1;

// A full table of varied, realistic records: names of different lengths,
// both unit flags, numbers with and without fractions.
std::vector<ResinRecord> FullTable() {
    std::vector<ResinRecord> records(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        ResinRecord& r = records[static_cast<size_t>(i)];
        r.ResinName = "Resin grade " + std::to_string(i) + (i % 3 == 0 ? ", film extrusion" : "");
        r.ResinIsMetric = i % 4 != 0;
        r.ResinCost = 1.2 + (i % 23) * 0.1;
        r.MeltDensity = 700 + i % 500;
        r.SolidDensity = 900 + (i % 300) * 1.5;
        r.ConsistencyIndex = 600 + (i % 997) * 27.5;
        r.PowerLawIndex = 0.25 + (i % 70) / 100.0;
        r.HeatCapacity = 1100 + i % 1400;
        r.HeatOfFusion = (i % 5) * 40000.0;
        r.ThermalConductivity = 0.15 + (i % 15) / 100.0;
    }
    return records;
}

void BM_ResinDbLoad32k(benchmark::State& state) {
    const std::string text = ResinDatabaseText(FullTable(), kRecords - 1);
    for (auto _ : state) {
        ResinLoad load = ReadResinDatabase(text);
        benchmark::DoNotOptimize(load.records.data());
        if (load.records.size() != kRecords || !load.problems.empty()) {
            state.SkipWithError("the table did not load whole");
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ResinDbLoad32k)->Unit(benchmark::kMillisecond);

void BM_ResinDbLoad32kFromFile(benchmark::State& state) {
    std::string folder = (std::filesystem::temp_directory_path() / "veredod-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = folder + "/resins.dat";
    SaveResinDatabase(path, FullTable(), kRecords - 1);
    for (auto _ : state) {
        ResinLoad load = LoadResinDatabase(path);
        benchmark::DoNotOptimize(load.records.data());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ResinDbLoad32kFromFile)->Unit(benchmark::kMillisecond);

void BM_ResinDbSave32k(benchmark::State& state) {
    const std::vector<ResinRecord> records = FullTable();
    std::string folder = (std::filesystem::temp_directory_path() / "veredod-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = folder + "/resins.dat";
    for (auto _ : state) {
        const WriteOutcome outcome = SaveResinDatabase(path, records, kRecords - 1);
        if (!outcome.ok) state.SkipWithError(outcome.error.c_str());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ResinDbSave32k)->Unit(benchmark::kMillisecond);

void BM_ResinDbText32k(benchmark::State& state) {
    const std::vector<ResinRecord> records = FullTable();
    for (auto _ : state) benchmark::DoNotOptimize(ResinDatabaseText(records, kRecords - 1));
}
BENCHMARK(BM_ResinDbText32k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veredod
