// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStringListModel>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/copyable_lines.h"
#include "app/svg_picture.h"
#include "app/tray_icon.h"

namespace veredod::app {

namespace {

constexpr std::array<const char*, 6> kToolBarPictures = {
    ":/assets/tool_new.svg",   ":/assets/tool_open.svg",      ":/assets/tool_save.svg",
    ":/assets/tool_print.svg", ":/assets/tool_calculate.svg", ":/assets/tool_about.svg",
};

constexpr std::array<const char*, 3> kScrewPictures = {
    ":/assets/screw_barrier.svg",
    ":/assets/screw_single.svg",
    ":/assets/screw_two_stage.svg",
};

QString Indexed(const char* name, int index) {
    return QString::fromLatin1(name) + u'_' + QString::number(index);
}

template <size_t N>
QButtonGroup* CreateOptionGroup(QWidget* owner, const char* name,
                                std::array<QRadioButton*, N>& buttons, QBoxLayout* layout) {
    auto* group = new QButtonGroup(owner);
    group->setObjectName(QString::fromLatin1(name));
    for (size_t i = 0; i < N; ++i) {
        buttons[i] = new QRadioButton(owner);
        buttons[i]->setObjectName(Indexed(name, int(i)));
        group->addButton(buttons[i], int(i));
        layout->addWidget(buttons[i]);
    }
    layout->addStretch(1);
    return group;
}

}  // namespace

MainWindow::MainWindow(MainModel& model, QWidget* parent) : QMainWindow(parent), m_model(model) {
    setObjectName(QStringLiteral("frmMain"));
    m_cells.reserve(12 + 9 + 4 + 4);
    createActions();
    createMenus();
    createAnalysisMenu();
    createToolBar();
    createResultsList();
    createWebAddress();
    assembleCentralWidget();
    createStatusBar();
    chainTabOrder();
    m_tray = new TrayIcon(this, m_mnuFile);
    if (m_tray->parent() == nullptr) m_tray->setParent(this);
    syncFromModel();
    QSize size(1120, 700);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    }
    resize(size);
    m_txtVar[0]->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

void MainWindow::createActions() {
    struct Item {
        QAction** action;
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        void (MainModel::*handler)();
    };
    const Item items[] = {
        // The keys the tool bar's help texts name, the same on every desktop.
        {&m_mnuNew, "mnuNew", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), &MainModel::mnuNew_Click},
        {&m_mnuSave, "mnuSave", "&Save", QKeySequence(Qt::CTRL | Qt::Key_S),
         &MainModel::mnuSave_Click},
        {&m_mnuSaveAs, "mnuSaveAs", "Save &As", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         &MainModel::mnuSaveAs_Click},
        {&m_mnuOpen, "mnuOpen", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O),
         &MainModel::mnuOpen_Click},
        {&m_mnuPrint, "mnuPrint", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P),
         &MainModel::mnuPrint_Click},
        {&m_mnuPrintPreview, "mnuPrintPreview", "Print Pre&view", QKeySequence(),
         &MainModel::mnuPrintPreview_Click},
        {&m_mnuExportPdf, "mnuExportPdf", "&Export PDF...", QKeySequence(),
         &MainModel::mnuExportPdf_Click},
        {&m_mnuCalc, "mnuCalc", "&Calculate", QKeySequence(Qt::Key_F9), &MainModel::mnuCalc_Click},
        {&m_mnuAbout, "mnuAbout", "A&bout", QKeySequence(), &MainModel::mnuAbout_Click},
    };
    for (const Item& item : items) {
        auto* action = new QAction(QString::fromLatin1(item.caption), this);
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(item.shortcut);
        connect(action, &QAction::triggered, this,
                [this, handler = item.handler] { runCommand(handler); });
        *item.action = action;
    }
    m_mnuSpace = new QAction(this);
    m_mnuSpace->setObjectName(QStringLiteral("mnuSpace"));
    m_mnuSpace->setSeparator(true);
    m_mnuExit = new QAction(QStringLiteral("E&xit"), this);
    m_mnuExit->setObjectName(QStringLiteral("mnuExit"));
    m_mnuExit->setShortcut(QKeySequence::Quit);
    connect(m_mnuExit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::createMenus() {
    m_mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    m_mnuFile->setObjectName(QStringLiteral("mnuFile"));
    m_mnuFile->addActions({m_mnuNew, m_mnuSave, m_mnuSaveAs, m_mnuOpen, m_mnuPrint,
                           m_mnuPrintPreview, m_mnuExportPdf, m_mnuCalc, m_mnuAbout, m_mnuSpace,
                           m_mnuExit});
}

void MainWindow::createToolBar() {
    m_toolBar = new QToolBar(QStringLiteral("Tool bar"), this);
    m_toolBar->setObjectName(QStringLiteral("cmndToolBar"));
    m_toolBar->setAccessibleName(m_toolBar->windowTitle());
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolBar->setIconSize(QSize(24, 24));
    for (int i = 0; i < int(m_cmndToolBar.size()); ++i) {
        auto* button = new QToolButton(m_toolBar);
        button->setObjectName(Indexed("cmndToolBar", i));
        button->setIcon(QIcon(QString::fromLatin1(kToolBarPictures[i])));
        button->setAutoRaise(true);
        // Reached by mouse and by the menu's shortcuts, not by Tab.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this,
                [this, i] { runHandler([this, i] { m_model.cmndToolBar_Click(i); }); });
        m_toolBar->addWidget(button);
        m_cmndToolBar[i] = button;
        // Print and Calculate start groups of their own.
        if (i == 2 || i == 4) m_toolBar->addSeparator();
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

QWidget* MainWindow::createOptionGroups() {
    auto* row = new QWidget(this);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    auto addGroup = [&](const char* boxName, const char* spoken) {
        auto* box = new QGroupBox(row);
        box->setObjectName(QString::fromLatin1(boxName));
        box->setAccessibleName(QString::fromLatin1(spoken));
        rowLayout->addWidget(box, 1);
        auto* layout = new QVBoxLayout(box);
        layout->setSpacing(2);
        return layout;
    };
    m_optUnitsGroup =
        CreateOptionGroup(this, "optUnits", m_optUnits, addGroup("frameUnits", "Units"));
    m_optSectLengthGroup = CreateOptionGroup(this, "optSectLength", m_optSectLength,
                                             addGroup("frameSectLength", "Section length"));
    m_optScrewTypeGroup = CreateOptionGroup(this, "optScrewType", m_optScrewType,
                                            addGroup("frameScrewTypes", "Screw type"));
    connect(m_optUnitsGroup, &QButtonGroup::idClicked, this,
            [this](int i) { runHandler([this, i] { m_model.selectUnits(i); }); });
    connect(m_optSectLengthGroup, &QButtonGroup::idClicked, this,
            [this](int i) { runHandler([this, i] { m_model.selectSectLength(i); }); });
    connect(m_optScrewTypeGroup, &QButtonGroup::idClicked, this,
            [this](int i) { runHandler([this, i] { m_model.selectScrewType(i); }); });
    return row;
}

QLabel* MainWindow::createLabel(const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    return label;
}

QLineEdit* MainWindow::createCell(CellGroup group, int index, const QString& name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.000")));
    edit->installEventFilter(this);
    m_cells.push_back({edit, group, index, false});
    CellBinding* cell = &m_cells.back();
    connect(edit, &QLineEdit::textEdited, this,
            [this, cell](const QString& text) { onCellEdited(*cell, text); });
    return edit;
}

QGroupBox* MainWindow::createGeometryFrame() {
    m_frameScrewType = new QGroupBox(this);
    m_frameScrewType->setObjectName(QStringLiteral("frameScrewType"));
    m_frameScrewType->setStyleSheet(
        QStringLiteral("QGroupBox#frameScrewType { font-weight: bold }"));
    auto* grid = new QGridLayout(m_frameScrewType);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < 3; ++i) {
        m_picScrew[i] = new SvgPicture(QString::fromLatin1(kScrewPictures[i]), m_frameScrewType);
        m_picScrew[i]->setObjectName(Indexed("picScrew", i));
        grid->addWidget(m_picScrew[i], 0, 0, 1, 7);
    }
    for (int stage = 0; stage < 2; ++stage) {
        m_Label5[stage] = createLabel(Indexed("Label5", stage));
        m_Label5[stage]->setStyleSheet(QStringLiteral("font-weight: bold"));
        grid->addWidget(m_Label5[stage], 2 + 2 * stage, 0);
        for (int k = 0; k < 6; ++k) {
            const int i = 6 * stage + k;
            m_Label1[i] = createLabel(Indexed("Label1", i));
            m_Label1[i]->setWordWrap(true);
            m_Label1[i]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
            m_txtVar[i] = createCell(CellGroup::Var, i, Indexed("txtVar", i));
            m_Label1[i]->setBuddy(m_txtVar[i]);
            grid->addWidget(m_Label1[i], 1 + 2 * stage, 1 + k);
            grid->addWidget(m_txtVar[i], 2 + 2 * stage, 1 + k);
            grid->setColumnStretch(1 + k, 1);
        }
    }
    return m_frameScrewType;
}

QWidget* MainWindow::createMaterialPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    m_cmbResins = new QComboBox(page);
    m_cmbResins->setObjectName(QStringLiteral("cmbResins"));
    m_resinNames = new QStringListModel(m_cmbResins);
    m_cmbResins->setModel(m_resinNames);
    // Long databases: never measure every entry, and lay the popup out in one go.
    m_cmbResins->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cmbResins->setMinimumContentsLength(16);
    if (auto* view = qobject_cast<QListView*>(m_cmbResins->view())) view->setUniformItemSizes(true);
    connect(m_cmbResins, &QComboBox::activated, this,
            [this](int i) { runHandler([this, i] { m_model.selectResin(i); }); });
    m_cmndAddResin = new QPushButton(page);
    m_cmndAddResin->setObjectName(QStringLiteral("cmndAddResin"));
    connect(m_cmndAddResin, &QPushButton::clicked, this,
            [this] { runCommand(&MainModel::cmndAddResin_Click); });
    m_cmndDeleteResin = new QPushButton(page);
    m_cmndDeleteResin->setObjectName(QStringLiteral("cmndDeleteResin"));
    connect(m_cmndDeleteResin, &QPushButton::clicked, this,
            [this] { runCommand(&MainModel::cmndDeleteResin_Click); });
    auto* resinRow = new QHBoxLayout;
    resinRow->addWidget(m_cmbResins, 1);
    resinRow->addWidget(m_cmndAddResin);
    resinRow->addWidget(m_cmndDeleteResin);
    grid->addLayout(resinRow, 0, 0, 1, 2);
    for (int i = 0; i < 9; ++i) {
        m_Label2[i] = createLabel(Indexed("Label2", i));
        m_txtMatlProp[i] = createCell(CellGroup::MatlProp, i, Indexed("txtMatlProp", i));
        m_Label2[i]->setBuddy(m_txtMatlProp[i]);
        grid->addWidget(m_Label2[i], 1 + i, 0);
        grid->addWidget(m_txtMatlProp[i], 1 + i, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(10, 1);
    return page;
}

QWidget* MainWindow::createLabelledCellsPage(CellGroup group) {
    const bool system = group == CellGroup::ExtSys;
    auto& cells = system ? m_txtExtSys : m_txtMotorSpec;
    auto& labels = system ? m_Label3 : m_Label4;
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    for (int i = 0; i < int(cells.size()); ++i) {
        labels[i] = createLabel(Indexed(system ? "Label3" : "Label4", i));
        cells[i] = createCell(group, i, Indexed(system ? "txtExtSys" : "txtMotorSpec", i));
        labels[i]->setBuddy(cells[i]);
        grid->addWidget(labels[i], i, 0);
        grid->addWidget(cells[i], i, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(int(cells.size()), 1);
    return page;
}

QTabWidget* MainWindow::createPropertyTabs() {
    m_sstProperties = new QTabWidget(this);
    m_sstProperties->setObjectName(QStringLiteral("sstProperties"));
    m_sstProperties->addTab(scrolled(createMaterialPage()), QStringLiteral("&Material Properties"));
    m_sstProperties->addTab(scrolled(createLabelledCellsPage(CellGroup::ExtSys)),
                            QStringLiteral("System Parameters"));
    m_sstProperties->addTab(scrolled(createLabelledCellsPage(CellGroup::MotorSpec)),
                            QStringLiteral("Motor Specs"));
    createDieTab();
    // All tabs stay in view: the tab control is as wide as its tab row.
    m_sstProperties->setUsesScrollButtons(false);
    m_sstProperties->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Expanding);
    return m_sstProperties;
}

void MainWindow::createResultsList() {
    m_lstResults = new QListWidget(this);
    m_lstResults->setObjectName(QStringLiteral("lstResults"));
    m_lstResults->setUniformItemSizes(true);
    m_lstResults->setMinimumWidth(fontMetrics().horizontalAdvance(u'0') * 24);
    MakeLinesCopyable(m_lstResults);
}

void MainWindow::createWebAddress() {
    m_lblWebAddress = createLabel(QStringLiteral("lblWebAddress"));
    m_lblWebAddress->setCursor(Qt::PointingHandCursor);
    m_lblWebAddress->setStyleSheet(QStringLiteral("color: #1a4fb5; text-decoration: underline"));
    m_lblWebAddress->installEventFilter(this);
}

void MainWindow::assembleCentralWidget() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->addWidget(createOptionGroups());
    QScrollArea* geometry = scrolled(createGeometryFrame());
    // The frame keeps its height while there is room; only a low screen scrolls it.
    geometry->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    column->addWidget(geometry);
    auto* band = new QHBoxLayout;
    band->setSpacing(6);
    band->addWidget(createPropertyTabs(), 0);
    band->addWidget(m_lstResults, 1);
    column->addLayout(band, 1);
    column->addWidget(m_lblWebAddress, 0, Qt::AlignRight);
    setCentralWidget(central);
}

}  // namespace veredod::app
