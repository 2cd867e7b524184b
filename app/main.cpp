// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "app/qt_conversions.h"
#include "app/qt_desktop.h"
#include "app/splash.h"

namespace {

using veredod::StartOptions;

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption resins{QStringLiteral("resins"),
                              QStringLiteral("Load the resin database FILE instead of asking "
                                             "for one."),
                              QStringLiteral("FILE")};

    CommandLine() {
        parser.setApplicationDescription(QStringLiteral(
            "Veredod 2000 Single Screw Extrusion Simulation: the metering section of a single "
            "screw extruder."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(resins);
        parser.addPositionalArgument(QStringLiteral("CASE"),
                                     QStringLiteral("A saved case to open, as Open would."),
                                     QStringLiteral("[CASE]"));
    }
};

void SetApplicationNames() {
    QCoreApplication::setApplicationName(QStringLiteral("Veredod 2000"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VEREDOD_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Ruvodad"));
}

// Help and version are answered before the window system is reached, so
// they work without a display too. Anything else waits for the real parse.
void AnswerHelpOrVersion(int argc, char* argv[]) {
    QCoreApplication plain(argc, argv);
    CommandLine line;
    line.parser.parse(QCoreApplication::arguments());
    if (line.parser.isSet(QStringLiteral("help"))) line.parser.showHelp();
    if (line.parser.isSet(QStringLiteral("version"))) line.parser.showVersion();
}

// Qt's own options (-style, -platform) have been taken out by QApplication.
StartOptions ParseCommandLine(const QApplication& application) {
    CommandLine line;
    line.parser.process(application);
    const QStringList cases = line.parser.positionalArguments();
    if (cases.size() > 1) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(
                QStringLiteral("veredod: only one CASE can be opened, not %1").arg(cases.size())));
        std::exit(EXIT_FAILURE);
    }
    StartOptions options;
    options.resinFile = QFile::encodeName(line.parser.value(line.resins)).toStdString();
    if (!cases.isEmpty()) options.caseFile = QFile::encodeName(cases.first()).toStdString();
    return options;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace veredod;
    SetApplicationNames();
    AnswerHelpOrVersion(argc, argv);
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/veredod.svg")));
    const StartOptions options = ParseCommandLine(application);

    app::ShowSplash(std::chrono::milliseconds(1500));

    app::QtDesktop desktop;
    MainModel model(desktop, app::NumberFormatFor(QLocale::system()));
    app::MainWindow window(model);
    // The resin database is chosen before the window shows; no database, no program.
    if (!model.startUp(options)) return 0;
    desktop.rememberResinDatabase(model.state().ResinFile);
    desktop.setOwner(&window);
    window.syncFromModel();
    QObject::connect(&window, &app::MainWindow::shutDown, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return QApplication::exec();
}
