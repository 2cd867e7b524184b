// SPDX-License-Identifier: GPL-3.0-or-later
// veredod-calc on an empty resin database: the calculation runs on a blank
// resin and speaks for itself.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(EmptyDatabaseTest, TheCalculationSpeaksNotTheMissingResin) {
    std::string pattern = (fs::temp_directory_path() / "veredod-empty-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    std::ofstream(dir / "empty.dat").close();
    const std::string worked = std::string(VEREDOD_SOURCE_DIR) + "/examples/worked-example-us.txt";

    struct Row {
        const char* option;
        size_t lines;
    };
    for (const Row& row : {Row{"", 17}, Row{"--report", 60}, Row{"--json", 0}}) {
        const std::string command = "LC_ALL=C '" + std::string(VEREDOD_CALC_PATH) + "' --resins '" +
                                    (dir / "empty.dat").string() + "' --case '" + worked + "' " +
                                    row.option + " >'" + (dir / "out").string() + "' 2>'" +
                                    (dir / "err").string() + "' </dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << row.option;
        const std::string out = Contents(dir / "out");
        const std::string err = Contents(dir / "err");
        EXPECT_EQ(err.find("Subscript"), std::string::npos) << err;
        // The case names resin 11, which an empty database lacks: said once.
        EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
        if (row.lines == 0) {
            EXPECT_EQ(nlohmann::json::parse(out)["resin"]["ResinName"], "");
        } else {
            EXPECT_EQ(static_cast<size_t>(std::count(out.begin(), out.end(), '\n')), row.lines);
        }
    }
    fs::remove_all(dir);
}

}  // namespace
