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
FileDialogRequest ResinRequest() {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = "Open Resin Database File";
    request.defaultExtension = "DAT";
    request.filter = "Veredod Resin Files (*.dat)|*.dat|All Files (*.*)|*.*";
    request.fileMustExist = true;
    return request;
}

}  // namespace

class QtDesktopTest : public QObject {
    Q_OBJECT

private slots:
    // The dialogs keep their last folder and history in Qt's settings: those
    // of a test user, never the real one.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void messageBoxShowsIconTextTitleAndOk_data();
    void messageBoxShowsIconTextTitleAndOk();
    void openDialogTakesTheRequestsSettings();
    void saveDialogAddsTheDefaultExtension();
    void cancelledDialogGivesNoPath();
    void busyPointerComesAndGoes();
    void filterBecomesQtForm_data();
    void filterBecomesQtForm();
    void numberFormatFollowsTheLocale_data();
    void numberFormatFollowsTheLocale();
    void namesDecodeAsUtf8OrWindows1252_data();
    void namesDecodeAsUtf8OrWindows1252();
    void typedNamesAreStoredAsUtf8();
};

void QtDesktopTest::messageBoxShowsIconTextTitleAndOk_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("boxIcon");
    QTest::newRow("exclamation") << int(MessageIcon::Exclamation) << int(QMessageBox::Warning);
    QTest::newRow("information") << int(MessageIcon::Information) << int(QMessageBox::Information);
    QTest::newRow("critical") << int(MessageIcon::Critical) << int(QMessageBox::Critical);
}

void QtDesktopTest::messageBoxShowsIconTextTitleAndOk() {
    QFETCH(int, icon);
    QFETCH(int, boxIcon);
    QtDesktop desktop;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QString shownText, shownTitle;
    QList<QAbstractButton*> buttons;
    WhenModalShows([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            modal->close();
            return;
        }
        shownIcon = box->icon();
        shownText = box->text();
        shownTitle = box->windowTitle();
        buttons = box->buttons();
        box->button(QMessageBox::Ok)->click();
    });
    desktop.showMessage(MessageIcon(icon), "Error, please re-enter numeric value", "Veredod");
    QCOMPARE(int(shownIcon), boxIcon);
    QCOMPARE(shownText, QStringLiteral("Error, please re-enter numeric value"));
    QCOMPARE(shownTitle, QStringLiteral("Veredod"));
    QCOMPARE(buttons.size(), 1);
}

void QtDesktopTest::openDialogTakesTheRequestsSettings() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("resins.dat"));
    QFile(path).open(QIODevice::WriteOnly);
    QtDesktop desktop;
    FileDialogRequest request = ResinRequest();
    request.initialName = path.toStdString();
    QString title, suffix;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QFileDialog::AcceptMode accept = QFileDialog::AcceptSave;
    WhenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            modal->close();
            return;
        }
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        mode = dialog->fileMode();
        accept = dialog->acceptMode();
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::string chosen = desktop.chooseFile(request);
    QCOMPARE(title, QStringLiteral("Open Resin Database File"));
    QCOMPARE(filters, QStringList({"Veredod Resin Files (*.dat)", "All Files (*)"}));
    QCOMPARE(suffix, QStringLiteral("dat"));
    QCOMPARE(mode, QFileDialog::ExistingFile);
    QCOMPARE(accept, QFileDialog::AcceptOpen);
    QCOMPARE(QString::fromStdString(chosen), path);
}

