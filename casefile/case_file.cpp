// SPDX-License-Identifier: GPL-3.0-or-later
#include "casefile/case_file.h"

#include <cmath>

#include "model/number_form.h"
#include "model/read_file.h"
#include "model/text.h"

namespace veredod {

namespace {

constexpr int kBackPressureLine = 18;

bool IsWordTrue(std::string_view token) {
    return EqualsIgnoringCase(token, "true");
}

std::optional<ScrewType> ScrewTypeFrom(std::string_view token) {
    if (IsWordTrue(token)) return ScrewType::Barrier;
    const std::optional<double> value = ParseFileNumber(token);
    if (!value) return std::nullopt;
    if (*value == 0) return ScrewType::Barrier;
    if (*value == 1) return ScrewType::SingleFlighted;
    if (*value == 2) return ScrewType::TwoStage;
    return std::nullopt;
}

// The index field is a 16-bit integer: a fraction rounds to the nearest whole
// number, halves to the even one, and only then is the range checked.
double RoundHalfToEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2 * std::round(value / 2);
    return std::round(value);
}

void ReadResinIndex(double value, CaseFileData& data) {
    const double whole = RoundHalfToEven(value);
    if (whole < -32768 || whole > 32767) {
        data.errors.push_back("Output Error: Overflow");
        return;
    }
    data.resinIndex = static_cast<int>(whole);
}

const char* ScrewTypeWord(ScrewType type) {
    switch (type) {
        case ScrewType::Barrier:
            return "0";
        case ScrewType::SingleFlighted:
            return "1";
        case ScrewType::TwoStage:
            break;
    }
    return "2";
}

// Element lines up to the end marker; a file that ends first keeps what it
// had. A line that is not an element is reported and left out.
void ReadDieBlock(std::string_view& bytes, CaseFileData& data) {
    Die die;
    std::string_view line;
    bool ended = false;
    while (!ended && TakeFileLine(bytes, line)) {
        const std::string_view text = TrimBlanks(line);
        if (text == kDieBlockEnd) {
            ended = true;
        } else if (!text.empty()) {
            // One element at a time: the geometry check of a whole die
            // would turn away an element the user has not finished.
            const DieParse parse = ParseDie(text);
            if (parse.die.elements.size() == 1) {
                die.elements.push_back(parse.die.elements.front());
            } else {
                data.errors.push_back("The case file's die line \"" + std::string(text) +
                                      "\" was left out: " + parse.error);
            }
        }
    }
    if (!ended)
        data.errors.push_back("The case file's die block has no \"" + std::string(kDieBlockEnd) +
                              "\" line.");
    data.die = std::move(die);
}

}  // namespace

CaseFileData ReadCaseFile(std::string_view bytes) {
    CaseFileData data;
    std::string_view line;
    for (int number = 1; number <= kCaseFileLines && TakeFileLine(bytes, line); ++number) {
        const std::string_view token = TrimBlanks(line);
        if (number == 1) {
            data.screwType = ScrewTypeFrom(token);
        } else if (number == 2) {
            data.unitSystem = IsWordTrue(token) ? UnitSystem::Metric : UnitSystem::US;
        } else if (number == 3) {
            data.sectionLengthMode = IsWordTrue(token) ? SectionLengthMode::LengthOverDiameter
                                                       : SectionLengthMode::Distance;
        } else {
            data.numbers[static_cast<size_t>(number)] = ParseFileNumber(token);
            if (number == kResinIndexLine && data.numbers[kResinIndexLine]) {
                ReadResinIndex(*data.numbers[kResinIndexLine], data);
            }
        }
    }
    while (TakeFileLine(bytes, line)) {
        if (TrimBlanks(line) == kDieBlockStart) {
            ReadDieBlock(bytes, data);
            break;
        }
    }
    return data;
}

CaseFileData LoadCaseFile(const std::string& path) {
    ReadOutcome file = ReadWholeFile(path);
    if (!file.ok) {
        CaseFileData data;
        data.opened = false;
        data.openError = file.error;
        data.errors.push_back("Output Error: " + file.error);
        return data;
    }
    return ReadCaseFile(file.bytes);
}

double* CaseFileField(Case& c, int line, ScrewType screwType) {
    switch (line) {
        case 4:
            return &c.ScrewDiameter;
        case 5:
            return &c.MeteringLength;
        case 6:
            return &c.MeteringDepth;
        case 7:
            return &c.MeteringLead;
        case 8:
            return &c.FlightClearance;
        case 9:
            return &c.FlightWidth;
        case 10:
            return &c.PowerSupply;
        case 11:
            return &c.PowerAvailable;
        case 12:
            return &c.MotorSpeed;
        case 13:
            return &c.GearBoxSpeed;
        case 15:
            return &c.MaterialTempIn;
        case 16:
            return &c.MaterialTempOut;
        case 17:
            return &c.ScrewRpm;
        case kBackPressureLine:
            return screwType == ScrewType::TwoStage ? &c.SecondStageBackPressure
                                                    : &c.SystemBackPressure;
        case 19:
            return &c.SecondScrewDiameter;
        case 20:
            return &c.SecondMeteringLength;
        case 21:
            return &c.SecondMeteringDepth;
        case 22:
            return &c.SecondMeteringLead;
        case 23:
            return &c.SecondFlightClearance;
        case 24:
            return &c.SecondFlightWidth;
        default:
            return nullptr;
    }
}

std::string CaseFileText(const Case& c, const Modes& modes, int currentResin, const Die& die) {
    std::string text;
    text += ScrewTypeWord(modes.screwType);
    text += "\r\n";
    text += modes.unitSystem == UnitSystem::Metric ? "True\r\n" : "False\r\n";
    text +=
        modes.sectionLengthMode == SectionLengthMode::LengthOverDiameter ? "True\r\n" : "False\r\n";
    Case fields = c;  // CaseFileField hands out pointers into a case it may change
    for (int line = 4; line <= kCaseFileLines; ++line) {
        const double value =
            line == kResinIndexLine ? currentResin : *CaseFileField(fields, line, modes.screwType);
        AppendFileNumber(text, value);
        text += "\r\n";
    }
    if (die.elements.empty()) return text;
    text += kDieBlockStart;
    text += "\r\n";
    for (const DieElement& element : die.elements) {
        text += FormatDie(Die{{element}});
        text += "\r\n";
    }
    text += kDieBlockEnd;
    text += "\r\n";
    return text;
}

WriteOutcome SaveCaseFile(const std::string& path, const Case& c, const Modes& modes,
                          int currentResin, const Die& die) {
    return WriteFileAtomically(path, CaseFileText(c, modes, currentResin, die));
}

}  // namespace veredod
