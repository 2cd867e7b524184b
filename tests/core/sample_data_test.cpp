#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "casefile/case_file.h"
#include "core/temp_folder.h"
#include "resins/resin_file.h"

namespace veredod {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

const std::string kSource = VEREDOD_SOURCE_DIR;

struct SampleResin {
    const char* name;
    bool metric;
    std::array<double, ResinRecord::kNumberCount> numbers;  // cost .. conductivity
};

// What data/resins.dat must hold, in order. The last two are the resins of
// the worked examples, which the example case files select by index.
const SampleResin kSampleResins[] = {
    {"HDPE (K at 180 C)", true, {1.4, 770, 954, 20000, 0.41, 2500, 180000, 0.25}},
    {"LDPE (K at 160 C)", true, {1.5, 750, 920, 6000, 0.39, 2300, 130000, 0.24}},
    {"PP (K at 200 C)", true, {1.3, 735, 907, 7500, 0.38, 2100, 160000, 0.2}},
    {"PS (K at 170 C)", true, {1.6, 860, 1050, 28000, 0.28, 1200, 0, 0.18}},
    {"PVC rigid (K at 180 C)", true, {1.2, 1130, 1400, 17000, 0.26, 1100, 180000, 0.21}},
    {"PA-66 (K at 290 C)", true, {3.5, 925, 1140, 600, 0.66, 2150, 230000, 0.24}},
    {"PC (K at 300 C)", true, {3.2, 970, 1200, 600, 0.98, 1400, 0, 0.21}},
    {"LLDPE (illustrative)", true, {1.5, 760, 930, 9000, 0.6, 2300, 150000, 0.24}},
    {"PA-6 (illustrative)", true, {3, 920, 1130, 2000, 0.65, 2150, 240000, 0.25}},
    {"PET (illustrative)", true, {1.4, 1090, 1390, 1000, 0.75, 1550, 120000, 0.29}},
    {"ABS (illustrative)", true, {2.4, 827, 1060, 18000, 0.3, 1400, 0, 0.25}},
    {"Worked example resin (US units)", false, {1, 46.8, 57.4, 2, 0.35, 0.5, 50, 0.13}},
    {"Worked example resin (metric)", true, {2.2, 750, 920, 13790, 0.35, 2100, 116000, 0.24}},
};
constexpr int kUsWorkedResin = 11;
constexpr int kMetricWorkedResin = 12;

TEST(SampleResinDatabase, LoadsCleanlyWithTheDocumentedRecords) {
    const ResinLoad load = LoadResinDatabase(kSource + "/data/resins.dat");
    ASSERT_TRUE(load.opened) << load.openError;
    EXPECT_EQ(ResinLoadMessage(load), "");
    ASSERT_EQ(load.records.size(), std::size(kSampleResins));
    for (size_t i = 0; i < load.records.size(); ++i) {
        const ResinRecord& got = load.records[i];
        EXPECT_EQ(got.ResinName, kSampleResins[i].name);
        EXPECT_EQ(got.ResinIsMetric, kSampleResins[i].metric) << i;
        for (int n = 0; n < ResinRecord::kNumberCount; ++n) {
            EXPECT_EQ(got.number(n), kSampleResins[i].numbers[static_cast<size_t>(n)])
                << got.ResinName << " value " << n + 1;
        }
    }
    EXPECT_EQ(load.records[kUsWorkedResin].ResinName, "Worked example resin (US units)");
    EXPECT_EQ(load.records[kMetricWorkedResin].ResinName, "Worked example resin (metric)");
}

TEST(SampleResinDatabase, SavingItAgainGivesTheSameBytes) {
    const std::string path = kSource + "/data/resins.dat";
    const ResinLoad load = LoadResinDatabase(path);
    const int last = static_cast<int>(load.records.size()) - 1;
    TempFolder folder;
    ASSERT_TRUE(SaveResinDatabase(folder.path("copy.dat"), load.records, last).ok);
    EXPECT_EQ(ReadBytes(folder.path("copy.dat")), ReadBytes(path));
}

struct SampleCase {
    const char* file;
    const char* firstLines;
    int resinIndex;
    std::array<double, kCaseFileLines + 1> numbers;  // by line; 14 is the index
};

const SampleCase kSampleCases[] = {
    {"worked-example-us.txt",
     "1\r\nFalse\r\nTrue\r\n",
     kUsWorkedResin,
     {0,  0,   0,   0,    2.5, 20, 0.125, 2.5, 0.0025, 0.25, 460, 50, 1750, 125, kUsWorkedResin,
      70, 450, 100, 2000, 0,   0,  0,     0,   0,      0}},
    {"worked-example-metric.txt",
     "1\r\nTrue\r\nTrue\r\n",
     kMetricWorkedResin,
     {0,   0,     0,    0,      63.5,
      20,  3.175, 63.5, 0.0635, 6.35,
      460, 37,    1750, 125,    kMetricWorkedResin,
      21,  232,   100,  138,    0,
      0,   0,     0,    0,      0}},
    {"two-stage-metric.txt",
     "2\r\nTrue\r\nTrue\r\n",
     kMetricWorkedResin,
     {0,   0,     0,    0,      63.5,
      20,  3.175, 63.5, 0.0635, 6.35,
      460, 37,    1750, 125,    kMetricWorkedResin,
      21,  232,   100,  138,    63.5,
      8,   4,     63.5, 0.0635, 6.35}},
};

class SampleCaseFile : public ::testing::TestWithParam<SampleCase> {};

TEST_P(SampleCaseFile, HoldsTheWorkedExample) {
    const SampleCase& sample = GetParam();
    const std::string path = kSource + "/examples/" + sample.file;
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes.rfind(sample.firstLines, 0), 0u);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), kCaseFileLines);

    const CaseFileData data = LoadCaseFile(path);
    ASSERT_TRUE(data.opened) << data.openError;
    EXPECT_TRUE(data.errors.empty());
    EXPECT_EQ(data.resinIndex, sample.resinIndex);
    ASSERT_TRUE(data.screwType && data.unitSystem && data.sectionLengthMode);
    Case c;
    for (int line = 4; line <= kCaseFileLines; ++line) {
        ASSERT_TRUE(data.numbers[static_cast<size_t>(line)]) << line;
        EXPECT_EQ(*data.numbers[static_cast<size_t>(line)],
                  sample.numbers[static_cast<size_t>(line)])
            << sample.file << " line " << line;
        if (double* field = CaseFileField(c, line, *data.screwType)) {
            *field = *data.numbers[static_cast<size_t>(line)];
        }
    }
    const Modes modes{*data.screwType, *data.unitSystem, *data.sectionLengthMode};
    EXPECT_EQ(CaseFileText(c, modes, *data.resinIndex), bytes);
}

INSTANTIATE_TEST_SUITE_P(Examples, SampleCaseFile, ::testing::ValuesIn(kSampleCases));

}  // namespace
}  // namespace veredod
