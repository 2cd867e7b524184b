// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <vector>

#include "window/main_model.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStringListModel;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace veredod::app {

class DieTab;
class OperatingPointWindow;
class SvgPicture;
class TrayIcon;

// The main window. It only binds widgets to the presentation model: every
// user event runs a model handler, and afterwards the widgets are brought
// in line with the model's state again (syncFromModel).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainModel& model, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Mirrors the model's state into every widget, without running handlers.
    void syncFromModel();

signals:
    // Exit was chosen or the window was closed: the process is to end.
    void shutDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct CellBinding {
        QLineEdit* edit = nullptr;
        CellGroup group = CellGroup::Var;
        int index = 0;
        bool edited = false;  // typed into since the last commit
    };

    // Building (main_window.cpp).
    void createActions();
    void createMenus();
    void createToolBar();
    QWidget* createOptionGroups();
    QGroupBox* createGeometryFrame();
    QTabWidget* createPropertyTabs();
    QWidget* createMaterialPage();
    QWidget* createLabelledCellsPage(CellGroup group);
    void createResultsList();
    void createWebAddress();
    void assembleCentralWidget();
    // Keyboard and status line (main_window_keys.cpp).
    void createStatusBar();
    void chainTabOrder();
    QLineEdit* createCell(CellGroup group, int index, const QString& name);
    // `content` in a frameless scroll area, for screens too low for it.
    QScrollArea* scrolled(QWidget* content);
    QLabel* createLabel(const QString& name);

    // The die and the operating point (main_window_analysis.cpp).
    void createDieTab();
    void createAnalysisMenu();
    void syncAnalysis();

    // Events (main_window_events.cpp).
    void runHandler(const std::function<void()>& handler);
    void runCommand(void (MainModel::*command)());
    void commitPendingEdit();
    void commitCell(CellBinding& cell);
    void pressEnter(CellBinding& cell);
    void onCellEdited(CellBinding& cell, const QString& text);
    CellBinding* bindingOf(QObject* object);

    // Mirroring (main_window_sync.cpp).
    void syncCaptions();
    void syncOptionGroups();
    void syncGeometry();
    void syncProperties();
    void syncCells();
    void syncResinList();
    void syncResults();
    void syncCommands();
    void syncAccessibleNames();
    void syncStatus();
    const Cell& stateCell(const CellBinding& cell) const;

    MainModel& m_model;
    TrayIcon* m_tray = nullptr;

    QMenu* m_mnuFile = nullptr;
    QAction* m_mnuNew = nullptr;
    QAction* m_mnuSave = nullptr;
    QAction* m_mnuSaveAs = nullptr;
    QAction* m_mnuOpen = nullptr;
    QAction* m_mnuPrint = nullptr;
    QAction* m_mnuPrintPreview = nullptr;
    QAction* m_mnuExportPdf = nullptr;
    QAction* m_mnuCalc = nullptr;
    QAction* m_mnuAbout = nullptr;
    QAction* m_mnuSpace = nullptr;
    QAction* m_mnuExit = nullptr;
    QToolBar* m_toolBar = nullptr;
    std::array<QToolButton*, 6> m_cmndToolBar{};

    QButtonGroup* m_optUnitsGroup = nullptr;
    QButtonGroup* m_optSectLengthGroup = nullptr;
    QButtonGroup* m_optScrewTypeGroup = nullptr;
    std::array<QRadioButton*, 2> m_optUnits{};
    std::array<QRadioButton*, 2> m_optSectLength{};
    std::array<QRadioButton*, 3> m_optScrewType{};

    QGroupBox* m_frameScrewType = nullptr;
    std::array<SvgPicture*, 3> m_picScrew{};
    std::array<QLabel*, 2> m_Label5{};
    std::array<QLabel*, 12> m_Label1{};
    std::array<QLineEdit*, 12> m_txtVar{};

    QTabWidget* m_sstProperties = nullptr;
    QComboBox* m_cmbResins = nullptr;
    QStringListModel* m_resinNames = nullptr;
    QPushButton* m_cmndAddResin = nullptr;
    QPushButton* m_cmndDeleteResin = nullptr;
    std::array<QLabel*, 9> m_Label2{};
    std::array<QLineEdit*, 9> m_txtMatlProp{};
    std::array<QLabel*, 4> m_Label3{};
    std::array<QLineEdit*, 4> m_txtExtSys{};
    std::array<QLabel*, 4> m_Label4{};
    std::array<QLineEdit*, 4> m_txtMotorSpec{};

    QListWidget* m_lstResults = nullptr;
    DieTab* m_dieTab = nullptr;
    QMenu* m_mnuAnalysis = nullptr;
    QAction* m_mnuOperatingPoint = nullptr;
    OperatingPointWindow* m_frmOperatingPoint = nullptr;
    QLabel* m_lblWebAddress = nullptr;
    QLabel* m_lblStatus = nullptr;

    std::vector<CellBinding> m_cells;
    unsigned m_shownResinRevision = 0;
    unsigned m_shownResultsRevision = 0;
    bool m_resinListShown = false;
    bool m_resultsShown = false;
    bool m_syncing = false;
    bool m_inHandler = false;
};

}  // namespace veredod::app
