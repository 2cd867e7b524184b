// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/die_tab.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/name_text.h"

namespace veredod::app {

DieTab::DieTab(MainModel& model, Runner run, QWidget* parent)
    : QWidget(parent), m_model(model), m_run(std::move(run)) {
    auto* column = new QVBoxLayout(this);
    createTable();
    createButtons();
    m_lblDieStatus = new QLabel(this);
    m_lblDieStatus->setObjectName(QStringLiteral("lblDieStatus"));
    m_lblDieStatus->setWordWrap(true);
    m_lblDieStatus->setAccessibleName(QStringLiteral("Die status"));
    column->addWidget(m_tblDie, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdAddDieRow);
    buttons->addWidget(m_cmdRemoveDieRow);
    buttons->addStretch(1);
    column->addLayout(buttons);
    column->addWidget(m_lblDieStatus);
}

void DieTab::createTable() {
    m_tblDie = new QTableWidget(0, kDieColumns, this);
    m_tblDie->setObjectName(QStringLiteral("tblDie"));
    m_tblDie->setAccessibleName(QStringLiteral("Die elements"));
    m_tblDie->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tblDie->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tblDie->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    m_tblDie->verticalHeader()->setVisible(false);
    m_tblDie->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_tblDie, &QTableWidget::itemChanged, this, &DieTab::onItemChanged);
    connect(m_tblDie, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (m_syncing) return;
        m_run([this, row] { m_model.selectDieRow(row); });
    });
}

void DieTab::createButtons() {
    m_cmdAddDieRow = new QPushButton(this);
    m_cmdAddDieRow->setObjectName(QStringLiteral("cmdAddDieRow"));
    connect(m_cmdAddDieRow, &QPushButton::clicked, this,
            [this] { m_run([this] { m_model.cmdAddDieRow_Click(); }); });
    m_cmdRemoveDieRow = new QPushButton(this);
    m_cmdRemoveDieRow->setObjectName(QStringLiteral("cmdRemoveDieRow"));
    connect(m_cmdRemoveDieRow, &QPushButton::clicked, this,
            [this] { m_run([this] { m_model.cmdRemoveDieRow_Click(); }); });
}

// The delegate hands a cell over on Enter or when its editor loses the
// focus; only a text that differs from the shown one arrives here.
void DieTab::onItemChanged(QTableWidgetItem* item) {
    if (m_syncing) return;
    const int row = item->row();
    const auto column = static_cast<DieColumn>(item->column());
    const std::string text = EncodeName(item->text());
    m_run([this, row, column, text] {
        m_model.setDieCellText(row, column, text);
        m_model.tblDie_CellCommit(row, column);
    });
}

// The shape combos sit in the table too, but only a cell's editor is a line edit.
void DieTab::commitPendingEdit() {
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (editor == nullptr || !m_tblDie->viewport()->isAncestorOf(editor)) return;
    emit m_tblDie->itemDelegateForIndex(m_tblDie->currentIndex())->commitData(editor);
}

void DieTab::syncShapeCombo(int row, int shape) {
    auto* combo = qobject_cast<QComboBox*>(m_tblDie->cellWidget(row, 0));
    if (combo == nullptr) {
        combo = new QComboBox;
        combo->setObjectName(QStringLiteral("cmbDieShape_%1").arg(row));
        for (const char* caption : kDieShapeCaptions) combo->addItem(QString::fromLatin1(caption));
        connect(combo, &QComboBox::activated, this, [this, row](int index) {
            m_run([this, row, index] { m_model.selectDieShape(row, index); });
        });
        m_tblDie->setCellWidget(row, 0, combo);
    }
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(shape);
    combo->setAccessibleName(QStringLiteral("Shape of element %1").arg(row + 1));
}

void DieTab::syncRow(int row, const DieRow& state) {
    syncShapeCombo(row, state.shape);
    const DieState& die = m_model.state().tabDie;
    for (int column = 1; column < kDieColumns; ++column) {
        const DieCell& cell = state.cells[size_t(column)];
        QTableWidgetItem* item = m_tblDie->item(row, column);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_tblDie->setItem(row, column, item);
        }
        const QString text = DecodeName(cell.text);
        if (item->text() != text) item->setText(text);
        const Qt::ItemFlags usable = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
        item->setFlags(cell.enabled ? usable : Qt::ItemIsSelectable);
        item->setToolTip(DecodeName(die.columnHelp[size_t(column)]));
    }
}

void DieTab::syncFromModel() {
    const DieState& state = m_model.state().tabDie;
    m_syncing = true;
    const QSignalBlocker block(m_tblDie);
    if (!m_shown || state.revision != m_shownRevision) {
        QStringList headers;
        for (const std::string& caption : state.columnCaptions) headers << DecodeName(caption);
        m_tblDie->setHorizontalHeaderLabels(headers);
        for (int column = 0; column < kDieColumns; ++column) {
            m_tblDie->horizontalHeaderItem(column)->setToolTip(
                DecodeName(state.columnHelp[size_t(column)]));
        }
        m_tblDie->setRowCount(int(state.rows.size()));
        for (int row = 0; row < int(state.rows.size()); ++row)
            syncRow(row, state.rows[size_t(row)]);
        m_lblDieStatus->setText(DecodeName(state.status));
        m_shownRevision = state.revision;
        m_shown = true;
    }
    if (m_tblDie->currentRow() != state.selectedRow) {
        m_tblDie->setCurrentCell(state.selectedRow, state.selectedRow < 0 ? -1 : 1);
    }
    m_cmdAddDieRow->setText(DecodeName(state.addCaption));
    m_cmdAddDieRow->setToolTip(DecodeName(state.addHelp));
    m_cmdAddDieRow->setAccessibleName(m_cmdAddDieRow->text());
    m_cmdRemoveDieRow->setText(DecodeName(state.removeCaption));
    m_cmdRemoveDieRow->setToolTip(DecodeName(state.removeHelp));
    m_cmdRemoveDieRow->setAccessibleName(m_cmdRemoveDieRow->text());
    m_cmdRemoveDieRow->setEnabled(state.removeEnabled);
    m_syncing = false;
}

}  // namespace veredod::app
