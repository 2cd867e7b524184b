// One whole session at the real widgets, as a user works: start-up on a
// resin database, the metric worked example typed in and calculated, a unit
// switch, resin add, edit and delete, and a case saved, cleared and opened.

#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "gui_fixture.h"

using namespace veredod;
using namespace veredod::guitest;

namespace {

const QString kWorkedName = QStringLiteral("LDPE worked example");
// "Café grade" as an older desktop wrote it: Windows-1252, not UTF-8.
const std::string kLegacyName = "Caf\xE9 grade";
const QString kTypedName = QStringLiteral("HDPE blow moulding \u00FC");

struct Typed {
    const char* group;
    int index;
    const char* text;
    double Case::*field;
};

// The metric worked example, single flighted screw, lengths in L/D.
const Typed kWorkedExample[] = {
    {"txtVar", 0, "63.5", &Case::ScrewDiameter},
    {"txtVar", 1, "20", &Case::MeteringLength},
    {"txtVar", 2, "3.175", &Case::MeteringDepth},
    {"txtVar", 3, "63.5", &Case::MeteringLead},
    {"txtVar", 4, "0.0635", &Case::FlightClearance},
    {"txtVar", 5, "6.35", &Case::FlightWidth},
    {"txtExtSys", 0, "21", &Case::MaterialTempIn},
    {"txtExtSys", 1, "232", &Case::MaterialTempOut},
    {"txtExtSys", 2, "100", &Case::ScrewRpm},
    {"txtExtSys", 3, "138", &Case::SystemBackPressure},
    {"txtMotorSpec", 0, "460", &Case::PowerSupply},
    {"txtMotorSpec", 1, "37", &Case::PowerAvailable},
    {"txtMotorSpec", 2, "1750", &Case::MotorSpeed},
    {"txtMotorSpec", 3, "125", &Case::GearBoxSpeed},
};

int TabOf(const char* group) {
    const QByteArray name(group);
    return name == "txtExtSys" ? 1 : name == "txtMotorSpec" ? 2 : 0;
}

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void startsOnTheFirstResinWithEmptyCells();
    void typedWorkedExampleReachesTheCase();
    void calculateListsTheResults();
    void enterCommitsAndKeepsTheFocus();
    void unitSwitchConvertsCellsAndResults();
    void addShowsTypicalValuesAndTakesTheTypedResin();
    void rejectedResinValueIsPutBack();
    void untouchedLegacyNameKeepsItsBytes();
    void deleteMovesLaterResinsUp();
    void saveNewAndOpenRestoreTheCase();
    void exitClosesTheWindow();

private:
    QLineEdit* cell(const char* group, int index) { return m_session.cell(group, index); }
    QListWidget* results() { return m_session.find<QListWidget>(QStringLiteral("lstResults")); }
    QComboBox* resins() { return m_session.find<QComboBox>(QStringLiteral("cmbResins")); }
    void chooseResin(int index);

    Session m_session;
};

void SessionTest::initTestCase() {
    ResinSpec us{
        "PP general purpose", false, {1.1, 45.885, 56.622, 2.1, 0.38, 0.5016, 68.788, 0.116}};
    ResinSpec legacy = WorkedExampleResin(kLegacyName);
    QVERIFY(m_session.start({WorkedExampleResin(kWorkedName.toStdString()), us, legacy}));
}

void SessionTest::cleanup() {
    const QStringList problems = m_session.takeProblems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void SessionTest::chooseResin(int index) {
    QComboBox* combo = resins();
    m_session.showTab(0);
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), index);
}

