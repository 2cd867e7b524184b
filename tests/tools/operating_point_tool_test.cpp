// SPDX-License-Identifier: GPL-3.0-or-later
// veredod-calc's die options, run as a user would run them.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_folder.h"
#include "support/golden_rows.h"

namespace {

constexpr const char* kDie =
    " --die 'circular:count=4,d=3.5,l=12.5;slit:w=300,h=1.2,l=40;annulus:do=60,di=56,l=30'";

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The tool on an example case, in the C locale.
ToolRun RunTool(const std::string& example, const std::string& args) {
    const veredod::testing::TempFolder folder;
    const std::string source = VEREDOD_SOURCE_DIR, err = folder.path("stderr.txt");
    const std::string command = "LC_ALL=C '" + std::string(VEREDOD_CALC_PATH) + "' --resins '" +
                                source + "/data/resins.dat' --case '" + source + "/examples/" +
                                example + "' " + args + " 2>'" + err + "' </dev/null";
    ToolRun result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.out.append(buffer, n);
    const int wait = pclose(pipe);
    result.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    result.err = veredod::testing::ReadBytes(err);
    return result;
}

TEST(OperatingPointTool, PrintsTheFiguresTheJsonAndTheSweep) {
    const ToolRun text =
        RunTool("worked-example-metric.txt", std::string("--operating-point") + kDie);
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out,
              "Operating point flow = 79.7831 kg/hr\n"
              "Head pressure = 153.657 bar\n"
              "Specific energy = .23 kWh/kg\n"
              "Torque needed 1752.4 N-m is above the torque available 1580.21 N-m by 10.9 %.\n");
    EXPECT_EQ(text.err, "");

    const ToolRun json =
        RunTool("two-stage-metric.txt", std::string("--operating-point --json") + kDie);
    ASSERT_EQ(json.status, 0);
    const auto parsed = nlohmann::json::parse(json.out);
    const auto& point = parsed.at("OperatingPoint");
    EXPECT_NEAR(point.at("Flow").get<double>(), 82.16929829658842, 1e-9);
    EXPECT_NEAR(point.at("Pressure").get<double>(), 155.2499348042002, 1e-9);
    EXPECT_NEAR(point.at("SpecificEnergy").get<double>(), 0.48269892896477673, 1e-12);
    EXPECT_EQ(point.at("VentFlooding"), false);
    EXPECT_EQ(point.at("Warnings").size(), 2u);
    EXPECT_DOUBLE_EQ(parsed.at("results").at("ActualFlow").get<double>(),
                     point.at("Flow").get<double>());

    const ToolRun sweep =
        RunTool("worked-example-metric.txt", std::string("--sweep rpm=50:150:50") + kDie);
    EXPECT_EQ(sweep.status, 0);
    EXPECT_EQ(sweep.out.rfind("rpm,flow,pressure,temperature_rise,power,specific_energy,torque,"
                              "current\n50,39.891558085263796,120.55672007855487,",
                              0),
              0u)
        << sweep.out;
    EXPECT_EQ(std::count(sweep.out.begin(), sweep.out.end(), '\n'), 4);
}

TEST(OperatingPointTool, BadDiesAndRangesSayWhyWithTheirExitStatus) {
    for (const auto& bad : veredod::testing::GoldenRows("calc_die_failures.txt")) {
        const ToolRun r = RunTool("worked-example-metric.txt", bad.at(0));
        EXPECT_EQ(r.status, std::stoi(bad.at(1))) << bad[0];
        EXPECT_EQ(r.out, bad.at(2)) << bad[0];
        EXPECT_EQ(r.err.rfind(bad.at(3), 0), 0u) << bad[0] << ": " << r.err;
    }
}

}  // namespace
