// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one list of the case's number fields and of a resin record's numbers:
// each field's name (also its key in veredod-calc's JSON), where it is held,
// how it converts between the unit systems and whether New clears it. Tables
// that take every field in this order derive from it; those with an order of
// their own (cells, the case file, the results list, the report) keep theirs.

#include <span>

#include "model/case.h"
#include "model/resin_table.h"
#include "model/unit_factors.h"

namespace veredod {

enum class FieldRole {
    Input,   // typed into a cell or read from the case file
    Result,  // written by the calculation (the helix angle too)
};

struct CaseField {
    const char* name;
    double Case::*member;
    FieldRole role;
    ConversionKind conversion;
    double factor;
    bool clearedByNew;
    // The metering lengths are distances only outside L/D mode; as ratios
    // they carry no unit.
    bool convertsOnlyAsDistance = false;
};

// Every number of the case, in the order the case declares them.
std::span<const CaseField> CaseFields();

struct ResinField {
    const char* name;
    double ResinRecord::*member;
    ConversionKind conversion;
    double factor;
};

// The eight numbers of a resin record in file and cell order (txtMatlProp 1..8).
std::span<const ResinField> ResinNumberFields();

}  // namespace veredod
