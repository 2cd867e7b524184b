// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt side of the desktop: message boxes and file dialogs set up from the
// model's requests, the busy pointer, the dialog filter and number format
// conversions, and the decoding of names kept as bytes.

#include "app/qt_desktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/name_text.h"
#include "app/qt_conversions.h"

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
    request.title = mode == FileDialogRequest::Mode::Open ? "Open Resin Database File"
                                                          : "Save Current Data Entries";
    request.defaultExtension = mode == FileDialogRequest::Mode::Open ? "DAT" : "TXT";
    request.filter = "Veredod Resin Files (*.dat)|*.dat|All Files (*.*)|*.*";
    request.fileMustExist = mode == FileDialogRequest::Mode::Open;
    request.initialName = initialName.toStdString();
    return request;
}

}  // namespace

class QtDesktopTest : public QObject {
    Q_OBJECT

private slots:
    // The dialogs keep their last folder and history in Qt's settings: those
    // of a test user, never the real one.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void messageBoxShowsIconTextTitleAndOk();
    void fileDialogsTakeTheRequestsSettings();
    void busyPointerComesAndGoes();
    void filtersAndNumberFormatsBecomeQtForms();
    void namesDecodeAsUtf8OrWindows1252();
};

void QtDesktopTest::messageBoxShowsIconTextTitleAndOk() {
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
        QCOMPARE(shown,
                 QStringLiteral("%1|Error, please re-enter numeric value|Veredod|1").arg(boxIcon));
    }
}

void QtDesktopTest::fileDialogsTakeTheRequestsSettings() {
    QTemporaryDir dir;
    const QString resins = dir.filePath(QStringLiteral("resins.dat"));
    QFile(resins).open(QIODevice::WriteOnly);
    QStringList seen;
    auto accept = [&seen](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) return modal->close(), void();
        seen << dialog->windowTitle() << dialog->nameFilters() << dialog->defaultSuffix()
             << QString::number(dialog->fileMode()) << QString::number(dialog->acceptMode())
             << QString::number(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QMetaObject::invokeMethod(dialog, "accept");
    };
    WhenModalShows(accept);
    QCOMPARE(QtDesktop().chooseFile(Request(FileDialogRequest::Mode::Open, resins)),
             resins.toStdString());
    QCOMPARE(seen, QStringList({"Open Resin Database File", "Veredod Resin Files (*.dat)",
                                "All Files (*)", "dat", QString::number(QFileDialog::ExistingFile),
                                QString::number(QFileDialog::AcceptOpen), "0"}));
    seen.clear();
    // Save As replaces a file without asking, and adds the default extension.
    WhenModalShows(accept);
    QCOMPARE(QtDesktop().chooseFile(
                 Request(FileDialogRequest::Mode::Save, dir.filePath(QStringLiteral("case")))),
             dir.filePath(QStringLiteral("case.txt")).toStdString());
    QCOMPARE(seen.mid(5), QStringList({QString::number(QFileDialog::AcceptSave), "1"}));
    WhenModalShows([](QWidget* modal) { modal->close(); });
    QCOMPARE(QtDesktop().chooseFile(Request(FileDialogRequest::Mode::Open, resins)), std::string());
}

void QtDesktopTest::busyPointerComesAndGoes() {
    QtDesktop desktop;
    desktop.setBusy(true);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    desktop.setBusy(false);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    desktop.setBusy(false);  // one restore too many does no harm
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void QtDesktopTest::filtersAndNumberFormatsBecomeQtForms() {
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

void QtDesktopTest::namesDecodeAsUtf8OrWindows1252() {
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
    for (int byte = 0x80; byte <= 0x9F; ++byte) {
        QVERIFY(!IsValidUtf8(std::string(1, char(byte))));
        QCOMPARE(DecodeName(std::string(1, char(byte))),
                 QString(QChar(Windows1252ToUnicode(uchar(byte)))));
    }
}

QTEST_MAIN(QtDesktopTest)
#include "qt_desktop_test.moc"
