// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/about_content.h"

#include <filesystem>
#include <system_error>

#include "output/maker.h"
#include "window/links.h"

namespace veredod {

namespace {

AboutContent MakeAboutTexts() {
    AboutContent about;
    about.caption = "About Veredod 2000";
    about.lblTitle = maker::kDescription;
    about.lblWarning = {"Note:",
                        "All calculated results obtained from this software are based on "
                        "theoretical properties and may differ from real world results.",
                        maker::kProduct};
    about.lblAddress = {"Head Office:",
                        maker::kStreet,
                        maker::kCity,
                        maker::kPostalCountry,
                        std::string("Phone: ") + maker::kPhone,
                        std::string("Fax: ") + maker::kFax};
    about.lblEmail = {"e-mail:", maker::kEmail, "web:", maker::kWebHost, "Check for updates!"};
    about.lblLicence = "Licence: GNU GPL version 3 or later (GPL-3.0-or-later); no warranty.";
    about.lblGuide = "User guide";
    return about;
}

}  // namespace

const AboutContent& AboutTexts() {
    static const AboutContent about = MakeAboutTexts();
    return about;
}

bool IsAboutLink(int lblEmailIndex) {
    return lblEmailIndex == 1 || lblEmailIndex == 3 || lblEmailIndex == 4;
}

std::string UserGuideAddress(const std::string& programFolder) {
    namespace fs = std::filesystem;
    const fs::path installed =
        fs::path(programFolder) / ".." / "share" / "doc" / "veredod" / "guide.md";
    std::error_code error;
    fs::path guide = fs::path(VEREDOD_SOURCE_DIR) / "docs" / "guide.md";
    if (!programFolder.empty() && fs::is_regular_file(installed, error)) {
        guide = installed.lexically_normal();
    }
    return "file://" + guide.generic_string();
}

void lblGuide_Click(Desktop& desktop, const std::string& programFolder) {
    ShellToBrowser(desktop, UserGuideAddress(programFolder), 0);
}

}  // namespace veredod
