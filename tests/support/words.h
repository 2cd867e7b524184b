// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line format of the test scripts and tables in tests/data: words
// separated by blanks, "..." for a word with blanks or escapes (\r \n \t
// \xHH and a doubled backslash), and the same escapes on the way out so that
// every byte shows.

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace veredod::testing {

using Words = std::vector<std::string>;

inline Words Split(std::string_view line) {
    Words words;
    for (size_t i = 0; i < line.size();) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        const bool quoted = line[i] == '"';
        std::string word;
        for (i += quoted; i < line.size() && line[i] != (quoted ? '"' : ' '); ++i) {
            if (line[i] != '\\' || !quoted) {
                word += line[i];
            } else if (line[++i] == 'x') {
                word +=
                    static_cast<char>(std::stoi(std::string(line.substr(i + 1, 2)), nullptr, 16));
                i += 2;
            } else {
                word += line[i] == 'r'   ? '\r'
                        : line[i] == 'n' ? '\n'
                        : line[i] == 't' ? '\t'
                                         : line[i];
            }
        }
        words.push_back(word);
        i += quoted;
    }
    return words;
}

inline std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", byte);
        out += c == '\r'                    ? "\\r"
               : c == '\n'                  ? "\\n"
               : c == '\\'                  ? "\\\\"
               : byte < 0x20 || byte > 0x7E ? hex
                                            : std::string(1, c);
    }
    return out;
}

// Enough digits to tell any two doubles apart that a test cares about, or
// `digits` significant ones; a NaN is "nan" whatever its sign bit, which
// differs between processors.
inline std::string Number(double value, int digits = 15) {
    if (std::isnan(value)) return "nan";
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

}  // namespace veredod::testing
