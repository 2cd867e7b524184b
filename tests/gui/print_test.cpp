// SPDX-License-Identifier: GPL-3.0-or-later
// The report on paper: every line of the report, in order, one under another,
// through a printer that records what is drawn instead of printing it.

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextItem>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <optional>

#include "app/print_lines.h"
#include "app/qt_desktop.h"
#include "model/case.h"
#include "model/resin_table.h"
#include "output/report.h"

namespace {

using veredod::app::PrintLinesOn;

struct DrawnText {
    int page;
    QString text;
    QPointF baseline;
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        drawn.push_back({page, item.text(), p});
    }
    Type type() const override { return QPaintEngine::User; }

    int page = 0;
    std::vector<DrawnText> drawn;
};

// A page sequence of a given size that keeps what was drawn on which page.
class CapturedPrinter : public QPagedPaintDevice {
public:
    CapturedPrinter(int width, int height) : QPagedPaintDevice(nullptr), m_size(width, height) {}

    bool newPage() override {
        if (failNewPage) return false;
        ++engine.page;
        return true;
    }
    QPaintEngine* paintEngine() const override { return &engine; }

    mutable RecordingEngine engine;
    bool failNewPage = false;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return m_size.width();
            case PdmHeight:
                return m_size.height();
            case PdmWidthMM:
                return m_size.width() * 254 / 960;
            case PdmHeightMM:
                return m_size.height() * 254 / 960;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 96;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return QPagedPaintDevice::metric(metric);
        }
    }

private:
    QSize m_size;
};

veredod::ReportLines TwoStageReport() {
    veredod::Case c;
    c.ScrewDiameter = 63.5;
    c.MeteringLength = 20;
    c.SecondScrewDiameter = 63.5;
    c.SecondStageBackPressure = 150.25;
    c.DragFlow = 61.0354;
    veredod::ResinTable resins;
    veredod::ResinRecord resin;
    resin.ResinName = "HDPE blow moulding";
    resin.ResinIsMetric = true;
    resin.MeltDensity = 0.75;
    resins.Resins = {resin, {}};
    veredod::Modes modes;
    modes.screwType = veredod::ScrewType::TwoStage;
    return veredod::BuildReport(c, resins, modes);
}

int LineSpacing() {
    CapturedPrinter probe(800, 100);
    QPainter painter(&probe);
    return QFontMetrics(painter.font(), &probe).lineSpacing();
}

// Prints `lines`; the reason when it fails.
std::optional<QString> Print(CapturedPrinter& printer, const std::vector<std::string>& lines) {
    QPainter painter(&printer);
    QString error;
    if (PrintLinesOn(painter, printer, lines, &error)) return std::nullopt;
    return error;
}

// How many lines the printer the report goes to takes on a page.
int PrinterLinesPerPage() {
    const QPrinter printer;
    const int spacing = QFontMetrics(QFont(), &printer).lineSpacing();
    return std::max(1, printer.height() / spacing);
}

// The report's text lines as they should stand on each page, blanks
// collapsed, as a PDF's text comes out.
QList<QStringList> ExpectedPages(const std::vector<std::string>& lines) {
    const int perPage = PrinterLinesPerPage();
    QList<QStringList> pages;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i % perPage == 0) pages.append(QStringList());
        if (!lines[i].empty()) pages.last() << QString::fromStdString(lines[i]).simplified();
    }
    return pages;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void everyLineLandsInItsPlace_data();
    void everyLineLandsInItsPlace();
    void failedNewPageStopsThePrint();
    void namesPrintAsTheWindowShowsThem();
    void noDefaultPrinterIsAFailureWithAReason();
    void pdfHoldsTheReportPageByPage();
    void previewShowsThePrintersPages();
};

void PrintTest::everyLineLandsInItsPlace_data() {
    QTest::addColumn<int>("linesPerPage");
    QTest::newRow("one page") << 200;
    QTest::newRow("pages of 20 lines") << 20;
    QTest::newRow("pages of 1 line") << 1;
}

