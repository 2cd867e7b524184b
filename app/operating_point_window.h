// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "window/main_model.h"

class QChart;
class QChartView;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace veredod::app {

// The Operating Point window: a window of its own beside the main window,
// not modal, one instance. It mirrors the model's operating point state and
// redraws only when that state's revision has moved on.
class OperatingPointWindow : public QWidget {
    Q_OBJECT
public:
    using Runner = std::function<void(const std::function<void()>&)>;

    OperatingPointWindow(MainModel& model, Runner run, QWidget* parent);

    void syncFromModel();
    // Milliseconds the last redraw took (charts, text and cells).
    double lastRedrawMs() const { return m_lastRedrawMs; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QChartView* createChartView(const char* name);
    QWidget* createSweepRange();
    QWidget* createCommands();
    void redraw();
    void commitSweepCell(int index);

    MainModel& m_model;
    Runner m_run;
    QChartView* m_chartCharacteristics = nullptr;
    QChartView* m_chartSweep = nullptr;
    QPlainTextEdit* m_txtOperatingPoint = nullptr;
    std::array<QLabel*, kSweepCells> m_lblSweep{};
    std::array<QLineEdit*, kSweepCells> m_txtSweep{};
    QPushButton* m_cmdUsePressure = nullptr;
    QPushButton* m_cmdExportCsv = nullptr;
    unsigned m_shownRevision = 0;
    bool m_shown = false;
    bool m_syncing = false;
    bool m_closing = false;  // closing now, from the user or from the model
    double m_lastRedrawMs = 0;
};

}  // namespace veredod::app
