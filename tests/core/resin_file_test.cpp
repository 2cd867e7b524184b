#include "resins/resin_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/temp_folder.h"

namespace veredod {
namespace {

using testing::ReadBytes;
using testing::SourcePath;

ResinRecord Record(std::string name, bool metric, std::vector<double> numbers = std::vector<double>(8)) {
    ResinRecord record;
    record.ResinName = std::move(name);
    record.ResinIsMetric = metric;
    for (int i = 0; i < ResinRecord::kNumberCount; ++i) record.number(i) = numbers.at(i);
    return record;
}

// The documented example: a metric record named PP.
constexpr std::string_view kPpText =
    "PP\r\nTrue\r\n 1.3 \r\n 735 \r\n 907 \r\n 7500 \r\n .35 \r\n 2100 \r\n 160000 \r\n .2 \r\n";
const ResinRecord kPp = Record("PP", true, {1.3, 735, 907, 7500, 0.35, 2100, 160000, 0.2});

TEST(ResinDatabase, WritesTenCrLfLinesForEachRecordInUse) {
    EXPECT_EQ(ResinDatabaseText({kPp, kPp}, 0), kPpText);
    EXPECT_EQ(ResinDatabaseText({kPp}, 7), kPpText);
    EXPECT_EQ(ResinDatabaseText({kPp}, -1), "");
}

TEST(ResinDatabase, RoundTripsNamesFlagsAndValuesAsTheyAre) {
    const std::vector<ResinRecord> records = {
        Record("   leading blanks and trailing  ", false, {1.0 / 3, 46.8, 57.4, 2, 0.35, 0.5, 50, 0.13}),
        Record("", false),
        Record("Latin-1 \xB0" "C \xE9t\xE9", true, {-1, 1e-9, 6.02e23, 1, 1, 1, 1, 1}),
        Record("UTF-8 \xC2\xB0" "C \xE2\x82\xAC", false, {2.0 / 3, 0, 0, 0, 0, 0, 0, 0}),
        Record("tab\there,\"quoted\",trailing CR\r", true, {123456.789012345, 0, 0, 0, 0, 0, 0, 0}),
    };
    const std::string text = ResinDatabaseText(records, 4);
    const ResinLoad load = ReadResinDatabase(text);
    EXPECT_EQ(ResinLoadMessage(load), "");
    ASSERT_EQ(load.records.size(), records.size());
    for (size_t r = 0; r < records.size(); ++r) {
        EXPECT_EQ(load.records[r].ResinName, records[r].ResinName);
        EXPECT_EQ(load.records[r].ResinIsMetric, records[r].ResinIsMetric);
        for (int i = 0; i < ResinRecord::kNumberCount; ++i) {
            EXPECT_NEAR(load.records[r].number(i), records[r].number(i), std::fabs(records[r].number(i)) * 1e-14);
        }
    }
    EXPECT_EQ(ResinDatabaseText(load.records, 4), text);
}

TEST(ResinDatabase, ReadsLfLinesFlagWordsInAnyCaseBlanksAndALastLineWithoutEnding) {
    const ResinLoad load = ReadResinDatabase(" A \n true \n1\n+2\n3.\n.4\n\t5\t\n6E1\n7e-1\n-8\nB\nFALSE\n0\n0\n0\n0\n0\n0\n0\n0");
    EXPECT_EQ(ResinLoadMessage(load), "");
    EXPECT_EQ(load.records, (std::vector{Record(" A ", true, {1, 2, 3, 0.4, 5, 60, 0.7, -8}), Record("B", false)}));
    EXPECT_TRUE(ReadResinDatabase("").records.empty());
}

TEST(ResinDatabase, ACutRecordIsAddedWithOneProblemPerMissingValue) {
    const ResinLoad load = ReadResinDatabase(std::string(kPpText) + "PS\r\nTrue\r\n 1.6 \r\n");
    EXPECT_EQ(load.records, (std::vector{kPp, Record("PS", true, {1.6, 0, 0, 0, 0, 0, 0, 0})}));
    ASSERT_EQ(load.problems.size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(load.problems[i].line, static_cast<int>(14 + i));
        EXPECT_EQ(load.problems[i].description, "Input past end of file");
    }
}

TEST(ResinDatabase, UnreadableValuesKeepTheBlankValueAndAreReportedByLine) {
    const ResinLoad load = ReadResinDatabase(std::string(kPpText) + "Bad\r\nYes\r\n1\r\nabc\r\n3\r\n1.2.3\r\n5\r\n\r\n7\r\ninf\r\n");
    EXPECT_EQ(load.records.at(1), Record("Bad", false, {1, 0, 3, 0, 5, 0, 7, 0}));
    EXPECT_EQ(ResinLoadMessage(load),
              "Error in line 12: Type mismatch (\"Yes\" is not True or False)\n"
              "Error in line 14: Type mismatch (\"abc\" is not a number)\n"
              "Error in line 16: Type mismatch (\"1.2.3\" is not a number)\n"
              "Error in line 18: Type mismatch (\"\" is not a number)\n"
              "Error in line 20: Type mismatch (\"inf\" is not a number)");
}

TEST(ResinDatabase, TheMessageShowsTenProblemsShortAndOnOneLine) {
    std::string text;
    for (int r = 0; r < 3; ++r) text += "X\r\nmaybe\r\na\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\n";
    const std::string message = ResinLoadMessage(ReadResinDatabase(text));
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 10);
    EXPECT_TRUE(message.starts_with("Error in line 2: Type mismatch (\"maybe\" is not True or False)\n"
                                    "Error in line 3: Type mismatch (\"a\" is not a number)\n"));
    EXPECT_TRUE(message.ends_with("\nError in line 12: Type mismatch (\"maybe\" is not True or False)\n"
                                  "... and 17 more problems."));

