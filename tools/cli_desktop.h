// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// veredod-calc: the main window's work without a window.
//
//   --resins, --case --> CliDesktop (answers the two file dialogs)
//   MainModel: startUp -> mnuOpen_Click -> mnuCalc_Click [-> selectUnits]
//   lstResults | BuildReport lines | CaseToJson --> stdout
//   every message box --> stderr as "title: text"
//
// The desktop stands in for the user: it picks the named files in the two
// dialogs the run is known to show and cancels any other. There is no
// printer, no PDF output and no browser, so those outlets report failure.

#include <iosfwd>
#include <string>
#include <vector>

#include "window/desktop.h"

namespace veredod {

inline constexpr const char* kResinDialogTitle = "Open Resin Database File";
inline constexpr const char* kCaseDialogTitle = "Open Saved Data Entries";

class CliDesktop : public Desktop {
public:
    CliDesktop(std::string resinPath, std::string casePath, std::ostream& messages);

    void showMessage(MessageIcon icon, const std::string& text, const std::string& title) override;
    std::string chooseFile(const FileDialogRequest& request) override;
    bool printLines(const std::vector<std::string>& lines, std::string& error) override;
    bool writePdf(const std::vector<std::string>& lines, const std::string& path,
                  std::string& error) override;
    LaunchResult openAddress(const std::string& address) override;

private:
    std::string m_resinPath;
    std::string m_casePath;
    std::ostream& m_messages;
};

}  // namespace veredod
