#include "window/links.h"

#include <gtest/gtest.h>

#include "output/maker.h"
#include "support/scripted_desktop.h"
#include "window/about_content.h"

namespace veredod {
namespace {

using testing::RecordedMessage;
using testing::ScriptedDesktop;

constexpr const char* kMissingText = "You don't have a web address entered for this entry";

struct NormaliseRow {
    const char* typed;
    const char* expected;  // nullptr: "Missing Data"
};

class NormaliseTest : public ::testing::TestWithParam<NormaliseRow> {};

TEST_P(NormaliseTest, CompletesOrRefusesTheAddress) {
    const NormaliseRow& row = GetParam();
    ScriptedDesktop desktop;
    const std::optional<std::string> url = NormaliseWebAddress(desktop, row.typed);
    if (row.expected == nullptr) {
        EXPECT_FALSE(url.has_value());
        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(desktop.messages[0].text, kMissingText);
        EXPECT_EQ(desktop.messages[0].title, "Missing Data");
    } else {
        ASSERT_TRUE(url.has_value());
        EXPECT_EQ(*url, row.expected);
        EXPECT_TRUE(desktop.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, NormaliseTest,
    ::testing::Values(NormaliseRow{"www.example.com", "http://www.example.com"},
                      NormaliseRow{"http://www.example.com", "http://www.example.com"},
                      NormaliseRow{"example.com", "http://www.example.com"},
                      NormaliseRow{"WWW.EXAMPLE.COM", "http://www.WWW.EXAMPLE.COM"},
                      NormaliseRow{"HTTP://WWW.EXAMPLE.COM", "http://www.HTTP://WWW.EXAMPLE.COM"},
                      NormaliseRow{"http://example.com", "http://www.http://example.com"},
                      NormaliseRow{"  www.example.com/updates  ", "http://www.example.com/updates"},
                      NormaliseRow{"www.", "http://www."},
                      NormaliseRow{"http://www.x", "http://www.x"}, NormaliseRow{"", nullptr},
                      NormaliseRow{"  ", nullptr}, NormaliseRow{"http://www.", nullptr},
                      NormaliseRow{"  http://www.  ", nullptr}));

struct LaunchRow {
    LaunchResult result;
    int expectedReturn;
    MessageIcon icon;
    const char* text;  // nullptr: no message
    const char* title;
};

void ExpectOutcome(const ScriptedDesktop& desktop, const LaunchRow& row, int returned) {
    EXPECT_EQ(returned, row.expectedReturn);
    if (row.text == nullptr) {
        EXPECT_TRUE(desktop.messages.empty());
        return;
    }
    ASSERT_EQ(desktop.messages.size(), 1u);
    const RecordedMessage& box = desktop.messages[0];
    EXPECT_EQ(box.icon, row.icon);
    EXPECT_EQ(box.text, row.text);
    EXPECT_EQ(box.title, row.title);
}

class BrowserTest : public ::testing::TestWithParam<LaunchRow> {};

TEST_P(BrowserTest, ReportsWhatTheDesktopSays) {
    ScriptedDesktop desktop;
    desktop.answerLaunch(GetParam().result);
    const int returned = ShellToBrowser(desktop, "http://www.example.com", 0);
    EXPECT_EQ(desktop.openedAddresses, std::vector<std::string>{"http://www.example.com"});
    ExpectOutcome(desktop, GetParam(), returned);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, BrowserTest,
    ::testing::Values(
        LaunchRow{{LaunchResult::Status::Opened, 42}, -1, MessageIcon::Exclamation, nullptr, ""},
        LaunchRow{{LaunchResult::Status::GeneralFailure, 5},
                  0,
                  MessageIcon::Exclamation,
                  "Veredod had a problem  running your web browser. You should check that your "
                  "browser is correctly installed.(Error5)",
                  "Browser Unavailable"},
        LaunchRow{{LaunchResult::Status::GeneralFailure, 0},
                  0,
                  MessageIcon::Exclamation,
                  "Veredod had a problem  running your web browser. You should check that your "
                  "browser is correctly installed.(Error0)",
                  "Browser Unavailable"},
        LaunchRow{{LaunchResult::Status::NoAssociation, 31},
                  0,
                  MessageIcon::Exclamation,
                  "Veredod could not find a file association for http://www.example.com on your "
                  "system. You should check that your browseris correctly installed and "
                  "associated with this type of file.",
                  "Browser Unavailable"}));

class EmailTest : public ::testing::TestWithParam<LaunchRow> {};

TEST_P(EmailTest, ReportsWhatTheDesktopSays) {
    ScriptedDesktop desktop;
    desktop.answerLaunch(GetParam().result);
    const int returned = ShellToEmail(desktop, "info@example.com");
    EXPECT_EQ(desktop.openedAddresses, std::vector<std::string>{"mailto:info@example.com"});
    ExpectOutcome(desktop, GetParam(), returned);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, EmailTest,
    ::testing::Values(
        LaunchRow{{LaunchResult::Status::Opened, 42}, -1, MessageIcon::Information, nullptr, ""},
        LaunchRow{{LaunchResult::Status::GeneralFailure, 2},
                  0,
                  MessageIcon::Information,
                  "There was a problem executing the default e-mail client. Check that it is "
                  "properly installed.",
                  "Veredod"},
        LaunchRow{{LaunchResult::Status::NoAssociation, 31},
                  0,
                  MessageIcon::Information,
                  "There no file association for an e-mail client.",
                  "Veredod"}));

TEST(AboutLinks, EachLabelOpensItsTargetOrNothing) {
    const std::vector<std::pair<int, std::vector<std::string>>> rows = {
        {0, {}},
        {1, {"mailto:info@example.com"}},
        {2, {}},
        {3, {"http://www.example.com"}},
        {4, {"http://www.example.com/updates"}},
        {-1, {}},
        {5, {}},
    };
    for (const auto& [index, expected] : rows) {
        ScriptedDesktop desktop;
        lblEmail_Click(desktop, index);
        EXPECT_EQ(desktop.openedAddresses, expected) << "lblEmail " << index;
        EXPECT_TRUE(desktop.messages.empty()) << "lblEmail " << index;
        EXPECT_EQ(IsAboutLink(index), !expected.empty()) << "lblEmail " << index;
    }
}

TEST(AboutLinks, FailedUpdatesPageNamesTheCompletedAddress) {
    ScriptedDesktop desktop;
    desktop.answerLaunch({LaunchResult::Status::NoAssociation, 31});
    lblEmail_Click(desktop, 4);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_NE(desktop.messages[0].text.find(" for http://www.example.com/updates on your system."),
              std::string::npos);
}

TEST(AboutContentTest, HoldsTheWindowTexts) {
    const AboutContent& about = AboutTexts();
    EXPECT_EQ(about.caption, "About Veredod 2000");
    EXPECT_EQ(about.lblTitle, maker::kDescription);
    EXPECT_EQ(about.lblWarning[0], "Note:");
    EXPECT_EQ(about.lblWarning[1],
              "All calculated results obtained from this software are based on theoretical "
              "properties and may differ from real world results.");
    EXPECT_EQ(about.lblWarning[2], "Ruvodad Veredod 2000");
    EXPECT_EQ(about.lblAddress, (std::vector<std::string>{
                                    "Head Office:", "1200 Example Avenue", "Springfield, Ontario",
                                    "A1B 2C3 Canada", "Phone: +1 555 0100", "Fax: +1 555 0101"}));
    EXPECT_EQ(about.lblEmail,
              (std::array<std::string, 5>{"e-mail:", "info@example.com", "web:", "www.example.com",
                                          "Check for updates!"}));
}

}  // namespace
}  // namespace veredod
