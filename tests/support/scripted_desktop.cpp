// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_desktop.h"

#include <gtest/gtest.h>

namespace veredod::testing {

ScriptedDesktop::~ScriptedDesktop() {
    EXPECT_TRUE(m_answers.empty())
        << m_answers.size() << " file dialog answer(s) were never asked for";
    EXPECT_TRUE(m_prints.empty()) << "a scripted print was never asked for";
    EXPECT_TRUE(m_launches.empty()) << "a scripted launch was never asked for";
}

std::string ScriptedDesktop::chooseFile(const FileDialogRequest& request) {
    dialogs.push_back(request);
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected file dialog \"" << request.title << "\"";
        return {};
    }
    std::string answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
}

bool ScriptedDesktop::printLines(const std::vector<std::string>& lines, std::string& error) {
    if (m_prints.empty()) {
        ADD_FAILURE() << "unexpected print of " << lines.size() << " lines";
        error = "no printer";
        return false;
    }
    PrintAnswer answer = m_prints.front();
    m_prints.pop_front();
    if (answer.ok) printed.push_back(lines);
    error = answer.error;
    return answer.ok;
}

bool ScriptedDesktop::writePdf(const std::vector<std::string>& lines, const std::string& path,
                               std::string& error) {
    if (!pdfError.empty()) {
        error = pdfError;
        return false;
    }
    pdfs.emplace_back(path, lines);
    return true;
}

LaunchResult ScriptedDesktop::openAddress(const std::string& address) {
    openedAddresses.push_back(address);
    if (m_launches.empty()) return {};
    LaunchResult result = m_launches.front();
    m_launches.pop_front();
    return result;
}

}  // namespace veredod::testing
