// SPDX-License-Identifier: GPL-3.0-or-later
// The case's die in the case file; the window's die tab is played in
// tests/data/model/die.txt.

#include <gtest/gtest.h>

#include "casefile/case_file.h"
#include "core/worked_examples.h"
#include "model/die.h"
#include "support/golden_rows.h"

namespace veredod::testing {
namespace {

TEST(CaseFileDie, BlockFollowsTheTwentyFourLinesAndKeepsWhatItCanRead) {
    const Die die =
        ParseDie("circular:count=4,d=3.5,l=12.5;slit:w=300,h=1.2,l=40;annulus:do=60,di=56,l=30")
            .die;
    const std::string block =
        "[Die]\r\ncircular:count=4,d=3.5,l=12.5\r\nslit:w=300,h=1.2,l=40\r\n"
        "annulus:do=60,di=56,l=30\r\n[End Die]\r\n";
    const Modes modes{ScrewType::TwoStage, UnitSystem::Metric};
    const std::string plain = CaseFileText(MetricWorkedCase(), modes, 2);
    EXPECT_EQ(CaseFileText(MetricWorkedCase(), modes, 2, Die{}), plain);
    EXPECT_EQ(CaseFileText(MetricWorkedCase(), modes, 2, die), plain + block);
    const CaseFileData read = ReadCaseFile(plain + block), old = ReadCaseFile(plain);
    EXPECT_EQ(read.die, die);
    EXPECT_TRUE(read.errors.empty());
    EXPECT_EQ(read.numbers, old.numbers);
    EXPECT_FALSE(old.die.has_value());

    for (const auto& row : GoldenRows("case_file_die_blocks.txt")) {
        const CaseFileData data = ReadCaseFile(CaseFileText(Case{}, Modes{}, 0) + row.at(0));
        ASSERT_TRUE(data.die.has_value()) << row[0];
        EXPECT_EQ(data.die->elements.size(), 1u);
        EXPECT_EQ(data.errors, row.at(1).empty() ? std::vector<std::string>{}
                                                 : std::vector<std::string>{row[1]});
    }
}

}  // namespace
}  // namespace veredod::testing
