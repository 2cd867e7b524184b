// The notification-area icon: its tip, what its clicks do, and that a
// minimised window is never hidden where no tray could bring it back.

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QtTest>

#include "app/tray_icon.h"

namespace {

QIcon RedSquare() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

}  // namespace

class TrayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void showsTheWindowIconAndTip();
    void minimisingHidesOnlyWithATray();
    void doubleClickBringsTheWindowBack();
    void rightClickPopsUpTheFileMenu();
    void removeTakesTheIconAway();
};

// Every window here carries an icon, as the program's does.
void TrayTest::initTestCase() {
    QApplication::setWindowIcon(RedSquare());
}

void TrayTest::showsTheWindowIconAndTip() {
    QMainWindow window;
    window.setWindowIcon(RedSquare());
    QMenu menu;
    veredod::app::TrayIcon tray(&window, &menu);
    auto* icon = window.findChild<QSystemTrayIcon*>();
    QVERIFY(icon);
    QCOMPARE(icon->toolTip(), QStringLiteral("Ruvodad Veredod 2000"));
    QCOMPARE(icon->icon().cacheKey(), window.windowIcon().cacheKey());
}

void TrayTest::minimisingHidesOnlyWithATray() {
    QMainWindow window;
    QMenu menu;
    veredod::app::TrayIcon tray(&window, &menu);
    window.showMinimized();
    const bool trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();
    QCOMPARE(tray.hideOnMinimise(), trayAvailable);
    QCOMPARE(window.isVisible(), !trayAvailable);
}

void TrayTest::doubleClickBringsTheWindowBack() {
    QMainWindow window;
    QMenu menu;
    veredod::app::TrayIcon tray(&window, &menu);
    window.showMinimized();
    window.hide();
    auto* icon = window.findChild<QSystemTrayIcon*>();
    QVERIFY(icon);
    emit icon->activated(QSystemTrayIcon::Trigger);
    QVERIFY(!window.isVisible());
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
}

void TrayTest::rightClickPopsUpTheFileMenu() {
    QMainWindow window;
    QMenu menu;
    menu.addAction(QStringLiteral("Exit"));
    veredod::app::TrayIcon tray(&window, &menu);
    window.show();
    auto* icon = window.findChild<QSystemTrayIcon*>();
    QVERIFY(icon);
    emit icon->activated(QSystemTrayIcon::Context);
    QTRY_VERIFY(menu.isVisible());
    menu.hide();
}

void TrayTest::removeTakesTheIconAway() {
    QMainWindow window;
    QMenu menu;
    veredod::app::TrayIcon tray(&window, &menu);
    tray.remove();
    QVERIFY(!window.findChild<QSystemTrayIcon*>());
    tray.remove();  // Exit after a close must not fail
    QVERIFY(!tray.hideOnMinimise());
}

QTEST_MAIN(TrayTest)
#include "tray_test.moc"