void SessionTest::startsOnTheFirstResinWithEmptyCells() {
    QCOMPARE(m_session.desktop.dialogs.size(), size_t(1));
    QCOMPARE(m_session.desktop.dialogs[0].title, std::string("Open Resin Database File"));
    QCOMPARE(m_session.window->windowTitle(),
             QStringLiteral("Veredod Single Screw Extrusion Simulation"));
    QCOMPARE(resins()->count(), 3);
    QCOMPARE(resins()->currentIndex(), 0);
    QCOMPARE(resins()->itemText(2), QStringLiteral("Caf\u00E9 grade"));
    QCOMPARE(cell("txtMatlProp", 0)->text(), kWorkedName);
    QCOMPARE(cell("txtMatlProp", 2)->text(), QStringLiteral("750"));
    for (int i = 0; i < 12; ++i) QVERIFY(cell("txtVar", i)->text().isEmpty());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(cell("txtExtSys", i)->text().isEmpty());
        QVERIFY(cell("txtMotorSpec", i)->text().isEmpty());
    }
    QVERIFY(m_session.find<QRadioButton>(QStringLiteral("optScrewType_0"))->isChecked());
    QVERIFY(m_session.find<QRadioButton>(QStringLiteral("optUnits_0"))->isChecked());
    QVERIFY(m_session.find<QRadioButton>(QStringLiteral("optSectLength_0"))->isChecked());
    QCOMPARE(m_session.find<QGroupBox>(QStringLiteral("frameScrewType"))->title(),
             QStringLiteral("Screw Geometry for Barrier (melt channel) screw"));
    QCOMPARE(m_session.find<QLabel>(QStringLiteral("Label1_0"))->text(),
             QStringLiteral("Diameter (mm)"));
    QVERIFY(cell("txtVar", 5)->isVisible());
    QVERIFY(!cell("txtVar", 6)->isVisible());
}

void SessionTest::typedWorkedExampleReachesTheCase() {
    m_session.click(m_session.find<QRadioButton>(QStringLiteral("optScrewType_1")));
    QCOMPARE(m_session.find<QGroupBox>(QStringLiteral("frameScrewType"))->title(),
             QStringLiteral("Screw Geometry for Single flighted screw"));
    for (const Typed& typed : kWorkedExample) {
        m_session.showTab(TabOf(typed.group));
        m_session.enter(cell(typed.group, typed.index), QString::fromLatin1(typed.text));
    }
    const Case& c = m_session.model.currentCase();
    for (const Typed& typed : kWorkedExample) {
        QCOMPARE(c.*typed.field, QByteArray(typed.text).toDouble());
        QCOMPARE(cell(typed.group, typed.index)->text(), QString::fromLatin1(typed.text));
    }
}

void SessionTest::calculateListsTheResults() {
    m_session.click(m_session.find<QToolButton>(QStringLiteral("cmndToolBar_4")));
    const QStringList lines = ListLines(results());
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines[0], QStringLiteral("Drag flow = 82.17 kg/hr"));
    QCOMPARE(lines[4], QStringLiteral("Actual Flow = 80.0263 kg/hr"));
    QCOMPARE(lines[7], QStringLiteral("PowerNeeded Kw = 18.34 Kw"));
    QVERIFY(lines[16].startsWith(QStringLiteral("Metering channel shear rate = ")));
    QCOMPARE(results()->font().styleHint(), QFont::TypeWriter);
    QVERIFY(QFontInfo(results()->font()).fixedPitch());

    const QByteArray shot = qgetenv("VEREDOD_SCREENSHOT");
    if (!shot.isEmpty()) {
        m_session.showTab(0);
        QTest::qWait(100);
        QVERIFY(m_session.window->grab().save(QString::fromLocal8Bit(shot)));
    }
}

void SessionTest::enterCommitsAndKeepsTheFocus() {
    m_session.showTab(1);
    QLineEdit* rpm = cell("txtExtSys", 2);
    m_session.typeInto(rpm, QStringLiteral("12abc"));
    QTest::keyClick(rpm, Qt::Key_Return);
    QCOMPARE(m_session.model.currentCase().ScrewRpm, 12.0);
    QCOMPARE(rpm->text(), QStringLiteral("12abc"));
    QCOMPARE(QApplication::focusWidget(), rpm);
    m_session.typeInto(rpm, QStringLiteral("100"));
    QTest::keyClick(rpm, Qt::Key_Enter);
    QCOMPARE(m_session.model.currentCase().ScrewRpm, 100.0);
    QCOMPARE(QApplication::focusWidget(), rpm);
}

