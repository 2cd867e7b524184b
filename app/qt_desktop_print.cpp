// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <string_view>

#include "app/name_text.h"
#include "app/print_lines.h"
#include "app/qt_desktop.h"
#include "model/atomic_write.h"

namespace veredod::app {

namespace {

const char* const kDocumentName = "Veredod 2000";

// The report laid out on `device`, finished; false with the reason when it
// could not be.
bool PaintReport(QPagedPaintDevice& device, const std::vector<std::string>& lines, QString* error) {
    QPainter painter;
    if (!painter.begin(&device)) {
        *error = QStringLiteral("the document could not be started");
        return false;
    }
    if (!PrintLinesOn(painter, device, lines, error)) {
        painter.end();
        return false;
    }
    if (!painter.end()) {
        *error = QStringLiteral("the document could not be finished");
        return false;
    }
    return true;
}

}  // namespace

bool PrintLinesOn(QPainter& painter, QPagedPaintDevice& device,
                  const std::vector<std::string>& lines, QString* error) {
    const QFontMetrics metrics(painter.font(), &device);
    const int lineHeight = metrics.lineSpacing();
    const int pageHeight = device.height();
    int top = 0;
    for (const std::string& line : lines) {
        if (!painter.isActive()) {
            if (error) *error = QStringLiteral("The printer stopped accepting output");
            return false;
        }
        // A page always takes at least one line, however small it is.
        if (top > 0 && top + lineHeight > pageHeight) {
            if (!device.newPage()) {
                if (error) *error = QStringLiteral("The printer could not start a new page");
                return false;
            }
            top = 0;
        }
        if (!line.empty()) {
            // The resin name line holds the name as the database file has it.
            painter.drawText(QPoint(0, top + metrics.ascent()), DecodeName(line));
        }
        top += lineHeight;
    }
    return true;
}

bool QtDesktop::printLines(const std::vector<std::string>& lines, std::string& error) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        error = "No default printer is set up";
        return false;
    }
    QPrinter printer(info);
    printer.setDocName(QString::fromLatin1(kDocumentName));
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = "The printer " + info.printerName().toStdString() + " could not be opened";
        return false;
    }
    QString reason;
    if (!PrintLinesOn(painter, printer, lines, &reason)) {
        // Nothing of a report that stopped half way may reach the paper.
        printer.abort();
        painter.end();
        error = reason.toStdString();
        return false;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        error = "The printer reported an error";
        return false;
    }
    return true;
}

// The PDF takes the page of the printer the report would go to (the default
// printer's, or the locale's usual page where there is none) at the same
// resolution, so its lines and page breaks are the printer's.
bool QtDesktop::writePdf(const std::vector<std::string>& lines, const std::string& path,
                         std::string& error) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        const QPrinter printer;
        QPdfWriter writer(&pdf);
        writer.setTitle(QString::fromLatin1(kDocumentName));
        writer.setCreator(QString::fromLatin1(kDocumentName));
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        QString reason;
        if (!PaintReport(writer, lines, &reason)) {
            error = reason.toStdString();
            return false;
        }
    }
    const QByteArray& bytes = pdf.data();
    const WriteOutcome outcome =
        WriteFileAtomically(path, std::string_view(bytes.constData(), size_t(bytes.size())));
    error = outcome.error;
    return outcome.ok;
}

void QtDesktop::previewLines(const std::vector<std::string>& lines) {
    QPrinter printer;
    printer.setDocName(QString::fromLatin1(kDocumentName));
    QPrintPreviewDialog preview(&printer, m_owner);
    // Printing from the preview paints again, onto the printer.
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&lines](QPrinter* target) {
                         QPainter painter(target);
                         if (!PrintLinesOn(painter, *target, lines)) target->abort();
                     });
    preview.exec();
}

}  // namespace veredod::app
