// Runs the built veredod-calc as a user would and checks what it prints.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

using Lines = std::vector<std::string>;

constexpr const char* kUsageLine =
    "Usage: veredod-calc --resins FILE --case FILE [--report] [--switch-units] [--json]";

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

Lines SplitLines(const std::string& text) {
    Lines lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The test's environment without any locale setting, plus `localeVars`.
std::vector<std::string> Environment(const Lines& localeVars) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry; ++entry) {
        const std::string var = *entry;
        if (var.starts_with("LC_") || var.starts_with("LANG=") || var.starts_with("LANGUAGE=")) {
            continue;
        }
        env.push_back(var);
    }
    env.insert(env.end(), localeVars.begin(), localeVars.end());
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

class CalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "veredod-calc-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr) << std::strerror(errno);
        m_dir = pattern;
        const fs::path source = VEREDOD_SOURCE_DIR;
        fs::copy_file(source / "data" / "resins.dat", m_dir / "resins.dat");
        for (const char* name :
             {"worked-example-us.txt", "worked-example-metric.txt", "two-stage-metric.txt"}) {
            fs::copy_file(source / "examples" / name, m_dir / name);
        }
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    fs::path file(const std::string& name) const { return m_dir / name; }

    RunResult run(Lines args, const Lines& localeVars = {"LC_ALL=C"}) const {
        args.insert(args.begin(), VEREDOD_CALC_PATH);
        std::vector<std::string> env = Environment(localeVars);
        const fs::path outPath = m_dir / "stdout.txt";
        const fs::path errPath = m_dir / "stderr.txt";

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::vector<char*> argv = Pointers(args);
        std::vector<char*> envp = Pointers(env);
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);

        RunResult result;
        if (spawned != 0) {
            ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(spawned);
            return result;
        }
        int wait = 0;
        while (waitpid(pid, &wait, 0) < 0 && errno == EINTR) {
        }
        result.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait);
        result.out = ReadFile(outPath);
        result.err = ReadFile(errPath);
        return result;
    }

    RunResult runCase(const std::string& caseName, Lines extra = {},
                      const Lines& localeVars = {"LC_ALL=C"}) const {
        Lines args = {"--resins", file("resins.dat").string(), "--case", file(caseName).string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args, localeVars);
    }

private:
    fs::path m_dir;
};

const Lines kUsList = {
    "Drag flow = 181.07 lbs/hr",
    "Equivalent Visc = .1 psi s",
    "Pressure Flow = 4.71 lbs/hr",
    "Leakage Flow = .0041 lbs/hr",
    "Actual Flow = 176.35 lbs/hr",
    "Specific output = 1.7635 lbs/hr/rpm",
    "Temperature Rise = 15.82 F",
    "PowerNeeded Kw = 62455.88 Btu/hr",
    "PowerNeeded Hp = 24.52 Hp",
    "Torque = 1288.01 lbs-ft",
    "Amps = 22.95 A",
    "Torque Available = 1575 lbs-ft",
    "Cost of resin used = 176.35 cost/lbs",
    "Cost lost due to flight leakage =  cost/lbs",
    "Melt Velocity = 2.07 in/s",
    "Rotational Velocity = 13.09 in/s",
    "Metering channel shear rate = 104.7 1/s",
};

const Lines kMetricList = {
    "Drag flow = 82.17 kg/hr",
    "Equivalent Visc = 670.73 Pa s",
    "Pressure Flow = 2.14 kg/hr",
    "Leakage Flow =  kg/hr",
    "Actual Flow = 80.0263 kg/hr",
    "Specific output = .8003 kg/hr/rpm",
    "Temperature Rise = 8.76 C",
    "PowerNeeded Kw = 18.34 Kw",
    "PowerNeeded Hp = 24.59 Hp",
    "Torque = 1751.41 N-m",
    "Amps = 23.02 A",
    "Torque Available = 1580.21 N-m",
    "Cost of resin used = 176.06 cost/kg",
    "Cost lost due to flight leakage =  cost/kg",
    "Melt Velocity = 52.5 mm/s",
    "Rotational Velocity = 332.5 mm/s",
    "Metering channel shear rate = 104.7 1/s",
};

