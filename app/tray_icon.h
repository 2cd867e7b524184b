// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QMainWindow;
class QMenu;
class QSystemTrayIcon;

namespace veredod::app {

// The notification-area icon: tip "Ruvodad Veredod 2000", a double-click
// brings the window back in front, a right click pops up the File menu.
// Minimising hides the window only where a tray is available.
class TrayIcon : public QObject {
public:
    TrayIcon(QMainWindow* window, QMenu* fileMenu);
    ~TrayIcon() override;

    // Called by the window on a change to minimised: hides it when a tray
    // can bring it back. True when the window was hidden.
    bool hideOnMinimise();
    // Removes the icon (Exit and closing).
    void remove();

private:
    QMainWindow* m_window;
    QMenu* m_fileMenu;
    QSystemTrayIcon* m_icon = nullptr;
};

}  // namespace veredod::app
