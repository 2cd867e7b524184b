// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Case files: the 24-line saved data entries file and its commands.
//
//   Case + modes + CurrentResin [+ die] --CaseFileText--> 24 lines [+ die block] --> file (atomic)
//   file --ReadCaseFile--> CaseFileData --(window: switches, then fields)--> Case
//
// A case with a die has the die after line 24, where a reader of the 24
// lines never looks:
//   [Die]
//   circular:count=4,d=3.5,l=12.5      one element per line, in die text form
//   annulus:do=60,di=56,l=30
//   [End Die]
// A case without a die is the 24 lines alone, as it always was.
//
// Reading yields what the file says, line by line; applying it (which runs
// the unit and length switches first) is the window's Open command.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/atomic_write.h"
#include "model/case.h"
#include "model/die.h"

namespace veredod {

inline constexpr int kCaseFileLines = 24;
inline constexpr int kResinIndexLine = 14;
inline constexpr const char* kDieBlockStart = "[Die]";
inline constexpr const char* kDieBlockEnd = "[End Die]";

struct CaseFileData {
    bool opened = true;
    std::string openError;

    // Line 1: 0 (or the word True), 1 or 2; absent when the line is missing
    // or holds any other value (the screw type then stays as it is).
    std::optional<ScrewType> screwType;
    // Lines 2 and 3: True -> metric / L/D, any other word -> US / distance;
    // absent when the line is missing.
    std::optional<UnitSystem> unitSystem;
    std::optional<SectionLengthMode> sectionLengthMode;
    // Lines 4..24 as read; index = line number. Lines 1..3 and a line that is
    // missing or not a number stay empty. Line 14 is the resin index.
    std::array<std::optional<double>, kCaseFileLines + 1> numbers{};
    std::optional<int> resinIndex;  // line 14, when it is a whole 16-bit number

    // The die block after line 24; absent when the file has none. Elements
    // whose dimensions are not yet all above 0 are kept as the case had them.
    std::optional<Die> die;

    // Failures other than a type mismatch or a short file, each already in
    // its message form "Output Error: " + description, and die block lines
    // that could not be read, each as a sentence.
    std::vector<std::string> errors;
};

CaseFileData ReadCaseFile(std::string_view bytes);
CaseFileData LoadCaseFile(const std::string& path);

// Lines 4..24 in file order, each with its field: the caller picks the
// back pressure of line 18 by the screw type.
double* CaseFileField(Case& c, int line, ScrewType screwType);

// The die block follows the 24 lines only when the die has an element.
std::string CaseFileText(const Case& c, const Modes& modes, int currentResin, const Die& die = {});
WriteOutcome SaveCaseFile(const std::string& path, const Case& c, const Modes& modes,
                          int currentResin, const Die& die = {});

}  // namespace veredod
