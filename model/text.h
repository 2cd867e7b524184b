// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small text rules every reader shares: digits, blanks, words, lines and
// exponents, so that the cells and the two files never disagree on them.

#include <cstddef>
#include <string>
#include <string_view>

namespace veredod {

constexpr bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// A blank between the tokens of a file line.
constexpr bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

// `text` without the blanks (spaces and tabs) around it. Inline: the file
// readers trim every token.
constexpr std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}
// `text` without the spaces around it; a tab is kept.
std::string_view TrimSpaces(std::string_view text);

// A resin name fit for the one line it has in the database: each CR LF, CR,
// LF, tab or other control character becomes one blank.
std::string SingleLineName(std::string_view name);

// Whether `text` is `lowerWord` with any of its letters in capitals.
bool EqualsIgnoringCase(std::string_view text, std::string_view lowerWord);

// Both files' line rule: takes the next line off the front of `rest`. A line
// ends at LF, one CR before the LF belongs to the ending, and a last line
// without an ending still counts. False once `rest` is empty.
bool TakeFileLine(std::string_view& rest, std::string_view& line);

// An exponent "E" or "e", an optional sign and at least one digit at `pos`:
// when there is one, its value goes to `exponent`, `pos` moves past it and
// the result is true; otherwise both stay as they are. Digits stop counting
// once the magnitude has reached `limit`, which keeps a run of digits of any
// length from overflowing yet leaves the value far out of any double's range.
bool TakeExponent(std::string_view text, std::size_t& pos, long long& exponent, long long limit);

}  // namespace veredod
