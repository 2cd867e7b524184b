// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/operating_point_window.h"

#include <QChartView>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/chart_drawing.h"
#include "app/name_text.h"

namespace veredod::app {

namespace {

constexpr std::array<const char*, kSweepCells> kSweepCellNames = {"txtSweepFrom", "txtSweepTo",
                                                                  "txtSweepStep"};

bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool LeavesCell(const QEvent* event) {
    if (event->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

}  // namespace

OperatingPointWindow::OperatingPointWindow(MainModel& model, Runner run, QWidget* parent)
    : QWidget(parent, Qt::Window), m_model(model), m_run(std::move(run)) {
    setObjectName(QStringLiteral("frmOperatingPoint"));
    m_chartCharacteristics = createChartView("chartCharacteristics");
    m_chartSweep = createChartView("chartSweep");
    m_txtOperatingPoint = new QPlainTextEdit(this);
    m_txtOperatingPoint->setObjectName(QStringLiteral("txtOperatingPoint"));
    m_txtOperatingPoint->setAccessibleName(QStringLiteral("Operating point"));
    m_txtOperatingPoint->setReadOnly(true);
    m_txtOperatingPoint->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                                 Qt::TextSelectableByKeyboard);
    m_txtOperatingPoint->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_txtOperatingPoint->setMaximumHeight(m_txtOperatingPoint->fontMetrics().lineSpacing() * 9);

    auto* charts = new QHBoxLayout;
    charts->addWidget(m_chartCharacteristics, 1);
    charts->addWidget(m_chartSweep, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_txtOperatingPoint, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(createSweepRange());
    side->addStretch(1);
    side->addWidget(createCommands());
    bottom->addLayout(side);
    auto* column = new QVBoxLayout(this);
    column->addLayout(charts, 1);
    column->addLayout(bottom, 0);
    resize(1200, 760);
}

QChartView* OperatingPointWindow::createChartView(const char* name) {
    auto* chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    QFont title = chart->titleFont();
    title.setBold(true);
    chart->setTitleFont(title);
    auto* view = new QChartView(chart, this);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 320);
    return view;
}

QWidget* OperatingPointWindow::createSweepRange() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kSweepCells; ++i) {
        m_lblSweep[i] = new QLabel(box);
        m_txtSweep[i] = new QLineEdit(box);
        m_txtSweep[i]->setObjectName(QString::fromLatin1(kSweepCellNames[i]));
        m_txtSweep[i]->installEventFilter(this);
        m_lblSweep[i]->setBuddy(m_txtSweep[i]);
        connect(m_txtSweep[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
            m_model.setSweepText(static_cast<SweepCell>(i), EncodeName(text));
        });
        grid->addWidget(m_lblSweep[i], i, 0);
        grid->addWidget(m_txtSweep[i], i, 1);
    }
    return box;
}

QWidget* OperatingPointWindow::createCommands() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_cmdUsePressure = new QPushButton(box);
    m_cmdUsePressure->setObjectName(QStringLiteral("cmdUsePressure"));
    connect(m_cmdUsePressure, &QPushButton::clicked, this,
            [this] { m_run([this] { m_model.cmdUsePressure_Click(); }); });
    m_cmdExportCsv = new QPushButton(box);
    m_cmdExportCsv->setObjectName(QStringLiteral("cmdExportCsv"));
    connect(m_cmdExportCsv, &QPushButton::clicked, this,
            [this] { m_run([this] { m_model.cmdExportCsv_Click(); }); });
    row->addWidget(m_cmdUsePressure);
    row->addWidget(m_cmdExportCsv);
    return box;
}

void OperatingPointWindow::commitSweepCell(int index) {
    m_run([this, index] { m_model.txtSweep_LostFocus(static_cast<SweepCell>(index)); });
}

bool OperatingPointWindow::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < kSweepCells; ++i) {
        if (watched != m_txtSweep[i] || m_syncing) continue;
        if (LeavesCell(event) || IsEnter(event)) commitSweepCell(i);
    }
    return QWidget::eventFilter(watched, event);
}

void OperatingPointWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_closing) return;
    m_closing = true;
    m_run([this] { m_model.frmOperatingPoint_Close(); });
    m_closing = false;
}

void OperatingPointWindow::redraw() {
    QElapsedTimer clock;
    clock.start();
    const OperatingPointState& state = m_model.state().frmOperatingPoint;
    setWindowTitle(DecodeName(state.caption));
    DrawChart(m_chartCharacteristics->chart(), state.chartCharacteristics);
    DrawChart(m_chartSweep->chart(), state.chartSweep);
    QStringList lines;
    for (const std::string& line : state.txtOperatingPoint) lines << DecodeName(line);
    m_txtOperatingPoint->setPlainText(lines.join(u'\n'));
    for (int i = 0; i < kSweepCells; ++i) {
        m_lblSweep[i]->setText(DecodeName(state.sweepCaptions[i]));
        m_txtSweep[i]->setAccessibleName(m_lblSweep[i]->text());
        const QString text = DecodeName(state.sweepText[i]);
        if (m_txtSweep[i]->text() != text) {
            const QSignalBlocker block(m_txtSweep[i]);
            m_txtSweep[i]->setText(text);
        }
    }
    m_cmdUsePressure->setText(DecodeName(state.usePressureCaption));
    m_cmdUsePressure->setToolTip(DecodeName(state.usePressureHelp));
    m_cmdUsePressure->setEnabled(state.usePressureEnabled);
    m_cmdExportCsv->setText(DecodeName(state.exportCsvCaption));
    m_cmdExportCsv->setToolTip(DecodeName(state.exportCsvHelp));
    m_cmdExportCsv->setEnabled(state.exportCsvEnabled);
    m_shownRevision = state.revision;
    m_shown = true;
    m_lastRedrawMs = double(clock.nsecsElapsed()) / 1e6;
}

void OperatingPointWindow::syncFromModel() {
    if (m_syncing) return;
    m_syncing = true;
    const OperatingPointState& state = m_model.state().frmOperatingPoint;
    if (!m_shown || state.revision != m_shownRevision) redraw();
    if (state.visible && !isVisible()) {
        show();
    } else if (!state.visible && isVisible() && !m_closing) {
        m_closing = true;
        close();
        m_closing = false;
    }
    m_syncing = false;
}

}  // namespace veredod::app
