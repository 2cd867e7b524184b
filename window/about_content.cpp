#include "window/about_content.h"

#include "output/maker.h"

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

}  // namespace veredod
