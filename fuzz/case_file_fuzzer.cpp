// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a case file: the reader must not crash, and a case built from
// what it read must save and read back unchanged.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "casefile/case_file.h"

using namespace veredod;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CaseFileData read = ReadCaseFile(bytes);
    if (read.resinIndex && (*read.resinIndex < -32768 || *read.resinIndex > 32767)) std::abort();
    // One output error at most; die block lines may each add a sentence of their own.
    const auto outputErrors =
        std::count_if(read.errors.begin(), read.errors.end(),
                      [](const auto& e) { return e.starts_with("Output Error: "); });
    if (outputErrors > 1) std::abort();

    Modes modes;
    modes.screwType = read.screwType.value_or(ScrewType::Barrier);
    modes.unitSystem = read.unitSystem.value_or(UnitSystem::Metric);
    modes.sectionLengthMode =
        read.sectionLengthMode.value_or(SectionLengthMode::LengthOverDiameter);
    Case c;
    for (int line = 4; line <= kCaseFileLines; ++line) {
        double* field = CaseFileField(c, line, modes.screwType);
        if (field != nullptr && read.numbers[static_cast<size_t>(line)]) {
            *field = *read.numbers[static_cast<size_t>(line)];
        }
    }
    const int resin = read.resinIndex.value_or(0);

    const Die die = read.die.value_or(Die{});
    const std::string text = CaseFileText(c, modes, resin, die);
    const CaseFileData again = ReadCaseFile(text);
    if (again.screwType != modes.screwType || again.unitSystem != modes.unitSystem ||
        again.sectionLengthMode != modes.sectionLengthMode || again.resinIndex != resin ||
        !again.errors.empty() || again.die.value_or(Die{}) != die) {
        std::abort();
    }
    Case back;
    for (int line = 4; line <= kCaseFileLines; ++line) {
        if (!again.numbers[static_cast<size_t>(line)]) std::abort();
        if (double* field = CaseFileField(back, line, modes.screwType)) {
            *field = *again.numbers[static_cast<size_t>(line)];
        }
    }
    if (CaseFileText(back, modes, resin, die) != text) std::abort();
    return 0;
}