void QtDesktopTest::saveDialogAddsTheDefaultExtension() {
    QTemporaryDir dir;
    QtDesktop desktop;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = "Save Current Data Entries";
    request.defaultExtension = "TXT";
    request.filter = "Veredod Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
    request.initialName = dir.filePath(QStringLiteral("case")).toStdString();
    bool confirmsOverwrite = true;
    WhenModalShows([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            modal->close();
            return;
        }
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::string chosen = desktop.chooseFile(request);
    QVERIFY(!confirmsOverwrite);
    QCOMPARE(QString::fromStdString(chosen), dir.filePath(QStringLiteral("case.txt")));
}

void QtDesktopTest::cancelledDialogGivesNoPath() {
    QtDesktop desktop;
    WhenModalShows([](QWidget* modal) { modal->close(); });
    QCOMPARE(desktop.chooseFile(ResinRequest()), std::string());
}

void QtDesktopTest::busyPointerComesAndGoes() {
    QtDesktop desktop;
    desktop.setBusy(true);
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    desktop.setBusy(false);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    desktop.setBusy(false);  // one restore too many does no harm
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void QtDesktopTest::filterBecomesQtForm_data() {
    QTest::addColumn<QString>("pipeJoined");
    QTest::addColumn<QString>("qtForm");
    QTest::newRow("resin") << "Veredod Resin Files (*.dat)|*.dat|All Files (*.*)|*.*"
                           << "Veredod Resin Files (*.dat);;All Files (*)";
    QTest::newRow("case") << "Veredod Text Files (*.txt)|*.txt|All Files (*.*)|*.*"
                          << "Veredod Text Files (*.txt);;All Files (*)";
    QTest::newRow("no parentheses") << "Text|*.txt"
                                    << "Text (*.txt)";
    QTest::newRow("several patterns") << "Data (*.dat;*.res)|*.dat;*.res"
                                      << "Data (*.dat *.res)";
    QTest::newRow("odd field left over") << "Text (*.txt)|*.txt|Lonely"
                                         << "Text (*.txt)";
    QTest::newRow("empty") << ""
                           << "";
}

void QtDesktopTest::filterBecomesQtForm() {
    QFETCH(QString, pipeJoined);
    QFETCH(QString, qtForm);
    QCOMPARE(ToQtFileFilter(pipeJoined.toStdString()), qtForm);
}

void QtDesktopTest::numberFormatFollowsTheLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<char>("decimal");
    QTest::addColumn<char>("group");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << '.' << ',';
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << ',' << '.';
    // A narrow no-break space groups thousands in French: a plain blank here.
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France) << ',' << ' ';
    QTest::newRow("C") << QLocale::c() << '.' << ',';
}

void QtDesktopTest::numberFormatFollowsTheLocale() {
    QFETCH(QLocale, locale);
    QFETCH(char, decimal);
    QFETCH(char, group);
    const NumberFormat format = NumberFormatFor(locale);
    QCOMPARE(format.decimalSeparator, decimal);
    QCOMPARE(format.groupSeparator, group);
}

void QtDesktopTest::namesDecodeAsUtf8OrWindows1252_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ascii") << QByteArray("PP, general purpose") << "PP, general purpose";
    QTest::newRow("utf-8") << QByteArray("Caf\xC3\xA9") << QStringLiteral("Caf\u00E9");
    QTest::newRow("utf-8 three bytes")
        << QByteArray("\xE2\x82\xAC 5") << QStringLiteral("\u20AC 5");
    QTest::newRow("utf-8 four bytes")
        << QByteArray("\xF0\x9F\x98\x80") << QStringLiteral("\U0001F600");
    QTest::newRow("latin-1 byte") << QByteArray("Caf\xE9") << QStringLiteral("Caf\u00E9");
    QTest::newRow("euro sign") << QByteArray("\x80 per kg") << QStringLiteral("\u20AC per kg");
    QTest::newRow("quotes and dash")
        << QByteArray("\x93PE\x94 \x96 film") << QStringLiteral("\u201CPE\u201D \u2013 film");
    QTest::newRow("trade mark") << QByteArray("Grade\x99") << QStringLiteral("Grade\u2122");
    QTest::newRow("undefined byte") << QByteArray("A\x81") << QStringLiteral("A\u0081");
    QTest::newRow("y diaeresis") << QByteArray("\x9F") << QStringLiteral("\u0178");
    QTest::newRow("truncated sequence") << QByteArray("Caf\xC3") << QStringLiteral("Caf\u00C3");
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QStringLiteral("\u00C0\u00AF");
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80")
                               << QStringLiteral("\u00ED\u00A0\u20AC");
    QTest::newRow("beyond U+10FFFF")
        << QByteArray("\xF4\x90\x80\x80") << QStringLiteral("\u00F4\u0090\u20AC\u20AC");
    QTest::newRow("empty") << QByteArray() << QString();
}

void QtDesktopTest::namesDecodeAsUtf8OrWindows1252() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(DecodeName(bytes.toStdString()), shown);
}

void QtDesktopTest::typedNamesAreStoredAsUtf8() {
    QCOMPARE(EncodeName(QStringLiteral("HDPE \u00FC \u20AC")),
             std::string("HDPE \xC3\xBC \xE2\x82\xAC"));
    for (int byte = 0x80; byte <= 0x9F; ++byte) {
        const std::string one(1, char(byte));
        QVERIFY(!IsValidUtf8(one));
        QCOMPARE(DecodeName(one).size(), 1);
        QCOMPARE(DecodeName(one).at(0).unicode(), Windows1252ToUnicode(uchar(byte)));
    }
}

QTEST_MAIN(QtDesktopTest)
#include "qt_desktop_test.moc"
