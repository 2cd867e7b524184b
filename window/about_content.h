// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the About window says, apart from its logo.

#include <array>
#include <string>
#include <vector>

#include "window/desktop.h"

namespace veredod {

struct AboutContent {
    std::string caption;
    std::string lblTitle;
    std::array<std::string, 3> lblWarning;
    std::vector<std::string> lblAddress;  // one label per line
    std::array<std::string, 5> lblEmail;
    std::string lblLicence;
    std::string lblGuide;  // a link to the user guide
};

const AboutContent& AboutTexts();

// The lblEmail labels that do something when clicked (shown as links).
bool IsAboutLink(int lblEmailIndex);

// The user guide as a file:// address: the copy installed with the program
// (<prefix>/share/doc/veredod/guide.md beside <prefix>/bin), else the one in
// the source tree the program was built from, so that a build that was never
// installed still finds it.
std::string UserGuideAddress(const std::string& programFolder);

// The About window's user guide link: opens the guide through the desktop, as
// the web links are opened, with the same message when that fails.
void lblGuide_Click(Desktop& desktop, const std::string& programFolder);

}  // namespace veredod
