#include "resins/resin_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "core/temp_folder.h"

namespace veredod {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

ResinRecord Record(std::string name, bool metric, std::array<double, 8> numbers) {
    ResinRecord record;
    record.ResinName = std::move(name);
    record.ResinIsMetric = metric;
    for (int i = 0; i < ResinRecord::kNumberCount; ++i) record.number(i) = numbers[i];
    return record;
}

// The record of the documented example, as ten CR LF lines.
constexpr std::string_view kPpText =
    "PP\r\nTrue\r\n 1.3 \r\n 735 \r\n 907 \r\n 7500 \r\n .35 \r\n 2100 \r\n 160000 \r\n .2 \r\n";

std::string Lines(std::initializer_list<std::string_view> lines, std::string_view ending = "\r\n") {
    std::string text;
    for (std::string_view line : lines) text.append(line).append(ending);
    return text;
}

TEST(ResinDatabaseText, WritesTenCrLfLinesPerRecord) {
    const ResinRecord pp = Record("PP", true, {1.3, 735, 907, 7500, 0.35, 2100, 160000, 0.2});
    EXPECT_EQ(ResinDatabaseText({pp}, 0), kPpText);
    const ResinRecord us = Record("", false, {0.5, 2866, 0.549, -12.5, 0, 1e20, 1.5e-7, 1});
    EXPECT_EQ(ResinDatabaseText({us}, 0),
              "\r\nFalse\r\n .5 \r\n 2866 \r\n .549 \r\n-12.5 \r\n 0 \r\n 1E+20 \r\n 1.5E-07 \r\n"
              " 1 \r\n");
}

TEST(ResinDatabaseText, WritesRecordsUpToLastResinOnly) {
    const std::vector<ResinRecord> records(3, Record("X", true, {}));
    EXPECT_EQ(ResinDatabaseText(records, -1), "");
    EXPECT_EQ(ResinDatabaseText({}, 0), "");
    EXPECT_EQ(ResinDatabaseText(records, 0).size(), ResinDatabaseText(records, 1).size() / 2);
    EXPECT_EQ(ResinDatabaseText(records, 7), ResinDatabaseText(records, 2));
}

TEST(ReadResinDatabase, RoundTripsNamesFlagsValuesAndOrder) {
    const std::vector<ResinRecord> records = {
        Record("HDPE, blow molding grade", true, {1.4, 770, 954, 20000, 0.41, 2500, 180000, 0.25}),
        Record("   leading blanks and trailing  ", false,
               {1.0 / 3, 46.8, 57.4, 2, 0.35, 0.5, 50, 0.13}),
        Record("", false, {}),
        Record("Latin-1 \xB0"
               "C \xE9t\xE9",
               true, {-1, 1e-9, 6.02e23, 1, 1, 1, 1, 1}),
        Record("UTF-8 \xC2\xB0"
               "C \xC3\xA9t\xC3\xA9 \xE2\x82\xAC",
               false, {2.0 / 3, 0, 0, 0, 0, 0, 0, 0}),
        Record("commas,\"quoted\",trailing blank ", true, {123456.789012345, 0, 0, 0, 0, 0, 0, 0}),
    };
    const ResinLoad load = ReadResinDatabase(ResinDatabaseText(records, 5));
    EXPECT_TRUE(load.problems.empty());
    EXPECT_FALSE(load.stoppedAtLimit);
    ASSERT_EQ(load.records.size(), records.size());
    for (size_t r = 0; r < records.size(); ++r) {
        EXPECT_EQ(load.records[r].ResinName, records[r].ResinName);
        EXPECT_EQ(load.records[r].ResinIsMetric, records[r].ResinIsMetric);
        for (int i = 0; i < ResinRecord::kNumberCount; ++i) {
            const double want = records[r].number(i);
            EXPECT_NEAR(load.records[r].number(i), want, std::fabs(want) * 1e-14) << r << "/" << i;
        }
    }
    EXPECT_EQ(ResinDatabaseText(load.records, 5), ResinDatabaseText(records, 5));
}

TEST(ReadResinDatabase, ReadsLfLinesFlagWordsInAnyCaseAndBlanksAroundTokens) {
    const ResinLoad load = ReadResinDatabase(
        Lines({" A ", " true ", "1", "+2", "3.", ".4", "\t5\t", "6E1", "7e-1", "-8",  //
               "B",   "FALSE",  "0", "0",  "0",  "0",  "0",     "0",   "0",    "0"},
              "\n"));
    ASSERT_TRUE(load.problems.empty()) << ResinLoadMessage(load);
    ASSERT_EQ(load.records.size(), 2u);
    EXPECT_EQ(load.records[0], Record(" A ", true, {1, 2, 3, 0.4, 5, 60, 0.7, -8}));
    EXPECT_EQ(load.records[1], Record("B", false, {}));
}

TEST(ReadResinDatabase, EmptyFileGivesNoRecords) {
    const ResinLoad load = ReadResinDatabase("");
    EXPECT_TRUE(load.records.empty());
    EXPECT_TRUE(load.problems.empty());
    EXPECT_EQ(ResinLoadMessage(load), "");
}

TEST(ReadResinDatabase, LastLineWithoutEndingStillCounts) {
    std::string text(kPpText);
    text.resize(text.size() - 2);
    const ResinLoad load = ReadResinDatabase(text);
    EXPECT_TRUE(load.problems.empty());
    ASSERT_EQ(load.records.size(), 1u);
    EXPECT_EQ(load.records[0].ThermalConductivity, 0.2);
}

TEST(ReadResinDatabase, RecordCutShortIsAddedWithOneProblemPerMissingValue) {
    const ResinLoad load = ReadResinDatabase(std::string(kPpText) + "PS\r\nTrue\r\n 1.6 \r\n");
    ASSERT_EQ(load.records.size(), 2u);
    EXPECT_EQ(load.records[1], Record("PS", true, {1.6, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(load.problems.size(), 7u);
    for (size_t i = 0; i < load.problems.size(); ++i) {
        EXPECT_EQ(load.problems[i].line, static_cast<int>(14 + i));
        EXPECT_EQ(load.problems[i].description, "Input past end of file");
    }
}

TEST(ReadResinDatabase, UnreadableValuesKeepTheBlankValueAndAreReportedByLine) {
    const ResinLoad load =
        ReadResinDatabase(Lines({"PP",  "True", "1", "2",   "3", "4",     "5", "6", "7", "8",  //
                                 "Bad", "Yes",  "1", "abc", "3", "1.2.3", "5", "",  "7", "inf"}));
    ASSERT_EQ(load.records.size(), 2u);
    EXPECT_EQ(load.records[1], Record("Bad", false, {1, 0, 3, 0, 5, 0, 7, 0}));
    ASSERT_EQ(load.problems.size(), 5u);
    EXPECT_EQ(ResinLoadMessage(load),
              "Error in line 12: Type mismatch (\"Yes\" is not True or False)\n"
              "Error in line 14: Type mismatch (\"abc\" is not a number)\n"
              "Error in line 16: Type mismatch (\"1.2.3\" is not a number)\n"
              "Error in line 18: Type mismatch (\"\" is not a number)\n"
              "Error in line 20: Type mismatch (\"inf\" is not a number)");
}

TEST(ReadResinDatabase, MessageShowsTheFirstTenProblemsAndCountsTheRest) {
    std::string text;
    for (int r = 0; r < 3; ++r)
        text += Lines({"X", "maybe", "a", "b", "c", "d", "e", "f", "g", "h"});
    const ResinLoad load = ReadResinDatabase(text);
    EXPECT_EQ(load.problems.size(), 27u);
    const std::string message = ResinLoadMessage(load);
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 10);
    EXPECT_EQ(message.rfind("Error in line 2: Type mismatch (\"maybe\" is not True or False)\n"
                            "Error in line 3: Type mismatch (\"a\" is not a number)\n",
                            0),
              0u);
    EXPECT_NE(message.find("\nError in line 12: Type mismatch (\"maybe\" is not True or False)\n"
                           "... and 17 more problems."),
              std::string::npos);
}

TEST(ReadResinDatabase, SurvivesALongLineBinaryBytesAndNuls) {
    std::string longLine(10 * 1024 * 1024, '7');
    longLine[123] = 'x';
    const ResinLoad longLoad = ReadResinDatabase("name\r\nTrue\r\n" + longLine + "\r\n");
    ASSERT_EQ(longLoad.records.size(), 1u);
    ASSERT_FALSE(longLoad.problems.empty());
    EXPECT_LT(ResinLoadMessage(longLoad).size(), 1000u);
    EXPECT_NE(ResinLoadMessage(longLoad).find("is not a number"), std::string::npos);

    std::string binary;
    for (int i = 0; i < 200000; ++i) binary += static_cast<char>((i * 7919) % 256);
    const ResinLoad binaryLoad = ReadResinDatabase(binary);
    EXPECT_FALSE(binaryLoad.records.empty());
    EXPECT_FALSE(binaryLoad.problems.empty());
    const std::string message = ResinLoadMessage(binaryLoad);
    EXPECT_EQ(message.find('\0'), std::string::npos);
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 10);

    const std::string withNul("N\0ame\r\nTrue\r\n\0\r\n", 16);
    const ResinLoad nulLoad = ReadResinDatabase(withNul);
    ASSERT_EQ(nulLoad.records.size(), 1u);
    EXPECT_EQ(nulLoad.records[0].ResinName, "N ame");
    EXPECT_NE(
        ResinLoadMessage(nulLoad).find("Error in line 3: Type mismatch (\"?\" is not a number)"),
        std::string::npos);
}

TEST(ReadResinDatabase, KeepsTheFirst32768RecordsAndFlagsTheRest) {
    std::vector<ResinRecord> records(kMaxResinIndex + 2,
                                     Record("R", true, {1, 2, 3, 4, 5, 6, 7, 8}));
    records.back().ResinName = "one too many";
    const std::string text = ResinDatabaseText(records, kMaxResinIndex + 1);
    const ResinLoad load = ReadResinDatabase(text);
    EXPECT_EQ(load.records.size(), 32768u);
    EXPECT_TRUE(load.stoppedAtLimit);
    EXPECT_TRUE(load.problems.empty());
    EXPECT_EQ(ResinLoadMessage(load),
              "Only the first 32,768 resins were loaded: the resin list cannot hold more.");

    const ResinLoad exact = ReadResinDatabase(ResinDatabaseText(records, kMaxResinIndex));
    EXPECT_EQ(exact.records.size(), 32768u);
    EXPECT_FALSE(exact.stoppedAtLimit);
}

TEST(ResinDatabaseFile, SavesAndLoadsThroughTheDisk) {
    TempFolder folder;
    const std::string path = folder.path("resins.dat");
    const std::vector<ResinRecord> records = {
        Record("PP", true, {1.3, 735, 907, 7500, 0.35, 2100, 160000, 0.2}),
        Record("unused", true, {})};
    ASSERT_TRUE(SaveResinDatabase(path, records, 0).ok);
    EXPECT_EQ(ReadBytes(path), kPpText);
    const ResinLoad load = LoadResinDatabase(path);
    EXPECT_TRUE(load.opened);
    ASSERT_EQ(load.records.size(), 1u);
    EXPECT_EQ(load.records[0], records[0]);

    ASSERT_TRUE(SaveResinDatabase(path, records, -1).ok);
    EXPECT_EQ(ReadBytes(path), "");
}

TEST(ResinDatabaseFile, UnopenableFileIsReportedWithItsReason) {
    TempFolder folder;
    const ResinLoad missing = LoadResinDatabase(folder.path("missing.dat"));
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.openError, "No such file or directory");
    EXPECT_TRUE(missing.records.empty());
    EXPECT_EQ(ResinLoadMessage(missing),
              "Error: the resin database could not be read (No such file or directory).");

    const ResinLoad folderLoad = LoadResinDatabase(folder.root().string());
    EXPECT_FALSE(folderLoad.opened);
    EXPECT_EQ(folderLoad.openError, "Is a directory");
}

TEST(ResinDatabaseFile, FailedSaveLeavesTheOldFile) {
    TempFolder folder;
    const std::string path = folder.path("resins.dat");
    WriteBytes(path, kPpText);
    const std::vector<ResinRecord> records = {Record("new", false, {})};
    const WriteOutcome missingFolder =
        SaveResinDatabase(folder.path("gone/resins.dat"), records, 0);
    EXPECT_FALSE(missingFolder.ok);
    EXPECT_EQ(missingFolder.error, "No such file or directory");
    EXPECT_FALSE(SaveResinDatabase(folder.root().string(), records, 0).ok);
    EXPECT_EQ(ReadBytes(path), kPpText);
}

}  // namespace
}  // namespace veredod
