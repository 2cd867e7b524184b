// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt side of the desktop: message boxes and file dialogs as the model
// asks for them and answered as a user would, where the resin dialog opens,
// the busy pointer, the Qt forms of filters, number formats and names, and
// the report's lines in a PDF, in the preview, on short pages and on pages
// that refuse to start.

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "app/name_text.h"
#include "app/print_lines.h"
#include "app/qt_conversions.h"
#include "app/qt_desktop.h"
#include "app/resin_dialog_start.h"

using namespace veredod;
using namespace veredod::app;

namespace {

// Runs `answer` on the modal window once it is up.
void WhenModalShows(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        }
    });
    poll->start(10);
}

// The file a dialog test picks is named in the request, which selects it
// before the dialog shows. Selecting it in the shown dialog instead would
// race the window's activation: once the file name field has the focus,
// QFileDialog::selectFile leaves the field alone, the dialog takes the
// folder for the choice, and accepting only opens that folder, forever.
FileDialogRequest Request(FileDialogRequest::Mode mode, const QString& initialName) {
    FileDialogRequest request;
    request.mode = mode;
    request.title = mode == FileDialogRequest::Mode::Open ? kResinDialogTitle : "Save";
    request.defaultExtension = mode == FileDialogRequest::Mode::Open ? "DAT" : "TXT";
    request.filter = "Veredod Resin Files (*.dat)|*.dat|All Files (*.*)|*.*";
    request.fileMustExist = mode == FileDialogRequest::Mode::Open;
    request.initialName = initialName.toStdString();
    return request;
}

// A PDF that refuses to start another page when told to.
class RefusingPdf : public QPdfWriter {
public:
    using QPdfWriter::QPdfWriter;
    bool newPage() override { return !refuse && QPdfWriter::newPage(); }
    bool refuse = false;
};

// Numbered lines with a blank one now and then, and a name kept as
// Windows-1252 bytes that must print as the window shows it.
std::vector<std::string> ReportLines(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(i % 7 == 0 ? "" : "Line " + std::to_string(i) + " = 1.25 kg/hr");
    lines[2] = "Poly\xE9thyl\xE8ne";
    return lines;
}