// The metric results converted, not recalculated: they differ from the US
// worked example because the metric inputs are rounded figures.
const Lines kMetricInUsList = {
    "Drag flow = 181.15 lbs/hr",
    "Equivalent Visc = .1 psi s",
    "Pressure Flow = 4.72 lbs/hr",
    "Leakage Flow = .0041 lbs/hr",
    "Actual Flow = 176.43 lbs/hr",
    "Specific output = 1.7643 lbs/hr/rpm",
    "Temperature Rise = 15.77 F",
    "PowerNeeded Kw = 62632.17 Btu/hr",
    "PowerNeeded Hp = 24.59 Hp",
    "Torque = 1291.77 lbs-ft",
    "Amps = 23.02 A",
    "Torque Available = 1165.5 lbs-ft",
    "Cost of resin used = 176.06 cost/lbs",
    "Cost lost due to flight leakage =  cost/lbs",
    "Melt Velocity = 2.07 in/s",
    "Rotational Velocity = 13.09 in/s",
    "Metering channel shear rate = 104.7 1/s",
};

const Lines kTwoStageMetricList = {
    "Drag flow for first stage = 82.17 kg/hr",
    "Drag flow for second stage = 103.52 kg/hr",
    "Equivalent Visc = 779.38 Pa s",
    "Pressure Flow for second stage = 9.21 kg/hr",
    "Leakage Flow for second stage =  kg/hr",
    "Actual Flow for first stage = 82.1693 kg/hr",
    "Actual Flow for second stage = 94.3047 kg/hr",
    "Specific output for first stage = .8217 kg/hr/rpm",
    "Specific output for second stage = .943 kg/hr/rpm",
    "Temperature Rise for second stage = 8.76 C",
    "PowerNeeded Kw for first stage = 18.23 Kw",
    "PowerNeeded Kw for second stage = 21.61 Kw",
    "PowerNeeded Hp for first stage = 24.45 Hp",
    "PowerNeeded Hp for second stage = 28.98 Hp",
    "Torque for first stage = 1741.01 N-m",
    "Torque for second stage = 2063.9 N-m",
    "Amps for first stage = 22.88 A",
    "Amps for second stage = 27.12 A",
    "Torque Available = 1580.21 N-m",
    "Cost of resin used for second stage = 207.47 cost/kg",
    "Cost lost due to flight leakage for second stage = .01 cost/kg",
    "Melt Velocity for first stage = 53.9 mm/s",
    "Melt Velocity for second stage = 49.1 mm/s",
    "Rotational Velocity for first stage = 332.5 mm/s",
    "Rotational Velocity for second stage = 332.5 mm/s",
    "Metering channel shear rate for first stage = 104.7 1/s",
    "Metering channel shear rate for second stage = 83.1 1/s",
};

struct ListRow {
    const char* name;
    const char* caseFile;
    Lines extra;
    const Lines* expected;
};

void PrintTo(const ListRow& row, std::ostream* os) {
    *os << row.name;
}

class ResultsListTest : public CalcTest, public ::testing::WithParamInterface<ListRow> {};

