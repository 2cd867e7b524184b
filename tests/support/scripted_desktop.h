// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "window/desktop.h"

namespace veredod::testing {

struct RecordedMessage {
    MessageIcon icon;
    std::string text;
    std::string title;
    std::string detail;
};

// What a scripted desktop was asked to do, in the order asked.
struct DesktopRecords {
    std::vector<RecordedMessage> messages;
    std::vector<FileDialogRequest> dialogs;
    std::vector<std::vector<std::string>> printed;
    std::vector<std::pair<std::string, std::vector<std::string>>> pdfs;  // path, lines
    std::vector<std::vector<std::string>> previewed;
    std::vector<std::string> openedAddresses;
    std::vector<bool> busyChanges;
    int aboutShown = 0;
};

// A desktop for tests: records every message box, answers each file dialog
// with the next scripted answer, and fails the running test on a dialog it
// was not told to expect, or when expected answers are left over at the end.
class ScriptedDesktop : public Desktop, public DesktopRecords {
public:
    ~ScriptedDesktop() override;

    // Queue the answer to the next file dialog ("" = the user cancels).
    void answerFileDialog(std::string path) { m_answers.push_back(std::move(path)); }
    // Queue the next printer outcome (true = printed).
    void answerPrint(bool ok, std::string error = {}) {
        m_prints.push_back({ok, std::move(error)});
    }
    // Queue the next launcher outcome.
    void answerLaunch(LaunchResult result) { m_launches.push_back(result); }

    void showMessage(MessageIcon icon, const std::string& text, const std::string& title) override {
        messages.push_back({icon, text, title, {}});
    }
    void showDetailedMessage(MessageIcon icon, const std::string& text, const std::string& title,
                             const std::string& detail) override {
        messages.push_back({icon, text, title, detail});
    }
    std::string chooseFile(const FileDialogRequest& request) override;
    bool printLines(const std::vector<std::string>& lines, std::string& error) override;
    // Records the export; fails with `pdfError` when a test set one.
    bool writePdf(const std::vector<std::string>& lines, const std::string& path,
                  std::string& error) override;
    void previewLines(const std::vector<std::string>& lines) override {
        previewed.push_back(lines);
    }
    LaunchResult openAddress(const std::string& address) override;
    void showAbout() override { ++aboutShown; }
    void setBusy(bool busy) override { busyChanges.push_back(busy); }

    std::string pdfError;

    // The messages shown so far, leaving none behind.
    std::vector<RecordedMessage> takeMessages() { return std::exchange(messages, {}); }

private:
    struct PrintAnswer {
        bool ok;
        std::string error;
    };
    std::deque<std::string> m_answers;
    std::deque<PrintAnswer> m_prints;
    std::deque<LaunchResult> m_launches;
};

}  // namespace veredod::testing
