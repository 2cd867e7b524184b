#include "casefile/case_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/temp_folder.h"

namespace veredod {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr int kNumberLines[] = {4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

// Every saved field set to a value of its own, so a line mixed up with
// another shows.
Case DistinctCase() {
    Case c;
    double value = 0.125;
    for (int line : kNumberLines) *CaseFileField(c, line, ScrewType::Barrier) = value++;
    c.SecondStageBackPressure = -7.5;
    return c;
}

std::string Join(std::initializer_list<std::string_view> lines, std::string_view ending) {
    std::string text;
    for (std::string_view line : lines) text.append(line).append(ending);
    return text;
}

TEST(CaseFileText, WritesTheTwentyFourLines) {
    Case c;
    c.ScrewDiameter = 2.5;
    c.MeteringLength = 20;
    c.MeteringDepth = 0.125;
    c.MeteringLead = 2.5;
    c.FlightClearance = 0.0025;
    c.FlightWidth = 0.25;
    c.PowerSupply = 460;
    c.PowerAvailable = 50;
    c.MotorSpeed = 1750;
    c.GearBoxSpeed = 125;
    c.MaterialTempIn = 70;
    c.MaterialTempOut = 450;
    c.ScrewRpm = 100;
    c.SystemBackPressure = 2000;
    c.SecondStageBackPressure = 999;
    c.SecondMeteringDepth = -0.5;
    const Modes modes{ScrewType::SingleFlighted, UnitSystem::US,
                      SectionLengthMode::LengthOverDiameter};
    EXPECT_EQ(CaseFileText(c, modes, 3),
              Join({"1",     "False",  "True", " 2.5 ",  " 20 ",  " .125 ", " 2.5 ", " .0025 ",
                    " .25 ", " 460 ",  " 50 ", " 1750 ", " 125 ", " 3 ",    " 70 ",  " 450 ",
                    " 100 ", " 2000 ", " 0 ",  " 0 ",    "-.5 ",  " 0 ",    " 0 ",   " 0 "},
                   "\r\n"));
}

struct ModeWords {
    Modes modes;
    const char* first3;
};

class CaseFileModes : public ::testing::TestWithParam<ModeWords> {};

TEST_P(CaseFileModes, WritesAndReadsTheFlags) {
    const Modes& modes = GetParam().modes;
    const std::string text = CaseFileText(Case{}, modes, 0);
    EXPECT_EQ(text.substr(0, std::string_view(GetParam().first3).size()), GetParam().first3);
    const CaseFileData data = ReadCaseFile(text);
    EXPECT_EQ(data.screwType, modes.screwType);
    EXPECT_EQ(data.unitSystem, modes.unitSystem);
    EXPECT_EQ(data.sectionLengthMode, modes.sectionLengthMode);
}

INSTANTIATE_TEST_SUITE_P(
    All, CaseFileModes,
    ::testing::Values(
        ModeWords{{ScrewType::Barrier, UnitSystem::Metric, SectionLengthMode::LengthOverDiameter},
                  "0\r\nTrue\r\nTrue\r\n"},
        ModeWords{{ScrewType::SingleFlighted, UnitSystem::US, SectionLengthMode::Distance},
                  "1\r\nFalse\r\nFalse\r\n"},
        ModeWords{{ScrewType::TwoStage, UnitSystem::Metric, SectionLengthMode::Distance},
                  "2\r\nTrue\r\nFalse\r\n"},
        ModeWords{{ScrewType::TwoStage, UnitSystem::US, SectionLengthMode::LengthOverDiameter},
                  "2\r\nFalse\r\nTrue\r\n"}));

TEST(CaseFileText, SavesTheBackPressureOfTheChosenScrewType) {
    const Case c = DistinctCase();
    for (ScrewType type : {ScrewType::Barrier, ScrewType::SingleFlighted, ScrewType::TwoStage}) {
        const CaseFileData data = ReadCaseFile(CaseFileText(c, Modes{type}, 0));
        const double want =
            type == ScrewType::TwoStage ? c.SecondStageBackPressure : c.SystemBackPressure;
        EXPECT_EQ(data.numbers[18], want);
    }
}

TEST(CaseFile, RoundTripsEveryFieldAndTheResinIndex) {
    Case c = DistinctCase();
    c.ScrewDiameter = 1.0 / 3;
    c.MeteringLength = 123456.789012345;
    c.FlightClearance = 1.5e-7;
    c.SecondFlightWidth = -2.5e100;
    for (ScrewType type : {ScrewType::SingleFlighted, ScrewType::TwoStage}) {
        const CaseFileData data = ReadCaseFile(CaseFileText(c, Modes{type}, 32767));
        EXPECT_TRUE(data.errors.empty());
        EXPECT_EQ(data.resinIndex, 32767);
        Case back;
        for (int line : kNumberLines) {
            ASSERT_TRUE(data.numbers[line].has_value()) << line;
            *CaseFileField(back, line, type) = *data.numbers[line];
        }
        for (int line : kNumberLines) {
            const double want = *CaseFileField(c, line, type);
            EXPECT_NEAR(*CaseFileField(back, line, type), want, std::fabs(want) * 1e-14) << line;
        }
    }
}

struct FirstLine {
    const char* token;
    std::optional<ScrewType> type;
};

class CaseFileScrewType : public ::testing::TestWithParam<FirstLine> {};

TEST_P(CaseFileScrewType, ReadsLineOne) {
    EXPECT_EQ(ReadCaseFile(std::string(GetParam().token) + "\r\n").screwType, GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, CaseFileScrewType,
    ::testing::Values(FirstLine{"0", ScrewType::Barrier}, FirstLine{" 0 ", ScrewType::Barrier},
                      FirstLine{"0.0", ScrewType::Barrier}, FirstLine{"True", ScrewType::Barrier},
                      FirstLine{"TRUE", ScrewType::Barrier},
                      FirstLine{"1", ScrewType::SingleFlighted},
                      FirstLine{"1E0", ScrewType::SingleFlighted},
                      FirstLine{"2", ScrewType::TwoStage}, FirstLine{" 2. ", ScrewType::TwoStage},
                      FirstLine{"3", std::nullopt}, FirstLine{"-1", std::nullopt},
                      FirstLine{"1.5", std::nullopt}, FirstLine{"False", std::nullopt},
                      FirstLine{"", std::nullopt}, FirstLine{"two", std::nullopt}));

TEST(ReadCaseFile, FlagLinesAreTrueOrAnythingElse) {
    const CaseFileData us = ReadCaseFile(Join({"1", " true ", "yes"}, "\n"));
    EXPECT_EQ(us.unitSystem, UnitSystem::Metric);
    EXPECT_EQ(us.sectionLengthMode, SectionLengthMode::Distance);
    const CaseFileData blank = ReadCaseFile(Join({"1", "", "TRUE"}, "\r\n"));
    EXPECT_EQ(blank.unitSystem, UnitSystem::US);
    EXPECT_EQ(blank.sectionLengthMode, SectionLengthMode::LengthOverDiameter);
}

TEST(ReadCaseFile, ShortFileLeavesTheMissingLinesEmptyWithoutErrors) {
    const CaseFileData empty = ReadCaseFile("");
    EXPECT_FALSE(empty.screwType || empty.unitSystem || empty.sectionLengthMode);
    EXPECT_TRUE(empty.errors.empty());

    const CaseFileData data = ReadCaseFile(Join({"2", "True", "True", " 63.5 ", " 20"}, "\n"));
    EXPECT_EQ(data.screwType, ScrewType::TwoStage);
    EXPECT_EQ(data.numbers[4], 63.5);
    EXPECT_EQ(data.numbers[5], 20);
    for (int line = 6; line <= kCaseFileLines; ++line) EXPECT_FALSE(data.numbers[line]) << line;
    EXPECT_FALSE(data.resinIndex);
    EXPECT_TRUE(data.errors.empty());
}

TEST(ReadCaseFile, NonNumbersAreSkippedSilently) {
    std::string text =
        Join({"1", "True", "True", "abc", " 5 ", "1.2.3", "", "inf", "0x10"}, "\r\n");
    const CaseFileData data = ReadCaseFile(text);
    EXPECT_FALSE(data.numbers[4]);
    EXPECT_EQ(data.numbers[5], 5);
    for (int line = 6; line <= 9; ++line) EXPECT_FALSE(data.numbers[line]) << line;
    EXPECT_TRUE(data.errors.empty());
}

struct IndexLine {
    const char* token;
    std::optional<int> index;
    bool overflow;
};

class CaseFileResinIndex : public ::testing::TestWithParam<IndexLine> {};

TEST_P(CaseFileResinIndex, ReadsLineFourteenAsASixteenBitWholeNumber) {
    std::string text = "0\r\nTrue\r\nTrue\r\n";
    for (int line = 4; line <= kCaseFileLines; ++line) {
        text += line == 14 ? GetParam().token : " 0 ";
        text += "\r\n";
    }
    const CaseFileData data = ReadCaseFile(text);
    EXPECT_EQ(data.resinIndex, GetParam().index);
    if (GetParam().overflow) {
        EXPECT_EQ(data.errors, std::vector<std::string>{"Output Error: Overflow"});
    } else {
        EXPECT_TRUE(data.errors.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, CaseFileResinIndex,
    ::testing::Values(
        IndexLine{" 3 ", 3, false}, IndexLine{"0", 0, false}, IndexLine{"32767", 32767, false},
        IndexLine{"-32768", -32768, false}, IndexLine{"32768", std::nullopt, true},
        IndexLine{"-32769", std::nullopt, true}, IndexLine{"1E+20", std::nullopt, true},
        IndexLine{"2.4", 2, false}, IndexLine{"2.6", 3, false}, IndexLine{"2.5", 2, false},
        IndexLine{"3.5", 4, false}, IndexLine{"-2.5", -2, false},
        IndexLine{"32767.5", std::nullopt, true}, IndexLine{"-32768.5", -32768, false},
        IndexLine{"x", std::nullopt, false}, IndexLine{"", std::nullopt, false}));

TEST(CaseFileField, MapsTheNumberLinesOnly) {
    Case c;
    EXPECT_EQ(CaseFileField(c, 4, ScrewType::Barrier), &c.ScrewDiameter);
    EXPECT_EQ(CaseFileField(c, 13, ScrewType::Barrier), &c.GearBoxSpeed);
    EXPECT_EQ(CaseFileField(c, 15, ScrewType::Barrier), &c.MaterialTempIn);
    EXPECT_EQ(CaseFileField(c, 18, ScrewType::SingleFlighted), &c.SystemBackPressure);
    EXPECT_EQ(CaseFileField(c, 18, ScrewType::TwoStage), &c.SecondStageBackPressure);
    EXPECT_EQ(CaseFileField(c, 24, ScrewType::Barrier), &c.SecondFlightWidth);
    for (int line : {-1, 0, 1, 2, 3, 14, 25}) {
        EXPECT_EQ(CaseFileField(c, line, ScrewType::Barrier), nullptr) << line;
    }
}

TEST(CaseFileDisk, SavesLoadsAndReportsWhatCannotBeOpened) {
    TempFolder folder;
    const std::string path = folder.path("case.txt");
    const Case c = DistinctCase();
    const Modes modes{ScrewType::TwoStage, UnitSystem::US, SectionLengthMode::Distance};
    ASSERT_TRUE(SaveCaseFile(path, c, modes, 12).ok);
    const std::string saved = ReadBytes(path);
    EXPECT_EQ(saved, CaseFileText(c, modes, 12));
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 24);
    const CaseFileData data = LoadCaseFile(path);
    EXPECT_TRUE(data.opened);
    EXPECT_EQ(data.resinIndex, 12);

    const CaseFileData missing = LoadCaseFile(folder.path("nothing.txt"));
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.errors, std::vector<std::string>{"Output Error: No such file or directory"});

    const WriteOutcome failed = SaveCaseFile(folder.path("no/such/case.txt"), c, modes, 0);
    EXPECT_FALSE(failed.ok);
    WriteBytes(path, "old");
    EXPECT_FALSE(SaveCaseFile(folder.root().string(), c, modes, 0).ok);
    EXPECT_EQ(ReadBytes(path), "old");
}

}  // namespace
}  // namespace veredod
