#pragma once
// What the About window says, apart from its logo.

#include <array>
#include <string>
#include <vector>

namespace veredod {

struct AboutContent {
    std::string caption;
    std::string lblTitle;
    std::array<std::string, 3> lblWarning;
    std::vector<std::string> lblAddress;  // one label per line
    std::array<std::string, 5> lblEmail;
};

const AboutContent& AboutTexts();

// The lblEmail labels that do something when clicked (shown as links).
bool IsAboutLink(int lblEmailIndex);

}  // namespace veredod
