#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "app/name_text.h"
#include "app/print_lines.h"
#include "app/qt_desktop.h"

namespace veredod::app {

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
    printer.setDocName(QStringLiteral("Veredod 2000"));
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

}  // namespace veredod::app
