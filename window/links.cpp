// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/links.h"

#include <string_view>

#include "model/messages.h"
#include "model/text.h"
#include "output/maker.h"

namespace veredod {

namespace {

constexpr std::string_view kFullPrefix = "http://www.";
constexpr std::string_view kHostPrefix = "www.";

void TellBrowserFailed(MessageSink& messages, const std::string& url, const LaunchResult& result) {
    std::string text = kAppTitle;
    if (result.status == LaunchResult::Status::NoAssociation) {
        text += " could not find a file association for " + url +
                " on your system. You should check that your browser"
                "is correctly installed and associated with this type of file.";
    } else {
        text +=
            " had a problem  running your web browser. You should check that your browser is "
            "correctly installed.(Error" +
            std::to_string(result.code) + ")";
    }
    messages.showMessage(MessageIcon::Exclamation, text, "Browser Unavailable");
}

void TellEmailFailed(MessageSink& messages, const LaunchResult& result) {
    const char* text =
        result.status == LaunchResult::Status::NoAssociation
            ? "There no file association for an e-mail client."
            : "There was a problem executing the default e-mail client. Check that it is "
              "properly installed.";
    messages.showMessage(MessageIcon::Information, text, kAppTitle);
}

void OpenWebAddress(Desktop& desktop, const std::string& address) {
    // Without an address there is nothing to hand to the browser.
    if (auto url = NormaliseWebAddress(desktop, address)) ShellToBrowser(desktop, *url, 0);
}

}  // namespace

std::optional<std::string> NormaliseWebAddress(MessageSink& messages, const std::string& address) {
    const std::string trimmed(TrimSpaces(address));
    if (trimmed.empty() || trimmed == kFullPrefix) {
        messages.showMessage(MessageIcon::Critical,
                             "You don't have a web address entered for this entry", "Missing Data");
        return std::nullopt;
    }
    if (trimmed.starts_with(kFullPrefix)) return trimmed;
    if (trimmed.starts_with(kHostPrefix)) return "http://" + trimmed;
    return std::string(kFullPrefix) + trimmed;
}

int ShellToBrowser(Desktop& desktop, const std::string& url, int /*windowStyle*/) {
    const LaunchResult result = desktop.openAddress(url);
    if (result.status == LaunchResult::Status::Opened) return kLaunchOpened;
    TellBrowserFailed(desktop, url, result);
    return kLaunchFailed;
}

int ShellToEmail(Desktop& desktop, const std::string& address) {
    const LaunchResult result = desktop.openAddress("mailto:" + address);
    if (result.status == LaunchResult::Status::Opened) return kLaunchOpened;
    TellEmailFailed(desktop, result);
    return kLaunchFailed;
}

void lblEmail_Click(Desktop& desktop, int index) {
    switch (index) {
        case 1:
            ShellToEmail(desktop, maker::kEmail);
            break;
        case 3:
            OpenWebAddress(desktop, maker::kWebHost);
            break;
        case 4:
            OpenWebAddress(desktop, maker::kUpdatesPage);
            break;
        default:  // the "e-mail:" and "web:" captions
            break;
    }
}

}  // namespace veredod
