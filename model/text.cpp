// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/text.h"

namespace veredod {

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string SingleLineName(std::string_view name) {
    std::string line;
    line.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte == '\r' && i + 1 < name.size() && name[i + 1] == '\n') ++i;
        line += byte < 0x20 || byte == 0x7F ? ' ' : name[i];
    }
    return line;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerWord) {
    if (text.size() != lowerWord.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerWord[i]) return false;
    }
    return true;
}

bool TakeFileLine(std::string_view& rest, std::string_view& line) {
    if (rest.empty()) return false;
    const std::size_t end = rest.find('\n');
    if (end == std::string_view::npos) {
        line = rest;
        rest = {};
        return true;
    }
    line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    rest.remove_prefix(end + 1);
    return true;
}

bool TakeExponent(std::string_view text, std::size_t& pos, long long& exponent, long long limit) {
    if (pos >= text.size() || (text[pos] != 'E' && text[pos] != 'e')) return false;
    std::size_t at = pos + 1;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    if (at >= text.size() || !IsDigit(text[at])) return false;
    long long magnitude = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        if (magnitude < limit) magnitude = magnitude * 10 + (text[at] - '0');
    }
    exponent = negative ? -magnitude : magnitude;
    pos = at;
    return true;
}

}  // namespace veredod
