// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_fixture.h"
#include "output/report.h"

namespace veredod::testing {
namespace {

const std::string kSource = VEREDOD_SOURCE_DIR;
const std::string kSampleResins = kSource + "/data/resins.dat";
const std::string kSampleCase = kSource + "/examples/worked-example-metric.txt";

using StartOptionsTest = ModelTest;

std::vector<std::string> Texts(const std::vector<RecordedMessage>& messages) {
    std::vector<std::string> texts;
    for (const RecordedMessage& message : messages) texts.push_back(message.text);
    return texts;
}

TEST_F(StartOptionsTest, TheSampleDatabaseAndCaseStartReadyWithoutAQuestion) {
    ASSERT_TRUE(model.startUp({kSampleResins, kSampleCase}));
    EXPECT_TRUE(desktop.dialogs.empty() && desktop.messages.empty());
    EXPECT_EQ(model.state().caption, std::string(kProductTitle) + " (" + kSampleCase + ")");
    EXPECT_EQ(model.state().txtVar[0].text, "63.5");
    EXPECT_EQ(model.resinTable().Resins.at(model.resinTable().CurrentResin).ResinName,
              "Worked example resin (metric)");
    EXPECT_EQ(desktop.busyChanges, (std::vector<bool>{true, false}));
}

// The usual load message, then the dialog, whose Cancel still ends the start.
TEST_F(StartOptionsTest, BadFilesAreReportedAsOpenReportsThem) {
    for (const bool cancel : {false, true}) {
        BusyRecordingDesktop asked;
        MainModel started(asked);
        asked.answerFileDialog(cancel ? "" : writeDatabase(SampleResins()));
        EXPECT_EQ(started.startUp({folder.path("missing.dat"), ""}), !cancel);
        EXPECT_EQ(Texts(asked.messages),
                  (std::vector<std::string>{"Error: No such file or directory"}));
        ASSERT_EQ(asked.dialogs.size(), 1u);
        EXPECT_EQ(started.state().cmbResins.size(), cancel ? 0u : 3u);
    }
    // A database that reads with problems is taken with its message.
    const std::string path = folder.path("picture.dat");
    WriteFileBytes(path, "not a resin\r\nmaybe\r\nseven\r\n");
    ASSERT_TRUE(model.startUp({path, folder.path("missing.txt")}));
    EXPECT_TRUE(desktop.dialogs.empty());
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].text.rfind("Error in line 2", 0), 0u) << desktop.messages[0].text;
    EXPECT_EQ(desktop.messages[1].text, "Output Error: No such file or directory");
    EXPECT_EQ(model.state().ResinFile, path);
    EXPECT_EQ(model.state().CaseFile, "");
}

// Export PDF and Print Preview take the report Print would send; a report
// that stops short is "Print Error" on every outlet, before any dialog.
TEST_F(StartOptionsTest, ExportAndPreviewTakeThePrintedReport) {
    ASSERT_TRUE(model.startUp({kSampleResins, kSampleCase}));
    const auto report = BuildReport(model.currentCase(), model.resinTable(), model.modes()).lines;
    EXPECT_EQ(report.size(), 60u);
    const std::string pdf = folder.path("report.pdf");
    desktop.answerFileDialog(pdf);
    model.mnuExportPdf_Click();
    ASSERT_EQ(desktop.dialogs.size(), 1u);
    EXPECT_EQ(desktop.dialogs[0].mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(desktop.dialogs[0].initialName, kSource + "/examples/worked-example-metric.pdf");
    EXPECT_EQ(desktop.pdfs,
              (std::vector<std::pair<std::string, std::vector<std::string>>>{{pdf, report}}));
    model.mnuPrintPreview_Click();
    EXPECT_EQ(desktop.previewed, (std::vector<std::vector<std::string>>{report}));

    desktop.answerFileDialog("");
    model.mnuExportPdf_Click();
    desktop.pdfError = "Permission denied";
    desktop.answerFileDialog(pdf);
    model.mnuExportPdf_Click();
    EXPECT_EQ(desktop.pdfs.size(), 1u);
    EXPECT_EQ(Texts(desktop.messages),
              (std::vector<std::string>{SaveFailedMessage(pdf, "Permission denied")}));

    desktop.messages.clear();
    desktop.dialogs.clear();
    model.mutableResins().CurrentResin = 99;
    model.mnuExportPdf_Click();
    model.mnuPrintPreview_Click();
    EXPECT_TRUE(desktop.dialogs.empty());
    EXPECT_EQ(desktop.previewed.size(), 1u);
    ASSERT_EQ(desktop.messages.size(), 2u);
    for (const RecordedMessage& message : desktop.messages) {
        EXPECT_EQ(message.icon, MessageIcon::Critical);
        EXPECT_EQ(message.text, "Print Error");
        EXPECT_EQ(message.title, "Veredod");
    }
}

}  // namespace
}  // namespace veredod::testing
