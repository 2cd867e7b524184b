// SPDX-License-Identifier: GPL-3.0-or-later
// The notification-area icon: its tip, what its clicks do, its removal, and
// that a minimised window is never hidden where no tray could bring it back.

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QtTest>

#include "app/tray_icon.h"

class TrayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void showsTheWindowIconAnswersItsClicksAndGoes();
    void minimisingHidesOnlyWithATray();
};

// Every window here carries an icon, as the program's does.
void TrayTest::initTestCase() {
    QPixmap red(16, 16);
    red.fill(Qt::red);
    QApplication::setWindowIcon(QIcon(red));
}

void TrayTest::showsTheWindowIconAnswersItsClicksAndGoes() {
    QMainWindow window;
    QMenu menu;
    menu.addAction(QStringLiteral("Exit"));
    veredod::app::TrayIcon tray(&window, &menu);
    auto* icon = window.findChild<QSystemTrayIcon*>();
    QVERIFY(icon);
    QCOMPARE(icon->toolTip(), QStringLiteral("Ruvodad Veredod 2000"));
    QCOMPARE(icon->icon().cacheKey(), window.windowIcon().cacheKey());

    window.showMinimized();
    window.hide();
    emit icon->activated(QSystemTrayIcon::Trigger);
    QVERIFY(!window.isVisible());
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(window.isVisible() && !window.isMinimized());
    emit icon->activated(QSystemTrayIcon::Context);
    QTRY_VERIFY(menu.isVisible());
    menu.hide();

    tray.remove();
    QVERIFY(!window.findChild<QSystemTrayIcon*>());
    tray.remove();  // Exit after a close must not fail
    QVERIFY(!tray.hideOnMinimise());
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

QTEST_MAIN(TrayTest)
#include "tray_test.moc"
