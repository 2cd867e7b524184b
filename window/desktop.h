// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "model/messages.h"

namespace veredod {

// A common file dialog request. The filter is the pipe-joined text of
// description/pattern pairs: "Veredod Resin Files (*.dat)|*.dat|All Files (*.*)|*.*".
struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    std::string title;
    std::string initialName;
    std::string defaultExtension;  // added to a name typed without one
    std::string filter;
    bool folderMustExist = true;
    bool fileMustExist = false;  // Open dialogs; Save As replaces without asking
};

// What the desktop's "open" action on an address came to.
struct LaunchResult {
    enum class Status { Opened, GeneralFailure, NoAssociation };
    Status status = Status::Opened;
    int code = 42;  // the desktop's result code; below 31 a general failure, 31 no association
};

// What only a desktop can do. The window implements it with Qt; tests and
// veredod-calc script it.
class Desktop : public MessageSink {
public:
    // A message box that gives the reason behind its text as a detail below
    // it; without a reason it is the plain box.
    virtual void showDetailedMessage(MessageIcon icon, const std::string& text,
                                     const std::string& title, const std::string& /*detail*/) {
        showMessage(icon, text, title);
    }
    // The chosen path, or "" when the user cancelled.
    virtual std::string chooseFile(const FileDialogRequest& request) = 0;
    // The hourglass pointer around a long load.
    virtual void setBusy(bool /*busy*/) {}
    // Sends whole lines to the default printer as one document. False (with
    // the reason) when there is no printer or anything failed; nothing
    // half-printed may come out then.
    virtual bool printLines(const std::vector<std::string>& lines, std::string& error) = 0;
    // Writes the lines as a PDF file at `path`, laid out and broken into pages
    // as the printer gets them. False (with the reason) when the file could
    // not be written; an older file at `path` is then left as it was.
    virtual bool writePdf(const std::vector<std::string>& /*lines*/, const std::string& /*path*/,
                          std::string& error) {
        error = "this desktop has no PDF output";
        return false;
    }
    // Shows the lines as the printer would lay them out, with the choice to
    // print them from there.
    virtual void previewLines(const std::vector<std::string>& /*lines*/) {}
    // The desktop's "open" action on a web address or a mailto: address.
    virtual LaunchResult openAddress(const std::string& address) = 0;
    // Shows the About window, not modal.
    virtual void showAbout() {}
};

}  // namespace veredod
