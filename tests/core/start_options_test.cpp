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
    EXPECT_TRUE(desktop.dialogs.empty());
    EXPECT_TRUE(desktop.messages.empty());
    const WindowState& s = model.state();
    EXPECT_EQ(s.ResinFile, kSampleResins);
    EXPECT_EQ(s.CaseFile, kSampleCase);
    EXPECT_EQ(s.caption, std::string(kProductTitle) + " (" + kSampleCase + ")");
    EXPECT_EQ(s.txtVar[0].text, "63.5");
    EXPECT_EQ(model.resinTable().Resins.at(model.resinTable().CurrentResin).ResinName,
              "Worked example resin (metric)");
    EXPECT_EQ(desktop.busyChanges, (std::vector<bool>{true, false}));
}

// The usual load message, then the dialog, whose Cancel still ends the start.
TEST_F(StartOptionsTest, AnUnreadableDatabaseIsReportedAndThenAskedFor) {
    for (const bool cancel : {false, true}) {
        SCOPED_TRACE(cancel ? "cancelled" : "chosen");
        BusyRecordingDesktop asked;
        MainModel started(asked);
        const std::string chosen = writeDatabase(SampleResins());
        asked.answerFileDialog(cancel ? "" : chosen);
        EXPECT_EQ(started.startUp({folder.path("missing.dat"), ""}), !cancel);
        EXPECT_EQ(Texts(asked.messages),
                  (std::vector<std::string>{"Error: No such file or directory"}));
        ASSERT_EQ(asked.dialogs.size(), 1u);
        EXPECT_EQ(asked.dialogs[0].title, "Open Resin Database File");
        EXPECT_EQ(started.state().cmbResins.size(), cancel ? 0u : 3u);
    }
}

TEST_F(StartOptionsTest, ADatabaseThatReadsWithProblemsIsTakenWithItsMessage) {
    const std::string path = folder.path("picture.dat");
    WriteFileBytes(path, "not a resin\r\nmaybe\r\nseven\r\n");
    ASSERT_TRUE(model.startUp({path, ""}));
    EXPECT_TRUE(desktop.dialogs.empty());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text.rfind("Error in line 2", 0), 0u) << desktop.messages[0].text;
    EXPECT_EQ(model.state().ResinFile, path);
}

TEST_F(StartOptionsTest, AMissingCaseIsReportedAsOpenReportsIt) {
    const std::string resins = writeDatabase(SampleResins());
    ASSERT_TRUE(model.startUp({resins, folder.path("missing.txt")}));
    EXPECT_EQ(Texts(desktop.messages),
              (std::vector<std::string>{"Output Error: No such file or directory"}));
    EXPECT_EQ(model.state().CaseFile, "");
    EXPECT_EQ(model.state().caption, "Veredod Single Screw Extrusion Simulation");
}

// Export PDF and Print Preview take the report Print would send.
class ReportOutletsTest : public ModelTest {
protected:
    ReportOutletsTest() { EXPECT_TRUE(model.startUp({kSampleResins, kSampleCase})); }

    std::vector<std::string> report() const {
        return BuildReport(model.currentCase(), model.resinTable(), model.modes()).lines;
    }
};

TEST_F(ReportOutletsTest, ExportWritesTheReportWhereTheUserChose) {
    const std::string pdf = folder.path("report.pdf");
    desktop.answerFileDialog(pdf);
    model.mnuExportPdf_Click();
    ASSERT_EQ(desktop.dialogs.size(), 1u);
    const FileDialogRequest& request = desktop.dialogs[0];
    EXPECT_EQ(request.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(request.title, "Export PDF");
    EXPECT_EQ(request.defaultExtension, "PDF");
    EXPECT_EQ(request.filter, "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*");
    EXPECT_EQ(request.initialName, kSource + "/examples/worked-example-metric.pdf");
    ASSERT_EQ(desktop.pdfs.size(), 1u);
    EXPECT_EQ(desktop.pdfs[0].first, pdf);
    EXPECT_EQ(desktop.pdfs[0].second, report());
    EXPECT_EQ(report().size(), 60u);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(ReportOutletsTest, ACancelledExportWritesNothingAndAFailedOneSaysWhy) {
    desktop.answerFileDialog("");
    model.mnuExportPdf_Click();
    EXPECT_TRUE(desktop.pdfs.empty());
    EXPECT_TRUE(desktop.messages.empty());

    const std::string pdf = folder.path("report.pdf");
    desktop.pdfError = "Permission denied";
    desktop.answerFileDialog(pdf);
    model.mnuExportPdf_Click();
    EXPECT_EQ(Texts(desktop.messages),
              (std::vector<std::string>{SaveFailedMessage(pdf, "Permission denied")}));
}

TEST_F(ReportOutletsTest, PreviewShowsTheReport) {
    model.mnuPrintPreview_Click();
    EXPECT_EQ(desktop.previewed, (std::vector<std::vector<std::string>>{report()}));
    EXPECT_TRUE(desktop.messages.empty());
}

// A report that stops short is "Print Error" on every outlet, before any dialog.
TEST_F(ReportOutletsTest, AReportThatCannotBeMadeIsAPrintError) {
    model.mutableResins().CurrentResin = 99;
    model.mnuExportPdf_Click();
    model.mnuPrintPreview_Click();
    EXPECT_TRUE(desktop.dialogs.empty());
    EXPECT_TRUE(desktop.pdfs.empty());
    EXPECT_TRUE(desktop.previewed.empty());
    ASSERT_EQ(desktop.messages.size(), 2u);
    for (const RecordedMessage& message : desktop.messages) {
        EXPECT_EQ(message.icon, MessageIcon::Critical);
        EXPECT_EQ(message.text, "Print Error");
        EXPECT_EQ(message.title, "Veredod");
    }
}

}  // namespace
}  // namespace veredod::testing
