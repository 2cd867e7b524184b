#include "casefile/case_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/temp_folder.h"

namespace veredod {
namespace {

using testing::ReadBytes;
using testing::SourcePath;

constexpr int kNumberLines[] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

// Every saved field a value of its own, so that lines mixed up show.
Case DistinctCase() {
    Case c;
    double value = 0.125;
    for (int line : kNumberLines) *CaseFileField(c, line, ScrewType::Barrier) = value++;
    c.SecondStageBackPressure = -7.5;
    c.ScrewDiameter = 1.0 / 3;
    c.FlightClearance = 1.5e-7;
    c.SecondFlightWidth = -2.5e100;
    return c;
}

TEST(CaseFile, WritesAndReadsTheModeLines) {
    const std::pair<Modes, const char*> rows[] = {
        {{ScrewType::Barrier, UnitSystem::Metric, SectionLengthMode::LengthOverDiameter}, "0\r\nTrue\r\nTrue\r\n"},
        {{ScrewType::SingleFlighted, UnitSystem::US, SectionLengthMode::Distance}, "1\r\nFalse\r\nFalse\r\n"},
        {{ScrewType::TwoStage, UnitSystem::Metric, SectionLengthMode::Distance}, "2\r\nTrue\r\nFalse\r\n"},
        {{ScrewType::TwoStage, UnitSystem::US, SectionLengthMode::LengthOverDiameter}, "2\r\nFalse\r\nTrue\r\n"}};
    for (const auto& [modes, first3] : rows) {
        const std::string text = CaseFileText(Case{}, modes, 0);
        EXPECT_TRUE(text.starts_with(first3)) << first3;
        const CaseFileData data = ReadCaseFile(text);
        EXPECT_EQ(data.screwType, modes.screwType);
        EXPECT_EQ(data.unitSystem, modes.unitSystem);
        EXPECT_EQ(data.sectionLengthMode, modes.sectionLengthMode);
    }
    const CaseFileData any = ReadCaseFile("1\n true \nyes\n");
    EXPECT_EQ(any.unitSystem, UnitSystem::Metric);
    EXPECT_EQ(any.sectionLengthMode, SectionLengthMode::Distance);
    EXPECT_EQ(ReadCaseFile("1\r\n\r\nTRUE\r\n").unitSystem, UnitSystem::US);
}

TEST(CaseFile, RoundTripsEveryFieldAndTheBackPressureOfTheScrewType) {
    Case c = DistinctCase();
    for (ScrewType type : {ScrewType::Barrier, ScrewType::SingleFlighted, ScrewType::TwoStage}) {
        const std::string text = CaseFileText(c, Modes{type}, 32767);
        const CaseFileData data = ReadCaseFile(text);
        EXPECT_TRUE(data.errors.empty());
        EXPECT_EQ(data.resinIndex, 32767);
        EXPECT_EQ(data.numbers[18], type == ScrewType::TwoStage ? -7.5 : c.SystemBackPressure);
        Case back;
        for (int line : kNumberLines) *CaseFileField(back, line, type) = data.numbers[line].value();
        for (int line : kNumberLines) {
            const double want = *CaseFileField(c, line, type);
            EXPECT_NEAR(*CaseFileField(back, line, type), want, std::fabs(want) * 1e-14) << line;
        }
        EXPECT_EQ(CaseFileText(back, Modes{type}, 32767), text);
    }
}

TEST(CaseFile, MissingLinesAndNonNumbersStayEmptyWithoutErrors) {
    const CaseFileData empty = ReadCaseFile("");
    EXPECT_FALSE(empty.screwType || empty.unitSystem || empty.sectionLengthMode);
    const CaseFileData data = ReadCaseFile("2\nTrue\nTrue\nabc\n 5 \n1.2.3\n\ninf\n0x10\n 20");
    EXPECT_EQ(data.screwType, ScrewType::TwoStage);
    for (int line = 4; line <= kCaseFileLines; ++line) {
        EXPECT_EQ(data.numbers[line], line == 5 ? std::optional(5.0) : line == 10 ? std::optional(20.0) : std::nullopt)
            << line;
    }
    EXPECT_FALSE(data.resinIndex);
    EXPECT_TRUE(data.errors.empty() && empty.errors.empty());
}

TEST(CaseFile, FieldsAreTheNumberLinesOnly) {
    Case c;
    EXPECT_EQ(CaseFileField(c, 4, ScrewType::Barrier), &c.ScrewDiameter);
    EXPECT_EQ(CaseFileField(c, 24, ScrewType::Barrier), &c.SecondFlightWidth);
    for (int line : {-1, 0, 1, 2, 3, 14, 25}) EXPECT_EQ(CaseFileField(c, line, ScrewType::Barrier), nullptr) << line;
}

TEST(CaseFile, TheExamplesReadAndWriteBackByteForByte) {
    for (const char* name : {"worked-example-us.txt", "worked-example-metric.txt", "two-stage-metric.txt"}) {
        const std::string path = SourcePath(std::string("examples/") + name);
        const CaseFileData data = LoadCaseFile(path);
        ASSERT_TRUE(data.opened && data.errors.empty()) << name;
        const Modes modes{*data.screwType, *data.unitSystem, *data.sectionLengthMode};
        Case c;
        for (int line : kNumberLines) *CaseFileField(c, line, modes.screwType) = data.numbers[line].value();
        EXPECT_EQ(CaseFileText(c, modes, *data.resinIndex), ReadBytes(path)) << name;
    }
}

TEST(CaseFile, SavesAndReportsWhatCannotBeOpenedOrWritten) {
    testing::TempFolder folder;
    const std::string path = folder.path("case.txt");
    const Case c = DistinctCase();
    const Modes modes{ScrewType::TwoStage, UnitSystem::US, SectionLengthMode::Distance};
    ASSERT_TRUE(SaveCaseFile(path, c, modes, 12).ok);
    EXPECT_EQ(ReadBytes(path), CaseFileText(c, modes, 12));
    EXPECT_EQ(LoadCaseFile(path).resinIndex, 12);
    const CaseFileData missing = LoadCaseFile(folder.path("nothing.txt"));
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.errors, std::vector<std::string>{"Output Error: No such file or directory"});
    EXPECT_EQ(SaveCaseFile(folder.root().string(), c, modes, 0).error, "Is a directory");
    EXPECT_EQ(ReadBytes(path), CaseFileText(c, modes, 12));
}

}  // namespace
}  // namespace veredod