TEST_P(ResultsListTest, PrintsTheListLineForLine) {
    const ListRow& row = GetParam();
    const RunResult result = runCase(row.caseFile, row.extra);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(SplitLines(result.out), *row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ResultsListTest,
    ::testing::Values(ListRow{"Us", "worked-example-us.txt", {}, &kUsList},
                      ListRow{"Metric", "worked-example-metric.txt", {}, &kMetricList},
                      ListRow{"MetricSwitchedToUs",
                              "worked-example-metric.txt",
                              {"--switch-units"},
                              &kMetricInUsList},
                      ListRow{"TwoStageMetric", "two-stage-metric.txt", {}, &kTwoStageMetricList}),
    [](const auto& info) { return std::string(info.param.name); });

// The report's own two-stage labels and order: "section" and "zone" words, the
// power lines paired by stage, one decimal on every velocity.
const Lines kTwoStageMetricReport = {
    "Drag flow for first section = 82.17 kg/hr",
    "Drag flow for second section = 103.52 kg/hr",
    "Equivalent Visc = 779.38 Pa s",
    "Pressure Flow for second zone = 9.21 kg/hr",
    "Leakage Flow for second zone =  kg/hr",
    "Actual Flow for first zone = 82.1693 kg/hr",
    "Actual Flow for second zone = 94.3047 kg/hr",
    "Specific output for first stage = .8217 kg/hr/rpm",
    "Specific output for second stage = .943 kg/hr/rpm",
    "Temperature Rise for second zone = 8.76 C",
    "PowerNeeded Kw for first stage = 18.23 Kw",
    "PowerNeeded Hp for first stage = 24.45 Hp",
    "PowerNeeded Kw for second stage = 21.61 Kw",
    "PowerNeeded Hp for second stage = 28.98 Hp",
    "Torque for first stage = 1741.01 N-m",
    "Torque for second stage = 2063.9 N-m",
    "Amps for first stage = 22.88 A",
    "Amps for second stage = 27.12 A",
    "Torque Available = 1580.21 N-m",
    "Cost of resin used for second stage = 207.47 cost/kg",
    "Cost lost due to flight leakage for second stage = .01 cost/kg",
    "Melt Velocity for first zone = 53.9 mm/s",
    "Melt Velocity for second zone = 49.1 mm/s",
    "Rotational Velocity for first zone = 332.5 mm/s",
    "Rotational Velocity for second zone = 332.5 mm/s",
    "Metering channel shear rate for first zone = 104.7 1/s",
    "Metering channel shear rate for second zone = 83.1 1/s",
};

const Lines kTwoStageUsReportTail = {
    "Amps for first zone  = 22.88 A",
    "Amps for second zone  = 27.12 A",
    "Torque Available = 1165.5 lbs-ft",
    "Cost of resin used for second zone = 207.47 cost/lbs",
    "Cost lost due to flight leakage for second zone= .01 cost/lbs",
    "Melt Velocity for first zone = 2.1 in/s",
    "Melt Velocity for second zone = 1.9 in/s",
    "Rotational Velocity for first zone = 13.1 in/s",
    "Rotational Velocity for second zone = 13.1 in/s",
    "Metering channel shear rate for first zone = 104.7 1/s",
    "Metering channel shear rate for second zone = 83.1 1/s",
};

struct ReportRow {
    const char* name;
    const char* caseFile;
    Lines extra;
    std::size_t lineCount;
    const char* unitsLine;
    Lines lastLines;  // the report's final lines, where they are known
};

void PrintTo(const ReportRow& row, std::ostream* os) {
    *os << row.name;
}

class ReportTest : public CalcTest, public ::testing::WithParamInterface<ReportRow> {};

TEST_P(ReportTest, PrintsTheWholeReport) {
    const ReportRow& row = GetParam();
    Lines args = row.extra;
    args.push_back("--report");
    const RunResult result = runCase(row.caseFile, args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const Lines lines = SplitLines(result.out);
    ASSERT_EQ(lines.size(), row.lineCount);
    EXPECT_EQ(lines[0], "Ruvodad");
    EXPECT_EQ(lines[12], row.unitsLine);
    ASSERT_LE(row.lastLines.size(), lines.size());
    EXPECT_EQ(Lines(lines.end() - row.lastLines.size(), lines.end()), row.lastLines);
}

// The report's single-screw results are the list's, but for one decimal on
// the US velocity lines.
Lines UsReportResults(Lines lines) {
    lines[14] = "Melt Velocity = 2.1 in/s";
    lines[15] = "Rotational Velocity = 13.1 in/s";
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportTest,
    ::testing::Values(
        ReportRow{"Us", "worked-example-us.txt", {}, 60, "Units = US", UsReportResults(kUsList)},
        ReportRow{"Metric", "worked-example-metric.txt", {}, 60, "Units = SI", kMetricList},
        ReportRow{"MetricSwitchedToUs",
                  "worked-example-metric.txt",
                  {"--switch-units"},
                  60,
                  "Units = US",
                  Lines{"Melt Velocity = 2.1 in/s", "Rotational Velocity = 13.1 in/s",
                        "Metering channel shear rate = 104.7 1/s"}},
        ReportRow{"TwoStage", "two-stage-metric.txt", {}, 77, "Units = SI", kTwoStageMetricReport},
        ReportRow{"TwoStageSwitchedToUs",
                  "two-stage-metric.txt",
                  {"--switch-units"},
                  77,
                  "Units = US",
                  kTwoStageUsReportTail}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalcTest, CaseNamingAMissingResinIsReportedAndTheRunGoesOn) {
    Lines lines = SplitLines(ReadFile(file("worked-example-metric.txt")));
    ASSERT_EQ(lines.size(), 24u);
    lines[13] = " 30000 \r";  // the resin index
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    WriteFile(file("no-resin.txt"), text);

    const RunResult result = runCase("no-resin.txt", {"--report"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(SplitLines(result.out).size(), 60u);
    EXPECT_TRUE(result.err.starts_with("Veredod: ")) << result.err;
    EXPECT_NE(result.err.find("30000"), std::string::npos) << result.err;
}

TEST_F(CalcTest, JsonHoldsFlagsInputsResinAndResults) {
    const RunResult result = runCase("worked-example-metric.txt", {"--json"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const nlohmann::json json = nlohmann::json::parse(result.out);

    EXPECT_EQ(json["flags"]["UnitSystem"], 0);
    EXPECT_EQ(json["flags"]["UnitSystemName"], "Metric Units");
    EXPECT_TRUE(json["flags"]["ScrewType"].is_number_integer());
    EXPECT_TRUE(json["flags"]["ScrewTypeName"].is_string());
    EXPECT_TRUE(json["flags"]["SectionLengthModeName"].is_string());

    EXPECT_EQ(json["inputs"].size(), 21u);
    EXPECT_DOUBLE_EQ(json["inputs"]["ScrewDiameter"].get<double>(), 63.5);
    EXPECT_DOUBLE_EQ(json["inputs"]["ScrewRpm"].get<double>(), 100);

    EXPECT_EQ(json["resin"]["ResinIsMetric"], true);
    EXPECT_TRUE(json["resin"]["ResinName"].is_string());
    EXPECT_DOUBLE_EQ(json["resin"]["PowerLawIndex"].get<double>(), 0.35);
    EXPECT_DOUBLE_EQ(json["resin"]["MeltDensity"].get<double>(), 750);

    const nlohmann::json& results = json["results"];
    EXPECT_EQ(results.size(), 33u);
    for (const auto& [name, value] : results.items()) {
        EXPECT_TRUE(value.is_number() || value.is_null()) << name;
    }
    EXPECT_NEAR(results["HelixAngle"].get<double>(), 17.6568, 5e-5);
    EXPECT_NEAR(results["DragFlow"].get<double>(), 82.1693, 5e-5);
    EXPECT_NEAR(results["EquivalentViscosity"].get<double>(), 670.727, 5e-4);
    EXPECT_NEAR(results["ActualFlow"].get<double>(), 80.0263, 5e-5);
    EXPECT_NEAR(results["TorqueAvailable"].get<double>(), 1580.21, 5e-3);
}

TEST_F(CalcTest, JsonAfterUnitSwitchHoldsConvertedValues) {
    const RunResult result = runCase("worked-example-metric.txt", {"--json", "--switch-units"});
    EXPECT_EQ(result.status, 0);
    const nlohmann::json json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["flags"]["UnitSystem"], 1);
    EXPECT_EQ(json["flags"]["UnitSystemName"], "US Units");
    EXPECT_DOUBLE_EQ(json["inputs"]["ScrewDiameter"].get<double>(), 63.5 / 25.4);
    EXPECT_EQ(json["resin"]["ResinIsMetric"], false);
    EXPECT_NEAR(json["results"]["DragFlow"].get<double>(), 82.1693 / 0.45359237, 2e-4);
}

TEST_F(CalcTest, JsonCarriesAResinNameThatIsNotUtf8) {
    // The database is 8-bit text in any code page; here a Latin-1 e acute.
    std::string bytes = ReadFile(file("resins.dat"));
    const std::string name = "Worked example resin (metric)";
    const std::size_t at = bytes.find(name);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, name.size(), "Caf\xE9 resin");
    WriteFile(file("latin1.dat"), bytes);

    const RunResult result = run({"--resins", file("latin1.dat").string(), "--case",
                                  file("worked-example-metric.txt").string(), "--json"});
    EXPECT_EQ(result.status, 0);
    const nlohmann::json json = nlohmann::json::parse(result.out);
    EXPECT_TRUE(json["resin"]["ResinName"].get<std::string>().starts_with("Caf"));
    EXPECT_TRUE(json["resin"]["ResinName"].get<std::string>().ends_with(" resin"));
}

TEST_F(CalcTest, HelpExplainsOptionsOutputsAndExitStatus) {
    const RunResult result = run({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    for (const char* word : {"--resins", "--case", "--report", "--switch-units", "--json",
                             "Output forms", "Exit status", "Print Error"}) {
        EXPECT_NE(result.out.find(word), std::string::npos) << word;
    }
}

class UsageErrorTest : public CalcTest, public ::testing::WithParamInterface<Lines> {};

TEST_P(UsageErrorTest, ExitsWithTwoAndUsage) {
    Lines args;
    for (const std::string& arg : GetParam()) {
        args.push_back(arg.ends_with(".dat") || arg.ends_with(".txt") ? file(arg).string() : arg);
    }
    const RunResult result = run(args);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(kUsageLine), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadCommandLines, UsageErrorTest,
    ::testing::Values(
        Lines{}, Lines{"--case", "worked-example-us.txt"}, Lines{"--resins", "resins.dat"},
        Lines{"--resins", "resins.dat", "--case", "worked-example-us.txt", "--verbose"},
        Lines{"--resins", "resins.dat", "--case", "worked-example-us.txt", "--report", "--json"},
        Lines{"--resins", "resins.dat", "--case", "worked-example-us.txt", "extra"},
        Lines{"--resins"}));

struct UnreadableRow {
    const char* name;
    const char* resins;
    const char* caseFile;
    const char* culprit;
    const char* reason;
};

void PrintTo(const UnreadableRow& row, std::ostream* os) {
    *os << row.name;
}

class UnreadableFileTest : public CalcTest, public ::testing::WithParamInterface<UnreadableRow> {};

TEST_P(UnreadableFileTest, ExitsWithOneNamingTheFile) {
    const UnreadableRow& row = GetParam();
    fs::create_directory(file("folder.txt"));
    const RunResult result =
        run({"--resins", file(row.resins).string(), "--case", file(row.caseFile).string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "veredod-calc: cannot read " + file(row.culprit).string() + ": " + row.reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableFileTest,
    ::testing::Values(UnreadableRow{"MissingResins", "missing.dat", "worked-example-us.txt",
                                    "missing.dat", "No such file or directory"},
                      UnreadableRow{"MissingCase", "resins.dat", "missing.txt", "missing.txt",
                                    "No such file or directory"},
                      UnreadableRow{"CaseIsAFolder", "resins.dat", "folder.txt", "folder.txt",
                                    "Is a directory"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalcTest, BadResinValueIsReportedAndTheRunGoesOn) {
    Lines lines = SplitLines(ReadFile(file("resins.dat")));
    ASSERT_GE(lines.size(), 10u);
    lines[3] = " 7x5 \r";  // the first record's melt density
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    WriteFile(file("bad.dat"), text);

    const RunResult result = run(
        {"--resins", file("bad.dat").string(), "--case", file("worked-example-us.txt").string()});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(std::regex_search(result.err, std::regex("(^|\n)[^\n:]+: Error"))) << result.err;
    EXPECT_EQ(SplitLines(result.out), kUsList);
}

TEST_F(CalcTest, ListFollowsTheLocaleDecimalSeparator) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    const bool installed = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!installed) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";

    const RunResult result = runCase("worked-example-metric.txt", {}, {"LC_NUMERIC=de_DE.UTF-8"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const Lines lines = SplitLines(result.out);
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "Drag flow = 82,17 kg/hr");
    EXPECT_EQ(lines[4], "Actual Flow = 80,0263 kg/hr");
    EXPECT_EQ(lines[5], "Specific output = ,8003 kg/hr/rpm");
}

}  // namespace