void PrintTest::everyLineLandsInItsPlace() {
    QFETCH(int, linesPerPage);
    const veredod::ReportLines report = TwoStageReport();
    QVERIFY(report.complete);
    QCOMPARE(report.lines.size(), std::size_t{77});

    const int spacing = LineSpacing();
    // A little spare height that holds no whole line.
    CapturedPrinter printer(800, linesPerPage * spacing + spacing / 2);
    const QFontMetrics metrics(QPainter(&printer).font(), &printer);
    const std::optional<QString> error = Print(printer, report.lines);
    QVERIFY2(!error, qPrintable(error.value_or(QString())));

    std::size_t next = 0;
    for (std::size_t i = 0; i < report.lines.size(); ++i) {
        if (report.lines[i].empty()) continue;
        QVERIFY2(next < printer.engine.drawn.size(), "a line is missing");
        const DrawnText& drawn = printer.engine.drawn[next++];
        const int row = static_cast<int>(i) % linesPerPage;
        QCOMPARE(drawn.text, QString::fromStdString(report.lines[i]));
        QCOMPARE(drawn.page, static_cast<int>(i) / linesPerPage);
        QCOMPARE(drawn.baseline.x(), 0.0);
        QCOMPARE(drawn.baseline.y(), qreal(row * spacing + metrics.ascent()));
    }
    QCOMPARE(next, printer.engine.drawn.size());
    QCOMPARE(printer.engine.page, (77 - 1) / linesPerPage);
}

void PrintTest::failedNewPageStopsThePrint() {
    CapturedPrinter printer(800, 10 * LineSpacing());
    printer.failNewPage = true;
    QVERIFY(!Print(printer, TwoStageReport().lines).value_or(QString()).isEmpty());
    QVERIFY(printer.engine.drawn.size() <= 10);
    QCOMPARE(printer.engine.page, 0);
}

// Names kept as Windows-1252 bytes print as the window shows them.
void PrintTest::namesPrintAsTheWindowShowsThem() {
    CapturedPrinter printer(800, 1000);
    QVERIFY(!Print(printer, {"Poly\xE9thyl\xE8ne", "Polyéthylène", ""}));
    QCOMPARE(printer.engine.drawn.size(), std::size_t{2});
    for (const DrawnText& drawn : printer.engine.drawn)
        QCOMPARE(drawn.text, QStringLiteral("Polyéthylène"));
}

void PrintTest::noDefaultPrinterIsAFailureWithAReason() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
    veredod::app::QtDesktop desktop;
    std::string error;
    QVERIFY(!desktop.printLines(TwoStageReport().lines, error));
    QVERIFY(!error.empty());
}

void PrintTest::pdfHoldsTheReportPageByPage() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    // Two reports in a row run over a page at any usual font and paper size.
    std::vector<std::string> lines = TwoStageReport().lines;
    lines.insert(lines.end(), lines.begin(), lines.end());
    lines.back() = "Polyéthylène";
    veredod::app::QtDesktop desktop;
    std::string error;
    QVERIFY2(desktop.writePdf(lines, path.toStdString(), error), error.c_str());

    QProcess text;
    text.start(pdftotext, {path, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    QCOMPARE(text.exitCode(), 0);
    QStringList pageTexts = QString::fromUtf8(text.readAllStandardOutput()).split(u'\f');
    if (pageTexts.last().trimmed().isEmpty()) pageTexts.removeLast();
    QList<QStringList> pages;
    for (const QString& page : pageTexts) {
        QStringList lines;
        for (const QString& line : page.split(u'\n')) {
            // The font's ligatures (fi, fl) come back as one character each.
            const QString plain = line.normalized(QString::NormalizationForm_KC).simplified();
            if (!plain.isEmpty()) lines << plain;
        }
        pages.append(lines);
    }
    const QList<QStringList> expected = ExpectedPages(lines);
    QVERIFY(expected.size() > 1);
    QCOMPARE(pages, expected);
}

void PrintTest::previewShowsThePrintersPages() {
    int shownPages = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        if (qobject_cast<QPrintPreviewDialog*>(modal) != nullptr) {
            shownPages = modal->findChild<QPrintPreviewWidget*>()->pageCount();
        }
        modal->close();
    });
    poll.start(20);
    veredod::app::QtDesktop desktop;
    const veredod::ReportLines report = TwoStageReport();
    desktop.previewLines(report.lines);
    QCOMPARE(shownPages, int(ExpectedPages(report.lines).size()));
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
