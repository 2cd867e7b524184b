#pragma once
// Case files: the 24-line saved data entries file and its commands.
//
//   Case + modes + CurrentResin --CaseFileText--> 24 lines --> file (atomic)
//   file --ReadCaseFile--> CaseFileData --(window: switches, then fields)--> Case
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

namespace veredod {

inline constexpr int kCaseFileLines = 24;
inline constexpr int kResinIndexLine = 14;

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

    // Failures other than a type mismatch or a short file, each already in
    // its message form "Output Error: " + description.
    std::vector<std::string> errors;
};

CaseFileData ReadCaseFile(std::string_view bytes);
CaseFileData LoadCaseFile(const std::string& path);

// Lines 4..24 in file order, each with its field: the caller picks the
// back pressure of line 18 by the screw type.
double* CaseFileField(Case& c, int line, ScrewType screwType);

std::string CaseFileText(const Case& c, const Modes& modes, int currentResin);
WriteOutcome SaveCaseFile(const std::string& path, const Case& c, const Modes& modes,
                          int currentResin);

}  // namespace veredod
