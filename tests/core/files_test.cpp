// SPDX-License-Identifier: GPL-3.0-or-later
// The two files on disk, inputs too large for the rules table, and the cells'
// fields.
#include <gtest/gtest.h>

#include <algorithm>

#include "casefile/case_file.h"
#include "entry/cell_reading.h"
#include "model/file_backup.h"
#include "resins/resin_file.h"
#include "support/temp_folder.h"

namespace veredod {
namespace {

using testing::ReadBytes;

// The documented example: a metric record named PP.
constexpr std::string_view kPpText =
    "PP\r\nTrue\r\n 1.3 \r\n 735 \r\n 907 \r\n 7500 \r\n .35 \r\n 2100 \r\n 160000 \r\n .2 \r\n";
const ResinRecord kPp = ReadResinDatabase(kPpText).records.at(0);

TEST(ResinDatabase, WritesTheRecordsInUse) {
    EXPECT_EQ(ResinDatabaseText({kPp, kPp}, 0), kPpText);
    EXPECT_EQ(ResinDatabaseText({kPp}, 7), kPpText);
    EXPECT_EQ(ResinDatabaseText({kPp}, -1), "");
}

TEST(ResinDatabase, KeepsMessagesShortOnHugeAndBinaryInput) {
    const std::string longToken = std::string(10 * 1024 * 1024, '7') + "x";
    EXPECT_TRUE(ResinLoadMessage(ReadResinDatabase("name\r\nTrue\r\n" + longToken + "\r\n"))
                    .starts_with("Error in line 3: Type mismatch (\"" + std::string(40, '7') +
                                 "...\" is not a number)\n"));
    std::string binary;
    for (int i = 0; i < 200000; ++i) binary += static_cast<char>((i * 7919) % 256);
    const std::string message = ResinLoadMessage(ReadResinDatabase(binary));
    EXPECT_EQ(message.find('\0'), std::string::npos);
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 10);
}

TEST(ResinDatabase, KeepsTheFirst32768RecordsAndSaysSo) {
    const std::vector<ResinRecord> records(kMaxResinIndex + 2, kPp);
    const ResinLoad load = ReadResinDatabase(ResinDatabaseText(records, kMaxResinIndex + 1));
    EXPECT_EQ(load.records.size(), 32768u);
    EXPECT_EQ(ResinLoadMessage(load),
              "Only the first 32,768 resins were loaded: the resin list cannot hold more.");
    EXPECT_FALSE(ReadResinDatabase(ResinDatabaseText(records, kMaxResinIndex)).stoppedAtLimit);
}

TEST(Files, AreSavedLoadedAndTheirFailuresReported) {
    testing::TempFolder folder;
    const std::string resins = folder.path("resins.dat");
    ASSERT_TRUE(SaveResinDatabase(resins, {kPp, ResinRecord{}}, 0).ok);
    EXPECT_EQ(ReadBytes(resins), kPpText);
    EXPECT_EQ(LoadResinDatabase(resins).records, std::vector{kPp});
    EXPECT_EQ(SaveResinDatabase(folder.path("gone/resins.dat"), {kPp}, 0).error,
              "No such file or directory");
    EXPECT_EQ(ResinLoadMessage(LoadResinDatabase(folder.path("missing.dat"))),
              "Error: the resin database could not be read (No such file or directory).");
    EXPECT_EQ(LoadResinDatabase(folder.root().string()).openError, "Is a directory");
    // A backup that cannot read its original is no backup.
    EXPECT_FALSE(KeepBackupCopy(folder.root().string()).ok);

    const std::string path = folder.path("case.txt");
    Case c;
    c.ScrewDiameter = 2.5;
    const Modes modes{ScrewType::TwoStage, UnitSystem::US, SectionLengthMode::Distance};
    ASSERT_TRUE(SaveCaseFile(path, c, modes, 12).ok);
    EXPECT_EQ(ReadBytes(path), CaseFileText(c, modes, 12));
    EXPECT_EQ(LoadCaseFile(path).resinIndex, 12);
    EXPECT_EQ(LoadCaseFile(folder.path("nothing.txt")).errors,
              std::vector<std::string>{"Output Error: No such file or directory"});
    EXPECT_EQ(SaveCaseFile(folder.root().string(), c, modes, 0).error, "Is a directory");
    for (int line : {-1, 0, 1, 2, 3, 14, 25})
        EXPECT_EQ(CaseFileField(c, line, ScrewType::Barrier), nullptr) << line;
}

TEST(Cells, IndicesOutsideAGroupNameNoField) {
    Case c;
    EXPECT_EQ(VarField(c, 11), &c.SecondFlightWidth);
    EXPECT_EQ(ExtSysField(c, 3, ScrewType::TwoStage), &c.SecondStageBackPressure);
    for (int i : {-1, 12}) EXPECT_EQ(VarField(c, i), nullptr);
    for (int i : {-1, 4}) EXPECT_EQ(ExtSysField(c, i, ScrewType::Barrier), nullptr);
    for (int i : {-1, 4}) EXPECT_EQ(MotorSpecField(c, i), nullptr);
}

}  // namespace
}  // namespace veredod
