// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

#include "window/desktop.h"

class QWidget;

namespace veredod::app {

// The desktop interface with Qt: message boxes, file dialogs, the busy
// pointer (qt_desktop.cpp), the printer, the PDF file and the print preview
// (qt_desktop_print.cpp), the address launcher and the About window
// (qt_desktop_launch.cpp).
class QtDesktop : public Desktop {
public:
    QtDesktop() = default;
    // The window that owns the boxes and dialogs (none before it exists).
    void setOwner(QWidget* owner) { m_owner = owner; }
    QWidget* owner() const { return m_owner; }

    void showMessage(MessageIcon icon, const std::string& text, const std::string& title) override;
    // The detail goes below the text, as the box's informative text.
    void showDetailedMessage(MessageIcon icon, const std::string& text, const std::string& title,
                             const std::string& detail) override;
    std::string chooseFile(const FileDialogRequest& request) override;
    void setBusy(bool busy) override;
    bool printLines(const std::vector<std::string>& lines, std::string& error) override;
    bool writePdf(const std::vector<std::string>& lines, const std::string& path,
                  std::string& error) override;
    void previewLines(const std::vector<std::string>& lines) override;
    LaunchResult openAddress(const std::string& address) override;
    // One About window at a time: a second command brings it to the front.
    void showAbout() override;

    // The resin dialog of the next start opens on this database.
    void rememberResinDatabase(const std::string& path);

private:
    QPointer<QWidget> m_owner;
    QPointer<QWidget> m_about;
};

}  // namespace veredod::app