void SessionTest::unitSwitchConvertsCellsAndResults() {
    const QStringList metric = ListLines(results());
    m_session.click(m_session.find<QRadioButton>(QStringLiteral("optUnits_1")));
    QCOMPARE(m_session.find<QLabel>(QStringLiteral("Label1_0"))->text(),
             QStringLiteral("Diameter (in)"));
    QCOMPARE(cell("txtVar", 0)->text(), QStringLiteral("2.5"));
    QCOMPARE(cell("txtVar", 1)->text(), QStringLiteral("20"));
    const QStringList us = ListLines(results());
    QCOMPARE(us.size(), 17);
    QVERIFY(us[0].startsWith(QStringLiteral("Drag flow = ")));
    QVERIFY(us[0].endsWith(QStringLiteral(" lbs/hr")));
    QVERIFY(us[12].endsWith(QStringLiteral(" cost/lbs")));

    m_session.click(m_session.find<QRadioButton>(QStringLiteral("optUnits_0")));
    QCOMPARE(cell("txtVar", 0)->text(), QStringLiteral("63.5"));
    QCOMPARE(ListLines(results()), metric);
}

void SessionTest::addShowsTypicalValuesAndTakesTheTypedResin() {
    m_session.showTab(0);
    m_session.click(m_session.find<QPushButton>(QStringLiteral("cmndAddResin")));
    const QStringList table = ListLines(results());
    QCOMPARE(table.size(), 18);
    QVERIFY(table[0].startsWith(QStringLiteral("RESIN   SOLID  MELT   MELT   HEAT OF  HEAT   ")));
    QCOMPARE(resins()->count(), 4);
    QCOMPARE(resins()->currentIndex(), 3);
    for (int i = 0; i < 9; ++i) QVERIFY(cell("txtMatlProp", i)->text().isEmpty());

    // Tab leads from each cell to the next, so no empty cell is left behind
    // (an empty resin value is refused).
    m_session.enter(cell("txtMatlProp", 0), kTypedName);
    m_session.enter(cell("txtMatlProp", 1), QStringLiteral("1.5"));
    m_session.enter(cell("txtMatlProp", 2), QStringLiteral("770"));
    QCOMPARE(resins()->count(), 4);
    QCOMPARE(resins()->itemText(3), kTypedName);
    QCOMPARE(resins()->currentIndex(), 3);
    QCOMPARE(cell("txtMatlProp", 3)->text(), QStringLiteral("920"));
    const std::vector<std::string> file = ReadLines(m_session.path(QStringLiteral("resins.dat")));
    QCOMPARE(file.size(), size_t(40));
    QCOMPARE(file[30], kTypedName.toUtf8().toStdString());
    QCOMPARE(file[31], std::string("True"));
    QCOMPARE(file[32], std::string(" 1.5 "));
    QCOMPARE(file[33], std::string(" 770 "));
}

void SessionTest::rejectedResinValueIsPutBack() {
    m_session.enter(cell("txtMatlProp", 2), QStringLiteral("abc"));
    const std::vector<ShownMessage> messages = m_session.desktop.takeMessages();
    QCOMPARE(messages.size(), size_t(1));
    QCOMPARE(messages[0].text, std::string("Error, please re-enter numeric value"));
    QCOMPARE(messages[0].title, std::string("Veredod"));
    QVERIFY(messages[0].icon == MessageIcon::Exclamation);
    QCOMPARE(cell("txtMatlProp", 2)->text(), QStringLiteral("770"));
    QCOMPARE(m_session.model.resinTable().Resins[3].MeltDensity, 770.0);
}

