#pragma once

#include <QPointer>

#include "window/desktop.h"

class QWidget;

namespace veredod::app {

// The desktop interface with Qt: message boxes, file dialogs, the busy
// pointer (qt_desktop.cpp), the printer (qt_desktop_print.cpp), the address
// launcher and the About window (qt_desktop_launch.cpp).
class QtDesktop : public Desktop {
public:
    QtDesktop() = default;
    // The window that owns the boxes and dialogs (none before it exists).
    void setOwner(QWidget* owner) { m_owner = owner; }
    QWidget* owner() const { return m_owner; }

    void showMessage(MessageIcon icon, const std::string& text, const std::string& title) override;
    std::string chooseFile(const FileDialogRequest& request) override;
    void setBusy(bool busy) override;
    bool printLines(const std::vector<std::string>& lines, std::string& error) override;
    LaunchResult openAddress(const std::string& address) override;
    void showAbout() override;

private:
    QPointer<QWidget> m_owner;
};

}  // namespace veredod::app
