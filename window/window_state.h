// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "window/die_state.h"
#include "window/operating_point_state.h"

namespace veredod {

// Everything the main window shows, as the presentation model holds it. The
// Qt window mirrors these fields into its widgets and nothing else.

struct Control {  // a label, a picture, a button
    std::string caption;
    std::string help;  // hover text
    bool visible = true;
};

struct Cell {  // an entry cell
    std::string text;
    std::string help;
    bool visible = true;
    // A lenient cell whose text was not read whole ("12abc" stored as 12)
    // says so until its text changes.
    bool warning = false;
    std::string warningTip;  // "read as 12"
    std::string warnedText;  // the text the warning is about
};

struct OptionGroup {
    std::vector<std::string> captions;
    int selected = 0;
};

enum class CellGroup { Var, ExtSys, MotorSpec, MatlProp };

struct WindowState {
    std::string caption = "Veredod Single Screw Extrusion Simulation";

    OptionGroup optScrewType{
        {"Barrier (melt channel) screw", "Single flighted screw", "Two stage screw"}, 0};
    OptionGroup optUnits{{"Metric Units", "US Units"}, 0};
    OptionGroup optSectLength{{"Section length in L/D", "Section length in "}, 0};

    // The labels and cells by index:
    //   Label1, txtVar        0 diameter, 1 metering length, 2 metering depth, 3 flight lead,
    //                         4 flight clearance, 5 flight width; 6..11 the same, second stage
    //   Label2, txtMatlProp   0 resin name, 1..8 the record's numbers in ResinRecord::number order
    //   Label3, txtExtSys     0 material temperature in, 1 out, 2 screw rpm, 3 back pressure
    //   Label4, txtMotorSpec  0 power supply, 1 power available, 2 motor speed, 3 gearbox speed
    //   Label5                0 first stage, 1 second stage
    std::string frameScrewTypeCaption = "Screw Geometry";
    std::array<Control, 3> picScrew;  // barrier, single flighted, two stage
    std::array<Control, 2> Label5;    // "First Stage", "Second Stage"
    std::array<Control, 12> Label1;   // geometry labels
    std::array<Cell, 12> txtVar;      // geometry cells

    std::array<Control, 9> Label2;  // material property labels
    std::array<Cell, 9> txtMatlProp;
    std::array<Control, 4> Label3;  // system parameter labels
    std::array<Cell, 4> txtExtSys;
    std::array<Control, 4> Label4;  // motor labels
    std::array<Cell, 4> txtMotorSpec;

    std::string cmbResinsHelp;
    std::vector<std::string> cmbResins;  // one entry per record in use
    int cmbResinsIndex = -1;             // selected entry, -1 for none
    unsigned resinListRevision = 0;      // bumped whenever cmbResins is rebuilt

    Control cmndAddResin{"Add", "Add a new Resin"};
    Control cmndDeleteResin{"Delete", "Delete the current resin from the database"};
    std::array<Control, 6> cmndToolBar;

    std::vector<std::string> lstResults;
    std::vector<std::string> lstResultsTips;  // one per results line; none for other lists
    std::string lstResultsFont;
    unsigned resultsRevision = 0;  // bumped whenever lstResults is rebuilt

    // What the last Calculate rests on, or that a unit switch only converted.
    std::string statusBar;

    std::string lblWebAddress;

    // The "Analysis" menu and its one entry.
    std::string mnuAnalysisCaption = "Analysis";
    std::string mnuOperatingPointCaption = "Operating Point";

    DieState tabDie;                        // the "Die" tab beside the property tabs
    OperatingPointState frmOperatingPoint;  // the Operating Point window

    std::string CaseFile;
    std::string ResinFile;
};

}  // namespace veredod
