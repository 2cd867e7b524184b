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
    ShowAboutWindow(owner(), *this);
}

}  // namespace veredod::app
