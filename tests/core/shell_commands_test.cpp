#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>

#include "output/report.h"
#include "support/scripted_desktop.h"
#include "window/main_model.h"
#include "worked_examples.h"

namespace veredod {
namespace {

using testing::ScriptedDesktop;

bool SameCase(const Case& a, const Case& b) {
    static_assert(std::is_trivially_copyable_v<Case>);
    return std::memcmp(&a, &b, sizeof(Case)) == 0;
}

// A window model holding the metric worked case and one resin, without
// going through the start-up dialogs.
class ShellCommandsTest : public ::testing::Test {
protected:
    ShellCommandsTest() : m_model(m_desktop) {
        m_model.mutableCase() = testing::MetricWorkedCase();
        m_model.mutableCase().DragFlow = 51.25;
        ResinTable& table = m_model.mutableResins();
        table.Resins = {testing::MetricWorkedResin(), ResinRecord{}};
        table.LastResin = 0;
        table.CurrentResin = 0;
    }

    std::vector<std::string> expectedReport() const {
        const ReportLines report =
            BuildReport(m_model.currentCase(), m_model.resinTable(), m_model.modes());
        EXPECT_TRUE(report.complete);
        return report.lines;
    }

    void expectPrintError() {
        ASSERT_EQ(m_desktop.messages.size(), 1u);
        EXPECT_EQ(m_desktop.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(m_desktop.messages[0].text, "Print Error");
        EXPECT_EQ(m_desktop.messages[0].title, "Veredod");
    }

    ScriptedDesktop m_desktop;
    MainModel m_model;
};

TEST_F(ShellCommandsTest, PrintSendsTheReportLinesAsTheyAre) {
    m_desktop.answerPrint(true);
    m_model.mnuPrint_Click();
    ASSERT_EQ(m_desktop.printed.size(), 1u);
    EXPECT_EQ(m_desktop.printed[0], expectedReport());
    EXPECT_EQ(m_desktop.printed[0].size(), 60u);
    EXPECT_TRUE(m_desktop.messages.empty());
}

TEST_F(ShellCommandsTest, PrintOfTheTwoStageScrewHasItsLongerReport) {
    m_model.selectScrewType(2);
    m_desktop.takeMessages();
    m_desktop.answerPrint(true);
    m_model.mnuPrint_Click();
    ASSERT_EQ(m_desktop.printed.size(), 1u);
    EXPECT_EQ(m_desktop.printed[0], expectedReport());
    EXPECT_EQ(m_desktop.printed[0].size(), 77u);
}

TEST_F(ShellCommandsTest, PrintingTwiceGivesTheSameReportAndChangesNothing) {
    const Case before = m_model.currentCase();
    const auto resultsBefore = m_model.state().lstResults;
    m_desktop.answerPrint(true);
    m_desktop.answerPrint(true);
    m_model.mnuPrint_Click();
    m_model.mnuPrint_Click();
    ASSERT_EQ(m_desktop.printed.size(), 2u);
    EXPECT_EQ(m_desktop.printed[0], m_desktop.printed[1]);
    EXPECT_TRUE(SameCase(before, m_model.currentCase()));
    EXPECT_EQ(resultsBefore, m_model.state().lstResults);
}

TEST_F(ShellCommandsTest, FailingPrinterGivesPrintErrorAndLeavesTheCase) {
    const Case before = m_model.currentCase();
    m_desktop.answerPrint(false, "paper jam");
    m_model.mnuPrint_Click();
    expectPrintError();
    EXPECT_TRUE(m_desktop.printed.empty());
    EXPECT_TRUE(SameCase(before, m_model.currentCase()));
}

TEST_F(ShellCommandsTest, ResinIndexOutsideTheTablePrintsNothing) {
    for (int index : {2, -1, kMaxResinIndex}) {
        m_model.mutableResins().CurrentResin = index;
        const Case before = m_model.currentCase();
        m_model.mnuPrint_Click();  // no printer answer queued: any print fails the test
        expectPrintError();
        EXPECT_TRUE(SameCase(before, m_model.currentCase()));
        m_desktop.takeMessages();
    }
}

TEST_F(ShellCommandsTest, ToolBarRunsItsCommands) {
    m_model.cmndToolBar_Click(5);
    EXPECT_EQ(m_desktop.aboutShown, 1);

    m_desktop.answerPrint(true);
    m_model.cmndToolBar_Click(3);
    EXPECT_EQ(m_desktop.printed.size(), 1u);

    const unsigned revision = m_model.state().resultsRevision;
    m_model.cmndToolBar_Click(4);
    EXPECT_GT(m_model.state().resultsRevision, revision);
    EXPECT_EQ(m_model.state().lstResults.size(), 17u);
    EXPECT_NE(m_model.currentCase().DragFlow, 51.25);
}

TEST_F(ShellCommandsTest, ToolBarOpenAndSaveAskForAFile) {
    m_desktop.answerFileDialog("");
    m_model.cmndToolBar_Click(1);
    ASSERT_EQ(m_desktop.dialogs.size(), 1u);
    EXPECT_EQ(m_desktop.dialogs[0].mode, FileDialogRequest::Mode::Open);

    m_desktop.answerFileDialog("");
    m_model.cmndToolBar_Click(2);
    ASSERT_EQ(m_desktop.dialogs.size(), 2u);
    EXPECT_EQ(m_desktop.dialogs[1].mode, FileDialogRequest::Mode::Save);
}

TEST_F(ShellCommandsTest, ToolBarNewClearsTheCase) {
    m_model.cmndToolBar_Click(0);
    EXPECT_EQ(m_model.currentCase().ScrewDiameter, 0);
    EXPECT_TRUE(m_desktop.dialogs.empty());
}

TEST_F(ShellCommandsTest, ToolBarIndexOutsideItsButtonsDoesNothing) {
    const Case before = m_model.currentCase();
    const unsigned revision = m_model.state().resultsRevision;
    for (int index : {-1, 6, 100}) m_model.cmndToolBar_Click(index);
    EXPECT_TRUE(SameCase(before, m_model.currentCase()));
    EXPECT_EQ(m_model.state().resultsRevision, revision);
    EXPECT_TRUE(m_desktop.messages.empty());
    EXPECT_TRUE(m_desktop.dialogs.empty());
    EXPECT_EQ(m_desktop.aboutShown, 0);
}

TEST_F(ShellCommandsTest, AboutShowsTheWindow) {
    m_model.mnuAbout_Click();
    m_model.mnuAbout_Click();
    EXPECT_EQ(m_desktop.aboutShown, 2);
}

TEST_F(ShellCommandsTest, WebAddressLabelOpensTheMakersPage) {
    m_model.lblWebAddress_Click();
    EXPECT_EQ(m_desktop.openedAddresses, std::vector<std::string>{"http://www.example.com"});
    EXPECT_TRUE(m_desktop.messages.empty());

    m_desktop.answerLaunch({LaunchResult::Status::GeneralFailure, 8});
    m_model.lblWebAddress_Click();
    ASSERT_EQ(m_desktop.messages.size(), 1u);
    EXPECT_EQ(m_desktop.messages[0].title, "Browser Unavailable");
    EXPECT_TRUE(m_desktop.messages[0].text.ends_with("(Error8)"));
}

}  // namespace
}  // namespace veredod
