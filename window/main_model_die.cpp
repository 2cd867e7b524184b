// SPDX-License-Identifier: GPL-3.0-or-later
// The "Die" tab: the case's die as a table of texts. A cell holds what the
// element holds; a commit that would store a bad value is refused with a
// message and the cell shows the stored value again.

#include <cmath>

#include "entry/cell_reading.h"
#include "window/main_model.h"

namespace veredod {

namespace {

struct DieColumnInfo {
    const char* caption;  // before the unit
    const char* name;     // in messages
    const char* help;
    double DieElement::*member;  // nullptr for the shape and the count
};

constexpr std::array<DieColumnInfo, kDieColumns> kDieColumnInfo = {{
    {"Shape", "shape", "The shape of the element's channels: circular, slit or annulus", nullptr},
    {"Count", "count", "The number of identical channels side by side", nullptr},
    {"d", "diameter d", "The diameter of a circular channel", &DieElement::diameter},
    {"w", "width w", "The width of a slit", &DieElement::width},
    {"h", "gap h", "The gap (height) of a slit", &DieElement::gap},
    {"Do", "outer diameter Do", "The outer diameter of an annulus", &DieElement::outerDiameter},
    {"Di", "inner diameter Di", "The inner diameter of an annulus", &DieElement::innerDiameter},
    {"L", "length L", "The length of the channels in the direction of flow", &DieElement::length},
}};

bool ShapeUses(DieShape shape, DieColumn column) {
    switch (column) {
        case DieColumn::Shape:
        case DieColumn::Count:
        case DieColumn::Length:
            return true;
        case DieColumn::Diameter:
            return shape == DieShape::Circular;
        case DieColumn::Width:
        case DieColumn::Gap:
            return shape == DieShape::Slit;
        case DieColumn::OuterDiameter:
        case DieColumn::InnerDiameter:
            return shape == DieShape::Annulus;
    }
    return false;
}

std::string ElementName(int row) {
    return "Die element " + std::to_string(row + 1) + ": ";
}

}  // namespace

void MainModel::setDie(const Die& die) {
    m_die = die;
    dieChanged();
}

void MainModel::selectDieRow(int row) {
    DieState& tab = m_state.tabDie;
    const int rows = static_cast<int>(m_die.elements.size());
    const int selected = row >= 0 && row < rows ? row : -1;
    if (selected == tab.selectedRow) return;
    tab.selectedRow = selected;
    ++tab.revision;
}

void MainModel::cmdAddDieRow_Click() {
    const int selected = m_state.tabDie.selectedRow;
    const int at = selected >= 0 ? selected + 1 : static_cast<int>(m_die.elements.size());
    m_die.elements.insert(m_die.elements.begin() + at, DieElement{});
    m_state.tabDie.selectedRow = at;
    dieChanged();
}

void MainModel::cmdRemoveDieRow_Click() {
    const int rows = static_cast<int>(m_die.elements.size());
    if (rows == 0) return;
    int& selected = m_state.tabDie.selectedRow;
    const int at = selected >= 0 && selected < rows ? selected : rows - 1;
    m_die.elements.erase(m_die.elements.begin() + at);
    selected = selected < 0 ? -1 : std::min(at, rows - 2);
    dieChanged();
}

void MainModel::selectDieShape(int row, int shape) {
    if (row < 0 || row >= static_cast<int>(m_die.elements.size())) return;
    if (shape < 0 || shape >= static_cast<int>(kDieShapeCaptions.size())) return;
    DieElement& element = m_die.elements[row];
    if (element.shape == static_cast<DieShape>(shape)) return;
    element.shape = static_cast<DieShape>(shape);
    dieChanged();
}

void MainModel::setDieCellText(int row, DieColumn column, const std::string& text) {
    if (row < 0 || row >= static_cast<int>(m_state.tabDie.rows.size())) return;
    m_state.tabDie.rows[row].cells[static_cast<int>(column)].text = text;
}

void MainModel::tblDie_CellCommit(int row, DieColumn column) {
    if (row < 0 || row >= static_cast<int>(m_die.elements.size())) return;
    if (row >= static_cast<int>(m_state.tabDie.rows.size())) return;
    DieElement& element = m_die.elements[row];
    if (column == DieColumn::Shape || !ShapeUses(element.shape, column)) return;
    const std::string& text = m_state.tabDie.rows[row].cells[static_cast<int>(column)].text;

    const std::string error = column == DieColumn::Count
                                  ? commitDieCount(element, text)
                                  : commitDieDimension(element, column, text);
    if (!error.empty()) {
        refreshDieTable();
        showExclamation(ElementName(row) + error);
        return;
    }
    dieChanged();
}

std::string MainModel::commitDieCount(DieElement& element, const std::string& text) {
    if (text == std::to_string(element.count)) return {};
    const auto value = ReadStrictNumber(text, m_format.decimalSeparator, m_format.groupSeparator);
    if (!value || *value < 1 || *value != std::floor(*value) || *value > 1e6) {
        return "the count must be a whole number of 1 or more.";
    }
    element.count = static_cast<int>(*value);
    return {};
}

// A cell still showing its stored value keeps it at full precision.
std::string MainModel::commitDieDimension(DieElement& element, DieColumn column,
                                          const std::string& text) {
    const DieColumnInfo& info = kDieColumnInfo[static_cast<int>(column)];
    double& field = element.*info.member;
    if (text == formatNumber(field)) return {};
    const auto value = ReadStrictNumber(text, m_format.decimalSeparator, m_format.groupSeparator);
    if (!value) return std::string("the ") + info.name + " must be a number.";
    if (!(*value > 0)) return std::string("the ") + info.name + " must be above 0.";
    const bool inner = column == DieColumn::InnerDiameter;
    if (column == DieColumn::OuterDiameter || inner) {
        const double other = inner ? element.outerDiameter : element.innerDiameter;
        const double outer = inner ? other : *value, innerValue = inner ? *value : other;
        if (outer > 0 && innerValue > 0 && innerValue >= outer) {
            return "the inner diameter Di must be below the outer diameter Do.";
        }
    }
    field = *value;
    return {};
}

void MainModel::dieChanged() {
    refreshDieTable();
    followCase();
}

void MainModel::applyDieCaptions() {
    const std::string unit = activeUnits() == UnitSystem::Metric ? " (mm)" : " (in)";
    DieState& tab = m_state.tabDie;
    for (int i = 0; i < kDieColumns; ++i) {
        const DieColumnInfo& info = kDieColumnInfo[i];
        tab.columnCaptions[i] = std::string(info.caption) + (info.member ? unit : "");
        tab.columnHelp[i] = info.help;
    }
}

void MainModel::refreshDieTable() {
    DieState& tab = m_state.tabDie;
    applyDieCaptions();
    tab.rows.clear();
    for (const DieElement& element : m_die.elements) {
        DieRow row;
        row.shape = static_cast<int>(element.shape);
        for (int i = 0; i < kDieColumns; ++i) {
            const auto column = static_cast<DieColumn>(i);
            DieCell& cell = row.cells[i];
            cell.enabled = ShapeUses(element.shape, column);
            if (!cell.enabled) continue;
            if (column == DieColumn::Shape) {
                cell.text = kDieShapeCaptions[row.shape];
            } else if (column == DieColumn::Count) {
                cell.text = std::to_string(element.count);
            } else {
                cell.text = formatNumber(element.*kDieColumnInfo[i].member);
            }
        }
        tab.rows.push_back(std::move(row));
    }
    const int rows = static_cast<int>(tab.rows.size());
    if (tab.selectedRow >= rows) tab.selectedRow = rows - 1;
    tab.removeEnabled = rows > 0;
    tab.status = DieGeometryError(m_die);
    ++tab.revision;
}

}  // namespace veredod