    const std::string longToken = std::string(10 * 1024 * 1024, '7') + "x";
    EXPECT_EQ(ResinLoadMessage(ReadResinDatabase("name\r\nTrue\r\n" + longToken + "\r\n" + std::string("N\0\r\n", 4))),
              "Error in line 3: Type mismatch (\"" + std::string(40, '7') + "...\" is not a number)\n"
              "Error in line 4: Type mismatch (\"N?\" is not a number)\n"
              "Error in line 5: Input past end of file\nError in line 6: Input past end of file\n"
              "Error in line 7: Input past end of file\nError in line 8: Input past end of file\n"
              "Error in line 9: Input past end of file\nError in line 10: Input past end of file");
    std::string binary;
    for (int i = 0; i < 200000; ++i) binary += static_cast<char>((i * 7919) % 256);
    const std::string binaryMessage = ResinLoadMessage(ReadResinDatabase(binary));
    EXPECT_EQ(binaryMessage.find('\0'), std::string::npos);
    EXPECT_EQ(std::count(binaryMessage.begin(), binaryMessage.end(), '\n'), 10);
}

TEST(ResinDatabase, KeepsTheFirst32768RecordsAndSaysSo) {
    std::vector<ResinRecord> records(kMaxResinIndex + 2, kPp);
    const ResinLoad load = ReadResinDatabase(ResinDatabaseText(records, kMaxResinIndex + 1));
    EXPECT_EQ(load.records.size(), 32768u);
    EXPECT_TRUE(load.stoppedAtLimit);
    EXPECT_EQ(ResinLoadMessage(load), "Only the first 32,768 resins were loaded: the resin list cannot hold more.");
    EXPECT_FALSE(ReadResinDatabase(ResinDatabaseText(records, kMaxResinIndex)).stoppedAtLimit);
}

TEST(ResinDatabase, SavesLoadsAndReportsTheDisk) {
    testing::TempFolder folder;
    const std::string path = folder.path("resins.dat");
    ASSERT_TRUE(SaveResinDatabase(path, {kPp, Record("unused", true)}, 0).ok);
    EXPECT_EQ(ReadBytes(path), kPpText);
    EXPECT_EQ(LoadResinDatabase(path).records, std::vector{kPp});
    EXPECT_EQ(SaveResinDatabase(folder.path("gone/resins.dat"), {kPp}, 0).error, "No such file or directory");
    EXPECT_EQ(ResinLoadMessage(LoadResinDatabase(folder.path("missing.dat"))),
              "Error: the resin database could not be read (No such file or directory).");
    EXPECT_EQ(LoadResinDatabase(folder.root().string()).openError, "Is a directory");

    const ResinLoad sample = LoadResinDatabase(SourcePath("data/resins.dat"));
    EXPECT_EQ(ResinLoadMessage(sample), "");
    ASSERT_TRUE(SaveResinDatabase(path, sample.records, static_cast<int>(sample.records.size()) - 1).ok);
    EXPECT_EQ(ReadBytes(path), ReadBytes(SourcePath("data/resins.dat")));
}

}  // namespace
}  // namespace veredod
