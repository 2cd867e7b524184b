// veredod-calc's die options, run as a user would run them.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr const char* kDie =
    "circular:count=4,d=3.5,l=12.5;slit:w=300,h=1.2,l=40;annulus:do=60,di=56,l=30";

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class OperatingPointTool : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "veredod-op-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    // The tool on an example case, in the C locale; arguments are single-quoted.
    ToolRun run(const std::string& example, const std::string& args) const {
        const fs::path source = VEREDOD_SOURCE_DIR;
        const fs::path err = m_dir / "stderr.txt";
        const std::string command = "LC_ALL=C '" + std::string(VEREDOD_CALC_PATH) + "' --resins '" +
                                    (source / "data/resins.dat").string() + "' --case '" +
                                    (source / "examples" / example).string() + "' " + args +
                                    " 2>'" + err.string() + "' </dev/null";
        ToolRun result;
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return result;
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            result.out.append(buffer, n);
        const int wait = pclose(pipe);
        result.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
        FILE* errFile = fopen(err.c_str(), "rb");
        for (size_t n; errFile && (n = fread(buffer, 1, sizeof buffer, errFile)) > 0;) {
            result.err.append(buffer, n);
        }
        if (errFile) fclose(errFile);
        return result;
    }

private:
    fs::path m_dir;
};

TEST_F(OperatingPointTool, PrintsTheFiguresAndWarnings) {
    const ToolRun r =
        run("worked-example-metric.txt", std::string("--operating-point --die '") + kDie + "'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "Operating point flow = 79.7831 kg/hr\n"
              "Head pressure = 153.657 bar\n"
              "Specific energy = .23 kWh/kg\n"
              "Torque needed 1752.4 N-m is above the torque available 1580.21 N-m by 10.9 %.\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(OperatingPointTool, JsonHoldsThePointAndItsResults) {
    const ToolRun r =
        run("two-stage-metric.txt", std::string("--operating-point --json --die '") + kDie + "'");
    ASSERT_EQ(r.status, 0);
    const auto json = nlohmann::json::parse(r.out);
    const auto& point = json.at("OperatingPoint");
    EXPECT_NEAR(point.at("Flow").get<double>(), 82.16929829658842, 1e-9);
    EXPECT_NEAR(point.at("Pressure").get<double>(), 155.2499348042002, 1e-9);
    EXPECT_NEAR(point.at("SpecificEnergy").get<double>(), 0.48269892896477673, 1e-12);
    EXPECT_EQ(point.at("VentFlooding"), false);
    EXPECT_EQ(point.at("Warnings").size(), 2u);
    EXPECT_DOUBLE_EQ(json.at("results").at("ActualFlow").get<double>(),
                     point.at("Flow").get<double>());
}

TEST_F(OperatingPointTool, SweepsSpeedsAsCsv) {
    const ToolRun r =
        run("worked-example-metric.txt", std::string("--sweep rpm=50:150:50 --die '") + kDie + "'");
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(
        r.out.rfind("rpm,flow,pressure,temperature_rise,power,specific_energy,torque,current\n"
                    "50,39.891558085263796,120.55672007855487,",
                    0),
        0u)
        << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 4);
}

struct BadRun {
    const char* example;
    const char* args;
    int status;
    const char* out;
    const char* errStart;
};

class OperatingPointToolFails : public OperatingPointTool,
                                public ::testing::WithParamInterface<BadRun> {};

TEST_P(OperatingPointToolFails, SaysWhyWithItsExitStatus) {
    const BadRun& bad = GetParam();
    const ToolRun r = run(bad.example, bad.args);
    EXPECT_EQ(r.status, bad.status);
    EXPECT_EQ(r.out, bad.out);
    EXPECT_EQ(r.err.rfind(bad.errStart, 0), 0u) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, OperatingPointToolFails,
    ::testing::Values(
        BadRun{"worked-example-metric.txt", "--die 'circular:d=0,l=3'", 2, "",
               "veredod-calc: --die: Die element 1 (circular): the diameter d must be above 0.\n"
               "Usage: "},
        BadRun{"worked-example-metric.txt", "--die 'annulus:do=5,di=6,l=1' --operating-point", 2,
               "",
               "veredod-calc: --die: Die element 1 (annulus): the inner diameter di must be below "
               "the outer diameter do.\n"},
        BadRun{"worked-example-metric.txt", "--die 'oval:d=1'", 2, "",
               "veredod-calc: --die: Die element 1: \"oval\" is not a shape"},
        BadRun{
            "worked-example-metric.txt", "--sweep rpm=50:150", 2, "",
            "veredod-calc: --sweep: The speed range must read FROM:TO:STEP, as rpm=20:120:10.\n"},
        BadRun{"worked-example-metric.txt", "--sweep rpm=50:x:5", 2, "",
               "veredod-calc: --sweep: \"x\" is not a number in the speed range.\n"},
        BadRun{"worked-example-metric.txt", "--operating-point", 3, "The die has no element.\n",
               ""},
        BadRun{"worked-example-metric.txt", "--sweep rpm=50:60:10", 3,
               "rpm,flow,pressure,temperature_rise,power,specific_energy,torque,current\n",
               "veredod-calc: The die has no element.\n"}));

}  // namespace
