#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "app/main_window.h"
#include "app/qt_conversions.h"
#include "app/qt_desktop.h"
#include "app/splash.h"

int main(int argc, char* argv[]) {
    using namespace veredod;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veredod 2000"));
    QApplication::setApplicationVersion(QStringLiteral(VEREDOD_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Ruvodad"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/veredod.svg")));

    app::ShowSplash(std::chrono::milliseconds(1500));

    app::QtDesktop desktop;
    MainModel model(desktop, app::NumberFormatFor(QLocale::system()));
    app::MainWindow window(model);
    // The resin database is chosen before the window shows; no database, no program.
    if (!model.startUp()) return 0;
    desktop.setOwner(&window);
    window.syncFromModel();
    QObject::connect(&window, &app::MainWindow::shutDown, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return QApplication::exec();
}