// The lines as they should stand on the pages of the printer the report
// goes to, blanks collapsed, as a PDF's text comes out.
QList<QStringList> ExpectedPages(const std::vector<std::string>& lines) {
    const QPrinter printer;
    const int perPage =
        std::max(1, printer.height() / QFontMetrics(QFont(), &printer).lineSpacing());
    QList<QStringList> pages;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i % perPage == 0) pages.append(QStringList());
        if (!lines[i].empty()) pages.last() << DecodeName(lines[i]).simplified();
    }
    return pages;
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    // The settings of this test, the dialogs' folders and history included,
    // stay in its own folder.
    void initTestCase() {
        QVERIFY(m_home.isValid());
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope,
                               m_home.filePath(QStringLiteral("config")));
        QCoreApplication::setOrganizationName(QStringLiteral("Ruvodad"));
        QCoreApplication::setApplicationName(QStringLiteral("Veredod 2000"));
    }

    void messageBoxShowsIconTextTitleAndOk() {
        const std::pair<MessageIcon, QMessageBox::Icon> icons[] = {
            {MessageIcon::Exclamation, QMessageBox::Warning},
            {MessageIcon::Information, QMessageBox::Information},
            {MessageIcon::Critical, QMessageBox::Critical}};
        for (const auto& [icon, boxIcon] : icons) {
            QString shown;
            WhenModalShows([&shown](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                if (box == nullptr) return modal->close(), void();
                shown = QStringLiteral("%1|%2|%3|%4")
                            .arg(box->icon())
                            .arg(box->text(), box->windowTitle())
                            .arg(box->buttons().size());
                box->button(QMessageBox::Ok)->click();
            });
            QtDesktop().showMessage(icon, "Error, please re-enter numeric value", "Veredod");
            QCOMPARE(
                shown,
                QStringLiteral("%1|Error, please re-enter numeric value|Veredod|1").arg(boxIcon));
        }
    }

    void fileDialogsTakeTheRequestsSettings() {
        QTemporaryDir dir;
        const QString resins = dir.filePath(QStringLiteral("resins.dat"));
        QFile(resins).open(QIODevice::WriteOnly);
        QStringList seen;
        auto accept = [&seen](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog == nullptr) return modal->close(), void();
            seen << dialog->nameFilters() << dialog->defaultSuffix()
                 << QString::number(dialog->fileMode()) << QString::number(dialog->acceptMode())
                 << QString::number(dialog->testOption(QFileDialog::DontConfirmOverwrite));
            QMetaObject::invokeMethod(dialog, "accept");
        };
        WhenModalShows(accept);
        QCOMPARE(QtDesktop().chooseFile(Request(FileDialogRequest::Mode::Open, resins)),
                 resins.toStdString());
        QCOMPARE(seen, QStringList({"Veredod Resin Files (*.dat)", "All Files (*)", "dat",
                                    QString::number(QFileDialog::ExistingFile),
                                    QString::number(QFileDialog::AcceptOpen), "0"}));
        seen.clear();
        // Save As replaces a file without asking, and adds the default extension.
        WhenModalShows(accept);
        QCOMPARE(QtDesktop().chooseFile(
                     Request(FileDialogRequest::Mode::Save, dir.filePath(QStringLiteral("case")))),
                 dir.filePath(QStringLiteral("case.txt")).toStdString());
        QCOMPARE(seen.mid(4), QStringList({QString::number(QFileDialog::AcceptSave), "1"}));
        WhenModalShows([](QWidget* modal) { modal->close(); });
        QCOMPARE(QtDesktop().chooseFile(Request(FileDialogRequest::Mode::Open, resins)),
                 std::string());
    }

    // A first start opens on the sample database; later starts on the one
    // used last, or on its folder once it has gone.
    void resinDialogOpensOnTheDatabaseUsedLast() {
        const QTemporaryDir folder;
        const QString mine = folder.filePath(QStringLiteral("mine.dat"));
        const QString gone = folder.filePath(QStringLiteral("gone.dat"));
        for (const QString& last : {QString(), mine, gone}) {
            QSettings().clear();
            if (!last.isEmpty()) {
                QVERIFY(QFile(last).open(QIODevice::WriteOnly));
                RememberResinDatabase(last);
            }
            QFile::remove(gone);
            QStringList shown;
            WhenModalShows([&shown](QWidget* modal) {
                if (auto* dialog = qobject_cast<QFileDialog*>(modal))
                    shown << dialog->directory().absolutePath() << dialog->selectedFiles();
                modal->close();
            });
            QtDesktop().chooseFile(Request(FileDialogRequest::Mode::Open, QString()));
            const QString expected = last.isEmpty() ? VEREDOD_SOURCE_DIR "/data/resins.dat" : last;
            QCOMPARE(shown.value(0), QFileInfo(expected).absolutePath());
            if (last != gone) QCOMPARE(shown.value(1), expected);
        }
    }

    void busyPointerComesAndGoes() {
        QtDesktop desktop;
        desktop.setBusy(true);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        desktop.setBusy(false);
        desktop.setBusy(false);  // one restore too many does no harm
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void filtersAndNumberFormatsBecomeQtForms() {
        const std::pair<const char*, const char*> filters[] = {
            {"Veredod Resin Files (*.dat)|*.dat|All Files (*.*)|*.*",
             "Veredod Resin Files (*.dat);;All Files (*)"},
            {"Text|*.txt", "Text (*.txt)"},
            {"Data (*.dat;*.res)|*.dat;*.res", "Data (*.dat *.res)"},
            {"Text (*.txt)|*.txt|Lonely", "Text (*.txt)"},
            {"", ""}};
        for (const auto& [pipeJoined, qtForm] : filters)
            QCOMPARE(ToQtFileFilter(pipeJoined), QString::fromLatin1(qtForm));
        // A narrow no-break space groups thousands in French: a plain blank here.
        const std::pair<QLocale, QString> formats[] = {
            {QLocale(QLocale::English, QLocale::UnitedStates), ".,"},
            {QLocale(QLocale::German, QLocale::Germany), ",."},
            {QLocale(QLocale::French, QLocale::France), ", "},
            {QLocale::c(), ".,"}};
        for (const auto& [locale, separators] : formats) {
            const NumberFormat format = NumberFormatFor(locale);
            QCOMPARE(QString(QChar(format.decimalSeparator)) + QChar(format.groupSeparator),
                     separators);
        }
    }

    void namesDecodeAsUtf8OrWindows1252() {
        const std::pair<QByteArray, QString> names[] = {
            {"PP, general purpose", "PP, general purpose"},
            {"Caf\xC3\xA9", QStringLiteral("Caf\u00E9")},
            {"\xE2\x82\xAC 5", QStringLiteral("\u20AC 5")},
            {"\xF0\x9F\x98\x80", QStringLiteral("\U0001F600")},
            {"Caf\xE9", QStringLiteral("Caf\u00E9")},
            {"\x93PE\x94 \x96 film\x99", QStringLiteral("\u201CPE\u201D \u2013 film\u2122")},
            {"A\x81\x9F", QStringLiteral("A\u0081\u0178")},
            {"Caf\xC3", QStringLiteral("Caf\u00C3")},
            {"\xC0\xAF", QStringLiteral("\u00C0\u00AF")},
            {"\xED\xA0\x80", QStringLiteral("\u00ED\u00A0\u20AC")},
            {"\xF4\x90\x80\x80", QStringLiteral("\u00F4\u0090\u20AC\u20AC")},
            {"", ""}};
        for (const auto& [bytes, shown] : names) QCOMPARE(DecodeName(bytes.toStdString()), shown);
        QCOMPARE(EncodeName(QStringLiteral("HDPE \u00FC \u20AC")),
                 std::string("HDPE \xC3\xBC \xE2\x82\xAC"));
    }

    void noDefaultPrinterIsAFailureWithAReason() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        std::string error;
        QVERIFY(!QtDesktop().printLines(ReportLines(77), error));
        QVERIFY(!error.empty());
    }

    // The PDF and the preview take the page of the printer the report would
    // go to; a PDF that cannot be written leaves a reason.
    void pdfAndPreviewHoldTheLinesPageByPage() {
        if (m_pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        const std::vector<std::string> lines = ReportLines(160);
        const QList<QStringList> expected = ExpectedPages(lines);
        QVERIFY(expected.size() > 1);
        const QString path = m_home.filePath(QStringLiteral("report.pdf"));
        std::string error;
        QVERIFY2(QtDesktop().writePdf(lines, path.toStdString(), error), error.c_str());
        QCOMPARE(pdfText(path), expected);
        const QString nowhere = m_home.filePath(QStringLiteral("gone/report.pdf"));
        QVERIFY(!QtDesktop().writePdf(lines, nowhere.toStdString(), error) && !error.empty());

        int previewPages = -1;
        WhenModalShows([&previewPages](QWidget* modal) {
            if (qobject_cast<QPrintPreviewDialog*>(modal) != nullptr)
                previewPages = modal->findChild<QPrintPreviewWidget*>()->pageCount();
            modal->close();
        });
        QtDesktop().previewLines(lines);
        QCOMPARE(previewPages, int(expected.size()));
    }

    // Pages with room for one line and a half take one each, a blank line
    // included; a page that cannot be started stops the print.
    void shortPagesTakeALineEachAndARefusedPageStops() {
        if (m_pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        const QString path = m_home.filePath(QStringLiteral("small.pdf"));
        for (bool refuse : {false, true}) {
            RefusingPdf pdf(path);
            pdf.refuse = refuse;
            const qreal line = QFontMetricsF(QFont(), &pdf).lineSpacing() * 72 / pdf.resolution();
            pdf.setPageSize(QPageSize(QSizeF(300, line * 1.5), QPageSize::Point));
            pdf.setPageMargins({});
            QPainter painter(&pdf);
            QString error;
            QCOMPARE(PrintLinesOn(painter, pdf, {"One", "", "Poly\xE9thyl\xE8ne"}, &error),
                     !refuse);
            QCOMPARE(error.isEmpty(), !refuse);
            painter.end();
            const QList<QStringList> pages = {
                {"One"}, {}, {QStringLiteral("Poly\u00E9thyl\u00E8ne")}};
            QCOMPARE(pdfText(path), pages.mid(0, refuse ? 1 : 3));
        }
    }

private:
    // The text of a PDF page by page, blanks collapsed.
    QList<QStringList> pdfText(const QString& path) {
        QProcess text;
        text.start(m_pdftotext, {path, QStringLiteral("-")});
        text.waitForFinished(30000);
        QStringList pageTexts = QString::fromUtf8(text.readAllStandardOutput()).split(u'\f');
        if (pageTexts.last().trimmed().isEmpty()) pageTexts.removeLast();
        QList<QStringList> pages;
        for (const QString& page : pageTexts) {
            pages.append(QStringList());
            for (const QString& line : page.split(u'\n')) {
                // A font's ligatures (fi, fl) would come back as one character each.
                const QString plain = line.normalized(QString::NormalizationForm_KC).simplified();
                if (!plain.isEmpty()) pages.last() << plain;
            }
        }
        return pages;
    }

    QTemporaryDir m_home;
    const QString m_pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