void SessionTest::untouchedLegacyNameKeepsItsBytes() {
    chooseResin(2);
    QCOMPARE(cell("txtMatlProp", 0)->text(), QStringLiteral("Caf\u00E9 grade"));
    // Into the name cell and out again without typing: a commit all the same.
    m_session.click(cell("txtMatlProp", 0));
    QTest::keyClick(cell("txtMatlProp", 0), Qt::Key_Tab);
    QCOMPARE(m_session.model.resinTable().Resins[2].ResinName, kLegacyName);
    const std::vector<std::string> file = ReadLines(m_session.path(QStringLiteral("resins.dat")));
    QCOMPARE(file.size(), size_t(40));
    QCOMPARE(file[20], kLegacyName);
}

void SessionTest::deleteMovesLaterResinsUp() {
    chooseResin(1);
    QCOMPARE(cell("txtMatlProp", 0)->text(), QStringLiteral("PP general purpose"));
    m_session.click(m_session.find<QPushButton>(QStringLiteral("cmndDeleteResin")));
    QCOMPARE(resins()->count(), 3);
    QCOMPARE(resins()->currentIndex(), 1);
    QCOMPARE(resins()->itemText(1), QStringLiteral("Caf\u00E9 grade"));
    QCOMPARE(resins()->itemText(2), kTypedName);
    QCOMPARE(cell("txtMatlProp", 0)->text(), QStringLiteral("Caf\u00E9 grade"));
    QCOMPARE(ReadLines(m_session.path(QStringLiteral("resins.dat"))).size(), size_t(30));
    chooseResin(0);
}

void SessionTest::saveNewAndOpenRestoreTheCase() {
    const QString path = m_session.path(QStringLiteral("worked.txt"));
    const QString titled =
        QStringLiteral("Veredod 2000 Single Screw Extrusion Simulation (%1)").arg(path);
    m_session.desktop.answerFileDialog(path.toStdString());
    m_session.find<QAction>(QStringLiteral("mnuSaveAs"))->trigger();
    QCOMPARE(m_session.desktop.dialogs.back().title, std::string("Save Current Data Entries"));
    QCOMPARE(m_session.window->windowTitle(), titled);
    const std::vector<std::string> saved = ReadLines(path);
    QCOMPARE(saved.size(), size_t(24));
    QCOMPARE(saved[0], std::string("1"));
    QCOMPARE(saved[3], std::string(" 63.5 "));

    m_session.find<QAction>(QStringLiteral("mnuNew"))->trigger();
    QCOMPARE(m_session.window->windowTitle(),
             QStringLiteral("Veredod 2000 Single Screw Extrusion Simulation"));
    QVERIFY(cell("txtVar", 0)->text().isEmpty());
    QCOMPARE(results()->count(), 0);

    m_session.desktop.answerFileDialog(path.toStdString());
    m_session.click(m_session.find<QToolButton>(QStringLiteral("cmndToolBar_1")));
    QCOMPARE(m_session.desktop.dialogs.back().title, std::string("Open Saved Data Entries"));
    QCOMPARE(m_session.window->windowTitle(), titled);
    QCOMPARE(cell("txtVar", 0)->text(), QStringLiteral("63.5"));
    QCOMPARE(cell("txtVar", 4)->text(), QStringLiteral(".064"));
    QCOMPARE(m_session.model.currentCase().FlightClearance, 0.0635);
    QVERIFY(m_session.find<QRadioButton>(QStringLiteral("optScrewType_1"))->isChecked());

    // Save with a current file writes it again without asking.
    m_session.click(m_session.find<QToolButton>(QStringLiteral("cmndToolBar_2")));
    QCOMPARE(ReadLines(path), saved);
}

void SessionTest::exitClosesTheWindow() {
    QSignalSpy shutDown(m_session.window.get(), &app::MainWindow::shutDown);
    m_session.find<QAction>(QStringLiteral("mnuExit"))->trigger();
    QVERIFY(!m_session.window->isVisible());
    QCOMPARE(shutDown.count(), 1);
}

QTEST_MAIN(SessionTest)
#include "session_test.moc"
