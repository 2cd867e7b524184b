// SPDX-License-Identifier: GPL-3.0-or-later
// The worked examples, the number, file and die text rules, from the table
// in tests/data/rules.txt, and the few cases too large or too random for a
// table.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <sstream>

#include "casefile/case_file.h"
#include "core/worked_examples.h"
#include "entry/cell_reading.h"
#include "model/calc.h"
#include "model/number_form.h"
#include "model/operating_point.h"
#include "model/qpround.h"
#include "model/text.h"
#include "resins/resin_file.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"
#include "support/words.h"

namespace veredod {
namespace {

using testing::Number;
using testing::Words;

double Value(const std::string& word) {
    return std::strtod(word.c_str(), nullptr);
}

std::string Shown(std::optional<double> value) {
    return value ? Number(*value) : "none";
}

Modes ModesOf(const CaseFileData& data) {
    return {data.screwType.value(), data.unitSystem.value(), data.sectionLengthMode.value()};
}

Case CaseOf(const CaseFileData& data) {
    Case c;
    for (int line = 4; line <= kCaseFileLines; ++line) {
        if (double* field = CaseFileField(c, line, *data.screwType))
            *field = data.numbers[line].value();
    }
    return c;
}

// The worked example examples/`name` on the resins of data/resins.dat: its
// figures that differ by more than half a unit of the last digit given, and
// any message.
Words WorkedExampleMisses(const std::string& name, const Words& given) {
    const CaseFileData data = LoadCaseFile(testing::SourcePath("examples/" + name));
    ResinTable resins{LoadResinDatabase(testing::SourcePath("data/resins.dat")).records};
    resins.LastResin = static_cast<int>(resins.Resins.size()) - 1;
    resins.CurrentResin = data.resinIndex.value();
    Case c = CaseOf(data);
    testing::ScriptedDesktop desktop;
    CalcCells(c, resins, ModesOf(data), desktop);
    Words misses;
    for (const testing::RecordedMessage& message : desktop.takeMessages())
        misses.push_back(message.text);
    static constexpr double Case::*kFigures[] = {
        &Case::HelixAngle,  &Case::DragFlow,   &Case::EquivalentViscosity, &Case::PressureFlow,
        &Case::LeakageFlow, &Case::ActualFlow, &Case::SpecificOutput};
    for (size_t i = 0; i < std::size(kFigures); ++i) {
        const size_t point = given.at(i).find('.');
        const double decimals = point == std::string::npos ? 0 : given[i].size() - point - 1;
        if (std::fabs(c.*kFigures[i] - Value(given[i])) > std::pow(10.0, -decimals) / 2)
            misses.push_back(given[i] + " is " + Number(c.*kFigures[i]));
    }
    return misses.empty() ? Words{""} : misses;
}

// The bytes a row names: its argument, or for a "...file" function the
// source file the argument names.
std::string RowBytes(const Words& args) {
    return args.at(0).ends_with("file") ? testing::ReadBytes(testing::SourcePath(args.at(1)))
                                        : args.at(1);
}

// What the row's function gives, in the words of the table.
Words Result(const Words& args) {
    const std::string& f = args.at(0);
    if (f == "qpround") return {QPROUND(Value(args.at(1)), std::stoi(args.at(2)), args.at(3)[0])};
    if (f == "format") return {FormatFileNumber(Value(args.at(1)))};
    if (f == "parse") return {Shown(ParseFileNumber(args.at(1)))};
    if (f == "lenient") return {Number(ReadLenientNumber(args.at(2), args.at(1)[0]))};
    if (f == "strict") return {Shown(ReadStrictNumber(args.at(3), args.at(1)[0], args.at(2)[0]))};
    if (f == "screwtype") {
        const auto type = ReadCaseFile(args.at(1) + "\r\n").screwType;
        return {type ? std::to_string(static_cast<int>(*type)) : "none"};
    }
    if (f == "resinindex") {
        std::string text = "0\r\nTrue\r\nTrue\r\n";
        for (int line = 4; line <= kCaseFileLines; ++line)
            text += (line == 14 ? args.at(1) : " 0 ") + "\r\n";
        const CaseFileData data = ReadCaseFile(text);
        if (!data.errors.empty()) return data.errors;
        return {data.resinIndex ? std::to_string(*data.resinIndex) : "none"};
    }
    if (f == "casefile") {
        const CaseFileData data = ReadCaseFile(args.at(1));
        Words read = {data.screwType ? std::to_string(static_cast<int>(*data.screwType)) : "-",
                      !data.unitSystem                         ? "-"
                      : *data.unitSystem == UnitSystem::Metric ? "Metric"
                                                               : "US",
                      !data.sectionLengthMode                                  ? "-"
                      : *data.sectionLengthMode == SectionLengthMode::Distance ? "distance"
                                                                               : "L/D"};
        for (int line = 4; line <= kCaseFileLines; ++line) {
            if (data.numbers[line])
                read.push_back(std::to_string(line) + ":" + Number(*data.numbers[line]));
        }
        if (data.resinIndex) read.push_back("index:" + std::to_string(*data.resinIndex));
        read.insert(read.end(), data.errors.begin(), data.errors.end());
        return read;
    }
    if (f.starts_with("case-roundtrip")) {
        const std::string bytes = RowBytes(args);
        const CaseFileData data = ReadCaseFile(bytes);
        const std::string text =
            CaseFileText(CaseOf(data), ModesOf(data), *data.resinIndex, data.die.value_or(Die{}));
        return {text == bytes ? "" : "changed"};
    }
    if (f == "worked") return WorkedExampleMisses(args.at(1), Words(args.begin() + 2, args.end()));
    if (f == "drop") {
        const double bar =
            DiePressureDrop(ParseDie(args.at(1)).die, testing::NewtonianResin(Value(args.at(2))),
                            UnitSystem::Metric, 36);
        return {Number(bar, std::stoi(args.at(3)))};
    }
    if (f == "die" || f == "dieformat") {
        const DieParse parse = ParseDie(args.at(1));
        return {f == "die" || !parse.error.empty() ? parse.error : FormatDie(parse.die)};
    }
    if (f == "range") return {ParseSpeedRange(args.at(1)).error};
    if (f == "dieblock") {
        const CaseFileData data = ReadCaseFile(CaseFileText(Case{}, Modes{}, 0) + args.at(1));
        Words read = {data.die ? FormatDie(*data.die) : "none"};
        read.insert(read.end(), data.errors.begin(), data.errors.end());
        return read;
    }
    if (f.starts_with("resin")) {
        const std::string bytes = RowBytes(args);
        const ResinLoad load = ReadResinDatabase(bytes);
        Words read;
        for (const ResinRecord& r : load.records) {
            read.push_back(r.ResinName + (r.ResinIsMetric ? "|True|" : "|False|"));
            for (int i = 0; i < ResinRecord::kNumberCount; ++i)
                read.back() += (i ? " " : "") + Number(r.number(i));
        }
        read.push_back(ResinLoadMessage(load));
        if (f == "resindb") return read;
        return {read.back() +
                (ResinDatabaseText(load.records, static_cast<int>(load.records.size()) - 1) == bytes
                     ? ""
                     : "changed")};
    }
    if (f == "roundtrip") {
        const std::string line = FormatFileNumber(Value(args.at(1)));
        const std::optional<double> back = ParseFileNumber(line);
        const bool near =
            back && std::fabs(*back - Value(args[1])) <= std::fabs(Value(args[1])) * 1e-14;
        return {near && FormatFileNumber(*back) == line ? "" : "lost in " + line};
    }
    Words lines;
    std::string_view rest = args.at(1), line;
    while (TakeFileLine(rest, line)) lines.emplace_back(line);
    return lines;
}

TEST(Rules, GiveWhatTheTableSays) {
    std::istringstream table(testing::ReadBytes(testing::SourcePath("tests/data/rules.txt")));
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        Words words = testing::Split(line);
        const auto arrow = std::find(words.begin(), words.end(), "=>");
        Words expected(arrow == words.end() ? arrow : arrow + 1, words.end());
        if (arrow == words.end()) expected = {""};
        if (expected == Words{"overflow"}) expected = {"Output Error: Overflow"};
        Words args(words.begin(), arrow);
        if (words[0] == "parse" || words[0] == "lenient" || words[0] == "strict") {
            expected[0] = expected[0] == "none" ? "none" : Number(Value(expected[0]));
        }
        if (words[0] == "drop") expected[0] = Number(Value(expected[0]), std::stoi(words[3]));
        EXPECT_EQ(Result(args), expected) << line;
    }
}

// Short tokens are converted without std::from_chars, and short decimals
// written without the general conversion: both ways must agree bit for bit.
TEST(FileNumbers, QuickPathsAgreeWithTheGeneralConversion) {
    std::mt19937_64 random(20240601);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
    for (int n = 0; n < 200000; ++n) {
        std::string token = pick(0, 1) ? "-" : "";
        const int digits = pick(1, 20);
        const int point = pick(0, digits);
        for (int i = 0; i < digits; ++i)
            token += (i == point ? "." : "") + std::to_string(pick(0, 9));
        if (pick(0, 1)) token += "E" + std::to_string(pick(-40, 40));
        double expected = 0;
        std::from_chars(token.data(), token.data() + token.size(), expected);
        const std::optional<double> got = ParseFileNumber(token);
        ASSERT_TRUE(got.has_value()) << token;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*got), std::bit_cast<std::uint64_t>(expected))
            << token;

