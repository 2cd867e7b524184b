// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window without the window: its state and every handler.
//
//   user event --> handler (MainModel) --> Case / ResinTable / files
//                                      --> WindowState (texts, captions, lists)
//   Qt window / veredod-calc <-- WindowState      Desktop <-- boxes, dialogs
//
// Setting a selection from code (an option button, a resin list entry) runs
// that control's handler at once, nested, as a user selection would; the
// handlers rely on that order. Handlers carry the names of the controls and
// events they stand for (optUnits_Click, txtMatlProp_LostFocus, ...).

#include <array>
#include <string>

#include "model/case.h"
#include "model/die.h"
#include "model/operating_point.h"
#include "model/resin_table.h"
#include "window/desktop.h"
#include "window/window_state.h"

namespace veredod {

struct CaseFileData;

// The user's regional number format.
struct NumberFormat {
    char decimalSeparator = '.';
    char groupSeparator = ',';
};

// What the command line asks of the start-up; empty paths leave that step
// as a plain start does it.
struct StartOptions {
    std::string resinFile;  // loaded instead of asking with the resin dialog
    std::string caseFile;   // opened as Open would, once the window is ready
};

inline constexpr const char* kProductTitle = "Veredod 2000 Single Screw Extrusion Simulation";
inline constexpr int kEnterKey = 13;

class MainModel {
public:
    explicit MainModel(Desktop& desktop, NumberFormat format = {});

    const WindowState& state() const { return m_state; }
    const Case& currentCase() const { return m_case; }
    const ResinTable& resinTable() const { return m_resins; }
    Modes modes() const;
    NumberFormat numberFormat() const { return m_format; }

    // The main window's load: table to two blank records, screw type and
    // section-length handlers for index 0, help texts, the resin database
    // from the dialog, the unit handler for metric, the first resin.
    // False when the resin dialog was cancelled: the program ends. A resin
    // file in `options` stands in for the dialog's answer; one that cannot be
    // read gets the usual message and the dialog follows.
    bool startUp(const StartOptions& options = {});
    // Open's work on a path chosen elsewhere (the command line).
    void openCaseFile(const std::string& path);

    // Option buttons: select index i as the user would; the handler runs
    // when the selection changes.
    void selectScrewType(int index);
    void selectUnits(int index);
    void selectSectLength(int index);
    void optScrewType_Click(int index);
    void optUnits_Click(int index);
    void optSectLength_Click(int index);

    // Cells: the window keeps the typed text in the model, then commits it
    // on focus loss or Enter.
    void setCellText(CellGroup group, int index, const std::string& text);
    void txtVar_LostFocus(int index);
    void txtExtSys_LostFocus(int index);
    void txtMotorSpec_LostFocus(int index);
    void txtMatlProp_LostFocus(int index);
    void txtVar_KeyPress(int index, int keyCode);
    void txtExtSys_KeyPress(int index, int keyCode);
    void txtMotorSpec_KeyPress(int index, int keyCode);
    void txtMatlProp_KeyPress(int index, int keyCode);
    void commitCell(CellGroup group, int index);  // the LostFocus handler of the group

    // Resin list and buttons.
    void selectResin(int listIndex);  // sets the selection; cmbResins_Click runs if it changed
    void cmbResins_Click();
    void cmndAddResin_Click();
    void cmndDeleteResin_Click();

    // Commands.
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuPrint_Click();
    void mnuPrintPreview_Click();
    void mnuExportPdf_Click();
    void mnuCalc_Click();  // CalcCells, then DisplayResults
    void mnuAbout_Click();
    void cmndToolBar_Click(int index);
    void lblWebAddress_Click();

