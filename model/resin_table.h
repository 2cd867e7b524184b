// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace veredod {

// Indices into the table are 16-bit signed in the files and the lists, so
// the last usable index is 32767.
inline constexpr int kMaxResinIndex = 32767;

struct ResinRecord {
    std::string ResinName;       // never trimmed; one line, without control characters
    bool ResinIsMetric = false;  // an unstamped record counts as US
    double ResinCost = 0;
    double MeltDensity = 0;
    double SolidDensity = 0;
    double ConsistencyIndex = 0;
    double PowerLawIndex = 0;
    double HeatCapacity = 0;
    double HeatOfFusion = 0;
    double ThermalConductivity = 0;

    static constexpr int kNumberCount = 8;
    // The eight numbers in file and cell order (txtMatlProp 1..8).
    double& number(int i);
    double number(int i) const;

    bool operator==(const ResinRecord&) const = default;
};

struct ResinTable {
    std::vector<ResinRecord> Resins;
    int LastResin = 0;     // records in use are 0 .. LastResin
    int CurrentResin = 0;  // the selected record

    bool hasIndex(int index) const { return index >= 0 && index < static_cast<int>(Resins.size()); }
    const ResinRecord* current() const {
        return hasIndex(CurrentResin) ? &Resins[CurrentResin] : nullptr;
    }
    ResinRecord* current() { return hasIndex(CurrentResin) ? &Resins[CurrentResin] : nullptr; }
};

}  // namespace veredod
