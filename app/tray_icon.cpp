// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tray_icon.h"

#include <QCursor>
#include <QMainWindow>
#include <QMenu>
#include <QSystemTrayIcon>

#include "output/maker.h"

namespace veredod::app {

TrayIcon::TrayIcon(QMainWindow* window, QMenu* fileMenu)
    : QObject(window), m_window(window), m_fileMenu(fileMenu) {
    m_icon = new QSystemTrayIcon(window->windowIcon(), this);
    m_icon->setToolTip(QString::fromUtf8(maker::kProduct));
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick) {
                    m_window->showNormal();
                    m_window->raise();
                    m_window->activateWindow();
                } else if (reason == QSystemTrayIcon::Context && m_fileMenu) {
                    m_window->activateWindow();
                    m_fileMenu->popup(QCursor::pos());
                }
            });
    m_icon->show();
}

TrayIcon::~TrayIcon() {
    remove();
}

bool TrayIcon::hideOnMinimise() {
    // Without a notification area nothing could bring a hidden window back,
    // so there it stays minimised in the task bar.
    if (!m_icon || !QSystemTrayIcon::isSystemTrayAvailable()) return false;
    m_window->hide();
    return true;
}

void TrayIcon::remove() {
    if (!m_icon) return;
    m_icon->hide();
    delete m_icon;
    m_icon = nullptr;
}

}  // namespace veredod::app