        double value = std::bit_cast<double>(random());
        if (n % 2 == 0)
            value = static_cast<double>(random() % 2'000'000'000'000'000ULL) /
                    std::pow(10.0, pick(0, 11));
        if (!std::isfinite(value) || value == 0) continue;
        char fifteen[2][64];
        const std::optional<double> back = ParseFileNumber(FormatFileNumber(value));
        ASSERT_TRUE(back.has_value()) << value;
        *std::to_chars(fifteen[0], fifteen[0] + 63, *back, std::chars_format::scientific, 14).ptr =
            0;
        *std::to_chars(fifteen[1], fifteen[1] + 63, value, std::chars_format::scientific, 14).ptr =
            0;
        ASSERT_STREQ(fifteen[0], fifteen[1]) << FormatFileNumber(value);
    }
}

// The window and the command-line tool may switch LC_NUMERIC to a locale
// with a decimal comma; the files must not notice.
TEST(FileNumbers, IgnoreTheProcessLocale) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "C.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) break;
    }
    EXPECT_EQ(FormatFileNumber(-12.5), "-12.5 ");
    EXPECT_EQ(ParseFileNumber(" .549 "), 0.549);
    EXPECT_EQ(ParseFileNumber("1,5"), std::nullopt);
    std::setlocale(LC_NUMERIC, before.c_str());
}

}  // namespace
}  // namespace veredod
