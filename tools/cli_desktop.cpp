// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli_desktop.h"

#include <ostream>
#include <utility>

namespace veredod {

CliDesktop::CliDesktop(std::string resinPath, std::string casePath, std::ostream& messages)
    : m_resinPath(std::move(resinPath)), m_casePath(std::move(casePath)), m_messages(messages) {}

void CliDesktop::showMessage(MessageIcon /*icon*/, const std::string& text,
                             const std::string& title) {
    // Flushed at once so that the messages interleave with the run as the
    // boxes would have, even when stdout and stderr share one file.
    m_messages << title << ": " << text << std::endl;
}

std::string CliDesktop::chooseFile(const FileDialogRequest& request) {
    if (request.mode == FileDialogRequest::Mode::Open) {
        if (request.title == kResinDialogTitle) return m_resinPath;
        if (request.title == kCaseDialogTitle) return m_casePath;
    }
    return {};  // cancel
}

bool CliDesktop::printLines(const std::vector<std::string>& /*lines*/, std::string& error) {
    error = "no printer in veredod-calc";
    return false;
}

bool CliDesktop::writePdf(const std::vector<std::string>& /*lines*/, const std::string& /*path*/,
                          std::string& error) {
    error = "no PDF output in veredod-calc";
    return false;
}

LaunchResult CliDesktop::openAddress(const std::string& /*address*/) {
    return LaunchResult{LaunchResult::Status::GeneralFailure, 0};
}

}  // namespace veredod
