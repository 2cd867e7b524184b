// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace veredod::testing {

// The rows of a data file in tests/data: fields split at '|', a written \n
// or \r read as that character; blank lines and lines starting with '#' are
// skipped.
inline std::vector<std::vector<std::string>> GoldenRows(const std::string& name) {
    std::ifstream in(std::string(VEREDOD_SOURCE_DIR) + "/tests/data/" + name);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields(1);
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '|') {
                fields.emplace_back();
            } else if (line.compare(i, 2, "\\n") == 0 || line.compare(i, 2, "\\r") == 0) {
                fields.back() += line[++i] == 'n' ? '\n' : '\r';
            } else {
                fields.back() += line[i];
            }
        }
        rows.push_back(fields);
    }
    EXPECT_FALSE(rows.empty()) << "no rows in tests/data/" << name;
    return rows;
}

}  // namespace veredod::testing
