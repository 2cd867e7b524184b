// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the program: where the resin dialog opens, and the command line.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/qt_desktop.h"
#include "app/resin_dialog_start.h"

namespace {

struct ShownDialog {
    QString folder;
    QStringList selected;
};

// Opens the resin dialog through the desktop and notes where it stands.
ShownDialog ShowResinDialog() {
    ShownDialog shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&shown] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        shown.folder = dialog->directory().absolutePath();
        shown.selected = dialog->selectedFiles();
        dialog->reject();
    });
    poll.start(20);
    veredod::FileDialogRequest request;
    request.title = veredod::app::kResinDialogTitle;
    request.filter = "Veredod Resin Files (*.dat)|*.dat|All Files (*.*)|*.*";
    request.fileMustExist = true;
    veredod::app::QtDesktop desktop;
    desktop.chooseFile(request);
    return shown;
}

}  // namespace

class StartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void resinDialogOpensOnTheDatabaseUsedLast_data();
    void resinDialogOpensOnTheDatabaseUsedLast();
    void commandLineAnswersAndRefuses_data();
    void commandLineAnswersAndRefuses();

private:
    QTemporaryDir m_home;
};

// The settings of this test, Qt's file dialog state included, stay in its
// own folder.
void StartTest::initTestCase() {
    QVERIFY(m_home.isValid());
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, m_home.filePath(QStringLiteral("config")));
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Ruvodad"));
    QCoreApplication::setApplicationName(QStringLiteral("Veredod 2000"));
}

void StartTest::resinDialogOpensOnTheDatabaseUsedLast_data() {
    QTest::addColumn<QString>("last");  // remembered database, "" for a first start
    QTest::addColumn<bool>("stillThere");
    QTest::newRow("used last") << QStringLiteral("mine.dat") << true;
    QTest::newRow("used last, gone since") << QStringLiteral("gone.dat") << false;
    QTest::newRow("first start") << QString() << false;
}

void StartTest::resinDialogOpensOnTheDatabaseUsedLast() {
    QFETCH(QString, last);
    QFETCH(bool, stillThere);
    QSettings().clear();
    const QTemporaryDir folder;
    const QString database = folder.filePath(last);
    if (!last.isEmpty()) {
        QFile file(database);
        QVERIFY(file.open(QIODevice::WriteOnly));
        veredod::app::RememberResinDatabase(database);
        if (!stillThere) QVERIFY(file.remove());
    }
    const ShownDialog shown = ShowResinDialog();
    const QString expected = last.isEmpty() ? VEREDOD_SOURCE_DIR "/data/resins.dat" : database;
    QCOMPARE(shown.folder, QFileInfo(expected).absolutePath());
    if (last.isEmpty() || stillThere) QCOMPARE(shown.selected, QStringList{expected});
}

void StartTest::commandLineAnswersAndRefuses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");  // a piece of stdout, then stderr
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Veredod 2000 1.0.0\n";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--resins <FILE>";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 1 << "Unknown option 'bogus'";
    QTest::newRow("two cases") << QStringList{"a.txt", "b.txt"} << 1
                               << "only one CASE can be opened, not 2";
}

void StartTest::commandLineAnswersAndRefuses() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR"}) environment.insert(name, m_home.path());
    environment.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VEREDOD_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString printed =
        QString::fromLocal8Bit(program.readAllStandardOutput() + program.readAllStandardError());
    QVERIFY2(printed.contains(output), qPrintable(printed));
}

QTEST_MAIN(StartTest)
#include "start_test.moc"
