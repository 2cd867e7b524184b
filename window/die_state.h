// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Die" tab as the presentation model holds it: one row per die element,
// the cells as texts. A row's cells that its shape does not use are empty
// and not enabled.

#include <array>
#include <string>
#include <vector>

namespace veredod {

// The table's columns, left to right.
enum class DieColumn { Shape, Count, Diameter, Width, Gap, OuterDiameter, InnerDiameter, Length };
inline constexpr int kDieColumns = 8;

// "Circular", "Slit", "Annulus": the shape cell's choices, in DieShape order.
inline constexpr std::array<const char*, 3> kDieShapeCaptions = {"Circular", "Slit", "Annulus"};

struct DieCell {
    std::string text;  // the Shape column holds the shape's caption
    bool enabled = true;
};

struct DieRow {
    int shape = 0;  // index into kDieShapeCaptions
    std::array<DieCell, kDieColumns> cells;
};

struct DieState {
    std::string tabCaption = "Die";
    // Column headers with the active unit system's length unit, e.g.
    // "Shape", "Count", "d (mm)", "w (mm)", "h (mm)", "Do (mm)", "Di (mm)", "L (mm)".
    std::array<std::string, kDieColumns> columnCaptions;
    std::array<std::string, kDieColumns> columnHelp;
    std::vector<DieRow> rows;
    int selectedRow = -1;  // -1 for none; Remove takes this row, or the last one

    std::string addCaption = "Add";
    std::string addHelp = "Add a die element after the selected one";
    std::string removeCaption = "Remove";
    std::string removeHelp = "Remove the selected die element";
    bool removeEnabled = false;  // there is a row to remove

    // What the die lacks before the operating point can be found, as a
    // sentence ("" for a complete die); shown under the table.
    std::string status;

    unsigned revision = 0;  // bumped whenever rows, captions or status change
};

}  // namespace veredod
