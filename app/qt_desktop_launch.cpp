// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <QWidget>

#include "app/about_window.h"
#include "app/qt_desktop.h"

namespace veredod::app {

namespace {

// Qt does not say why an address could not be opened; the usual reason on a
// desktop is that nothing is registered for the scheme.
constexpr int kNoAssociationCode = 31;

}  // namespace

LaunchResult QtDesktop::openAddress(const std::string& address) {
    const QString text = QString::fromStdString(address);
    const QUrl url =
        text.startsWith(QStringLiteral("mailto:")) ? QUrl(text) : QUrl::fromUserInput(text);
    if (url.isValid() && QDesktopServices::openUrl(url)) return {};
    return {LaunchResult::Status::NoAssociation, kNoAssociationCode};
}

void QtDesktop::showAbout() {
    if (m_about.isNull()) {
        m_about = ShowAboutWindow(owner(), *this);
        return;
    }
    if (m_about->isMinimized()) m_about->showNormal();
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

}  // namespace veredod::app
