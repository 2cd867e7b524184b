// SPDX-License-Identifier: GPL-3.0-or-later
// What the numbers rest on: the status line after Calculate and after a unit
// switch, the results' hover texts and the mark on a lenient cell whose text
// was only partly a number.

#include <cmath>

#include "entry/cell_reading.h"
#include "model/calc.h"
#include "model/drive_limits.h"
#include "model/fields.h"
#include "model/qpround.h"
#include "output/result_rows.h"
#include "output/results_list.h"
#include "window/main_model.h"

namespace veredod {

namespace {

constexpr const char* kConvertedStatus = "Results converted, not recalculated";
constexpr const char* kEarlierValueTip = " (an earlier run's value)";
// More stale results than this are counted, not named.
constexpr std::size_t kNamedStaleResults = 3;

// The cells whose 0 leaves the calculation without a figure it needs: a guard
// skips a step, a flow or a drive figure comes out as 0, or a division gives
// no finite number. A clearance, a temperature or a back pressure of 0 is a
// case of its own.
constexpr int kNeededGeometry[] = {0, 1, 2, 3, 5};
constexpr int kSecondStageOffset = 6;
constexpr int kNeededExtSys[] = {2};
constexpr int kNeededMotorSpec[] = {0, 1, 2, 3};
constexpr int kNeededMatlProp[] = {2, 4, 6};  // melt density, consistency index, heat capacity

class SilentSink : public MessageSink {
public:
    void showMessage(MessageIcon, const std::string&, const std::string&) override {}
};

// "A", "A and B", "A, B and C".
std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) joined += i + 1 == names.size() ? " and " : ", ";
        joined += names[i];
    }
    return joined;
}

bool SameValue(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

// The rows of the list whose value after this run depends on what the case
// held before it: those a guard skipped, and those computed from them. Two
// runs from different earlier results tell them apart.
std::vector<std::size_t> StaleRows(const Case& c, const ResinTable& resins, const Modes& modes) {
    Case fromZero = c;
    Case fromOne = c;
    for (const CaseField& field : CaseFields()) {
        if (field.role != FieldRole::Result) continue;
        fromZero.*field.member = 0;
        fromOne.*field.member = 1;
    }
    SilentSink silent;
    CalcCells(fromZero, resins, modes, silent);
    CalcCells(fromOne, resins, modes, silent);
    std::vector<std::size_t> stale;
    const std::span<const ResultRow> rows = ResultsListRows(modes.screwType);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!SameValue(fromZero.*rows[i].field, fromOne.*rows[i].field)) stale.push_back(i);
    }
    return stale;
}

std::string ResultName(const ResultRow& row, UnitSystem units) {
    std::string name = units == UnitSystem::US && row.usLabel ? row.usLabel : row.label;
    while (!name.empty() && (name.back() == ' ' || name.back() == '=')) name.pop_back();
    return name;
}

}  // namespace

void MainModel::describeCalculation() {
    const Modes current = modes();
    const bool twoStage = current.screwType == ScrewType::TwoStage;
    std::vector<std::string> sentences;

    std::vector<std::string> zero;
    auto checkZero = [&zero](double value, const std::string& caption) {
        if (value == 0) zero.push_back(caption);
    };
    for (int stage = 0; stage < (twoStage ? 2 : 1); ++stage) {
        for (int k : kNeededGeometry) {
            const int i = k + stage * kSecondStageOffset;
            checkZero(*VarField(m_case, i),
                      m_state.Label1[i].caption + (stage == 1 ? " (second stage)" : ""));
        }
    }
    for (int i : kNeededExtSys) {
        checkZero(*ExtSysField(m_case, i, current.screwType), m_state.Label3[i].caption);
    }
    for (int i : kNeededMotorSpec) checkZero(*MotorSpecField(m_case, i), m_state.Label4[i].caption);
    if (const ResinRecord* record = m_resins.current()) {
        for (int i : kNeededMatlProp) checkZero(record->number(i - 1), m_state.Label2[i].caption);
    } else {
        sentences.push_back("No resin is selected.");
    }
    if (!zero.empty())
        sentences.push_back(JoinNames(zero) + (zero.size() == 1 ? " is 0." : " are 0."));

    const std::vector<std::size_t> stale = StaleRows(m_case, m_resins, current);
    const std::span<const ResultRow> rows = ResultsListRows(current.screwType);
    if (stale.size() > kNamedStaleResults) {
        sentences.push_back(std::to_string(stale.size()) +
                            " results still show an earlier run's values.");
    } else if (!stale.empty()) {
        std::vector<std::string> names;
        for (std::size_t i : stale) names.push_back(ResultName(rows[i], current.unitSystem));
        sentences.push_back(JoinNames(names) + (stale.size() == 1
                                                    ? " still shows an earlier run's value."
                                                    : " still show an earlier run's values."));
    }
    for (std::size_t i : stale) {
        if (i < m_state.lstResultsTips.size()) m_state.lstResultsTips[i] += kEarlierValueTip;
    }

    if (twoStage) {
        const std::string used = QPROUND(m_case.SystemBackPressure, 3, m_format.decimalSeparator);
        sentences.push_back("First stage back pressure used = " + (used.empty() ? "0" : used) +
                            (current.unitSystem == UnitSystem::Metric ? " bar." : " psi."));
    }
    for (std::string& warning :
         DriveLimitWarnings(DriveLoadOf(m_case, current), current.unitSystem)) {
        sentences.push_back(std::move(warning));
    }

    std::string status;
    for (const std::string& sentence : sentences) {
        if (!status.empty()) status += ' ';
        status += sentence;
    }
    m_state.statusBar = status;
}

void MainModel::describeConversion() {
    m_state.statusBar = kConvertedStatus;
}

void MainModel::setResultsTips() {
    const Modes current = modes();
    m_state.lstResultsTips =
        ResultsTips(m_case, current.screwType, current.unitSystem, m_format.decimalSeparator);
}

void MainModel::markPartialReading(Cell& cell, const double* field) {
    // A cell still showing its stored value keeps that value, whatever its
    // display text ("-" for a small negative one) reads as.
    if ((field != nullptr && showsStoredValue(cell.text, *field)) ||
        LenientReadingIsWhole(cell.text, m_format.decimalSeparator)) {
        cell.warning = false;
        cell.warningTip.clear();
        return;
    }
    cell.warning = true;
    cell.warningTip =
        "read as " + FullPrecision(ReadLenientNumber(cell.text, m_format.decimalSeparator),
                                   m_format.decimalSeparator);
    cell.warnedText = cell.text;
}

void MainModel::dropStaleMarks() {
    auto drop = [](auto& cells) {
        for (Cell& cell : cells) {
            if (cell.warning && cell.text != cell.warnedText) {
                cell.warning = false;
                cell.warningTip.clear();
            }
        }
    };
    drop(m_state.txtVar);
    drop(m_state.txtExtSys);
    drop(m_state.txtMotorSpec);
}

}  // namespace veredod
