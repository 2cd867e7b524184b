// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "resins/resin_file.h"
#include "window/main_model.h"

namespace veredod {
namespace {

// Answers the resin dialog with one path and swallows everything else.
class QuietDesktop : public Desktop {
public:
    explicit QuietDesktop(std::string resinPath) : m_resinPath(std::move(resinPath)) {}
    void showMessage(MessageIcon, const std::string&, const std::string&) override {}
    std::string chooseFile(const FileDialogRequest&) override { return m_resinPath; }
    bool printLines(const std::vector<std::string>&, std::string& error) override {
        error = "no printer";
        return false;
    }
    LaunchResult openAddress(const std::string&) override { return {}; }

private:
    std::string m_resinPath;
};

std::filesystem::path WriteLargeDatabase(int records) {
    std::vector<ResinRecord> table(records);
    for (int i = 0; i < records; ++i) {
        ResinRecord& r = table[i];
        r.ResinName = "Resin " + std::to_string(i);
        r.ResinIsMetric = true;
        r.ResinCost = 1.25 + i * 0.001;
        r.MeltDensity = 750 + i % 100;
        r.SolidDensity = 920;
        r.ConsistencyIndex = 7000.5;
        r.PowerLawIndex = 0.35;
        r.HeatCapacity = 2300;
        r.HeatOfFusion = 130000;
        r.ThermalConductivity = 0.24;
    }
    auto path = std::filesystem::temp_directory_path() /
                ("veredod-bench-" + std::to_string(::getpid()) + ".dat");
    SaveResinDatabase(path.string(), table, records - 1);
    return path;
}

void BM_ResinCommit32k(benchmark::State& state) {
    const std::filesystem::path path = WriteLargeDatabase(kMaxResinIndex + 1);
    QuietDesktop desktop(path.string());
    MainModel model(desktop);
    model.startUp();
    model.selectResin(kMaxResinIndex / 2);
    int round = 0;
    for (auto _ : state) {
        model.setCellText(CellGroup::MatlProp, 2, std::to_string(760 + (round++ % 7)));
        model.txtMatlProp_LostFocus(2);
        benchmark::DoNotOptimize(model.state().txtMatlProp[2].text);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ResinCommit32k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veredod