    // The case's die and the "Die" tab. A cell commit that does not hold a
    // good value gets a message, and the cell shows the stored value again.
    const Die& die() const { return m_die; }
    void setDie(const Die& die);              // replaces the die (veredod-calc --die) and refreshes
    void selectDieRow(int row);               // -1 for none
    void cmdAddDieRow_Click();                // a circular element after the selected row
    void cmdRemoveDieRow_Click();             // the selected row, or the last one
    void selectDieShape(int row, int shape);  // index into kDieShapeCaptions
    void setDieCellText(int row, DieColumn column, const std::string& text);
    void tblDie_CellCommit(int row, DieColumn column);  // focus loss or Enter

    // The "Analysis" menu and the Operating Point window. The window follows
    // the case: Calculate, a unit switch, an opened or new case and an
    // edited die refresh it while it is open (frmOperatingPoint.revision).
    void mnuOperatingPoint_Click();  // opens it, or keeps it open, and computes
    void frmOperatingPoint_Close();
    void setSweepText(SweepCell cell, const std::string& text);
    void txtSweep_LostFocus(SweepCell cell);  // commits the range and sweeps again
    void cmdUsePressure_Click();  // the head pressure into the back pressure cell, as if typed
    void cmdExportCsv_Click();    // the sweep through a save dialog, "CSV Files (*.csv)"
    void RefreshOperatingPoint();
    const OperatingPoint& operatingPoint() const { return m_operatingPoint; }
    const Sweep& sweep() const { return m_sweep; }

    // Procedures the handlers share.
    void UpdateCells();
    void DisplayResults();
    void DisplayDefaultResins();
    void AlignResinUnits();
    void SaveResin();  // reports a failed write; the table stays as it is

    // Direct access for tests and tools that set up a state.
    Case& mutableCase() { return m_case; }
    ResinTable& mutableResins() { return m_resins; }

private:
    void setHelpTexts();
    void setFixedCaptions();
    void applyUnitCaptions();
    bool OpenRes();
    bool loadNamedDatabase(const std::string& path);
    void takeResinLoad(const std::string& path);
    UnitSystem activeUnits() const;
    void showExclamation(const std::string& text);
    void rebuildResinList();
    void setResults(std::vector<std::string> lines);
    void applyCaseFile(const CaseFileData& data);
    bool writeCaseFile(const std::string& path);
    std::string formatNumber(double value) const;  // QPROUND with 3 decimals
    std::string commitDieCount(DieElement& element, const std::string& text);
    std::string commitDieDimension(DieElement& element, DieColumn column, const std::string& text);
    void dieChanged();  // the table again, and the Operating Point window
    void applyDieCaptions();
    void refreshDieTable();
    void followCase();  // refreshes the Operating Point window when it is open
    ChartState characteristicsChart(const Characteristics& characteristics) const;
    bool showsStoredValue(const std::string& text, double stored) const;
    void commitLenient(Cell& cell, double* field);
    // The status line and the results' hover texts (main_model_status.cpp).
    void describeCalculation();
    void describeConversion();
    void setResultsTips();
    // Called by commitLenient before it stores the reading into `field`.
    void markPartialReading(Cell& cell, const double* field);
    void dropStaleMarks();

    Desktop& m_desktop;
    NumberFormat m_format;
    WindowState m_state;
    Case m_case;
    ResinTable m_resins;
    // The systems the case's numbers are in, so that a handler run twice, or
    // directly with the selection it already has, converts nothing.
    UnitSystem m_caseUnits = UnitSystem::Metric;
    SectionLengthMode m_caseLengthMode = SectionLengthMode::LengthOverDiameter;
    Die m_die;
    OperatingPoint m_operatingPoint;
    Sweep m_sweep;
    SpeedRange m_sweepRange;
    bool m_sweepRangeTyped = false;  // the user's range; until then it follows the set speed
    // The resin cells' texts as the last refresh left them: a cell still
    // showing that text has not been edited and is not read again.
    std::array<std::string, 9> m_matlPropRefreshed;
    // The resin database did not load cleanly: what is on disk may be a file
    // that is no database at all, so it is kept before the first save.
    bool m_keepOriginalBeforeSave = false;
};

}  // namespace veredod
