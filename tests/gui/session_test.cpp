// SPDX-License-Identifier: GPL-3.0-or-later
// One whole session at the real widgets, as a user works: start-up on a
// resin database, the metric worked example typed in and calculated, a unit
// switch, resin add, edit and delete, and a case saved, cleared and opened.
// After each step every cell, label, option, list and title must show what
// the model holds.

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

#include "app/name_text.h"
#include "gui_fixture.h"

using namespace veredod;
using namespace veredod::guitest;

namespace {

// "Café grade" as an older desktop wrote it: Windows-1252, not UTF-8.
const std::string kLegacyName = "Caf\xE9 grade";
const QString kTypedName = QStringLiteral("HDPE blow moulding \u00FC");

// The metric worked example, single flighted screw, lengths in L/D.
const std::pair<const char*, const char*> kWorkedExample[] = {
    {"txtVar_0", "63.5"},       {"txtVar_1", "20"},        {"txtVar_2", "3.175"},
    {"txtVar_3", "63.5"},       {"txtVar_4", "0.0635"},    {"txtVar_5", "6.35"},
    {"txtExtSys_0", "21"},      {"txtExtSys_1", "232"},    {"txtExtSys_2", "100"},
    {"txtExtSys_3", "138"},     {"txtMotorSpec_0", "460"}, {"txtMotorSpec_1", "37"},
    {"txtMotorSpec_2", "1750"}, {"txtMotorSpec_3", "125"}};

QString Shown(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    return {};
}

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void typedWorkedExampleReachesTheCase();
    void calculateListsTheResults();
    void unitSwitchConvertsCellsAndResults();
    void addShowsTypicalValuesAndTakesTheTypedResin();
    void rejectedResinValueIsPutBack();
    void untouchedLegacyNameKeepsItsBytes();
    void deleteMovesLaterResinsUp();
    void saveNewAndOpenRestoreTheCase();
    void exitClosesTheWindow();

private:
    QLineEdit* cell(const QString& name) { return m_session.find<QLineEdit>(name); }
    QListWidget* results() { return m_session.find<QListWidget>(QStringLiteral("lstResults")); }
    QComboBox* resins() { return m_session.find<QComboBox>(QStringLiteral("cmbResins")); }
    template <class Item, size_t N>
    void expectShown(const char* name, const std::array<Item, N>& items);
    void expectWindowShowsTheModel();
    void chooseResin(int index);
    void click(const QString& name) { m_session.click(m_session.find<QWidget>(name)); }

    Session m_session;
};

void SessionTest::initTestCase() {
    const ResinRecord us{
        "PP general purpose", false, 1.1, 45.885, 56.622, 2.1, 0.38, 0.5016, 68.788, 0.116};
    QVERIFY(m_session.start(
        {WorkedExampleResin("LDPE worked example"), us, WorkedExampleResin(kLegacyName)}));
    QCOMPARE(resins()->itemText(2), QStringLiteral("Caf\u00E9 grade"));
    expectWindowShowsTheModel();
}

void SessionTest::cleanup() {
    expectWindowShowsTheModel();
    const QStringList problems = m_session.takeProblems();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

template <class Item, size_t N>
void SessionTest::expectShown(const char* name, const std::array<Item, N>& items) {
    for (size_t i = 0; i < N; ++i) {
        QWidget* widget = m_session.find<QWidget>(QStringLiteral("%1_%2").arg(name).arg(i));
        QVERIFY2(widget, name);
        if constexpr (std::is_same_v<Item, Cell>) {
            QCOMPARE(Shown(widget), app::DecodeName(items[i].text));
        } else if (qobject_cast<QLabel*>(widget)) {
            QCOMPARE(Shown(widget), app::DecodeName(items[i].caption));
        }
        QCOMPARE(widget->toolTip(), app::DecodeName(items[i].help));
        QCOMPARE(widget->isHidden(), !items[i].visible);
    }
}

void SessionTest::expectWindowShowsTheModel() {
    const WindowState& s = m_session.model.state();
    QCOMPARE(m_session.window->windowTitle(), app::DecodeName(s.caption));
    QCOMPARE(m_session.find<QGroupBox>(QStringLiteral("frameScrewType"))->title(),
             app::DecodeName(s.frameScrewTypeCaption));
    for (const auto& [name, group] :
         {std::pair{"optScrewType", &s.optScrewType}, std::pair{"optUnits", &s.optUnits},
          std::pair{"optSectLength", &s.optSectLength}}) {
        for (size_t i = 0; i < group->captions.size(); ++i) {
            auto* button = m_session.find<QRadioButton>(QStringLiteral("%1_%2").arg(name).arg(i));
            QCOMPARE(button->text(), app::DecodeName(group->captions[i]));
            QCOMPARE(button->isChecked(), int(i) == group->selected);
        }
    }
    expectShown("picScrew", s.picScrew);
    expectShown("Label5", s.Label5);
    expectShown("Label1", s.Label1);
    expectShown("txtVar", s.txtVar);
    expectShown("Label2", s.Label2);
    expectShown("txtMatlProp", s.txtMatlProp);
    expectShown("Label3", s.Label3);
    expectShown("txtExtSys", s.txtExtSys);
    expectShown("Label4", s.Label4);
    expectShown("txtMotorSpec", s.txtMotorSpec);
    expectShown("cmndToolBar", s.cmndToolBar);
    QStringList names, lines;
    for (const std::string& name : s.cmbResins) names << app::DecodeName(name);
    for (const std::string& line : s.lstResults) lines << app::DecodeName(line);
    QStringList listed;
    for (int i = 0; i < resins()->count(); ++i) listed << resins()->itemText(i);
    QCOMPARE(listed, names);
    QCOMPARE(resins()->currentIndex(), s.cmbResinsIndex);
    QCOMPARE(ListLines(results()), lines);
    for (size_t i = 0; i < size_t(results()->count()); ++i) {
        const std::string tip = i < s.lstResultsTips.size() ? s.lstResultsTips[i] : "";
        QCOMPARE(results()->item(int(i))->toolTip(), app::DecodeName(tip));
    }
    QCOMPARE(m_session.find<QLabel>(QStringLiteral("lblStatus"))->text(),
             QString::fromStdString(s.statusBar));
}

void SessionTest::chooseResin(int index) {
    m_session.showTab(0);
    resins()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(resins(), Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(resins(), Qt::Key_Down);
    QCOMPARE(resins()->currentIndex(), index);
}

void SessionTest::typedWorkedExampleReachesTheCase() {
    click(QStringLiteral("optScrewType_1"));
    for (const auto& [name, text] : kWorkedExample) {
        m_session.showTab(QByteArray(name).startsWith("txtExtSys") ? 1
                          : QByteArray(name).startsWith("txtM")    ? 2
                                                                   : 0);
        m_session.enter(cell(QString::fromLatin1(name)), QString::fromLatin1(text));
    }
    const Case& c = m_session.model.currentCase();
    const double typed[] = {
        c.ScrewDiameter, c.MeteringLength, c.MeteringDepth,   c.MeteringLead, c.FlightClearance,
        c.FlightWidth,   c.MaterialTempIn, c.MaterialTempOut, c.ScrewRpm,     c.SystemBackPressure,
        c.PowerSupply,   c.PowerAvailable, c.MotorSpeed,      c.GearBoxSpeed};
    for (size_t i = 0; i < std::size(typed); ++i)
        QCOMPARE(typed[i], QByteArray(kWorkedExample[i].second).toDouble());
}

void SessionTest::calculateListsTheResults() {
    click(QStringLiteral("cmndToolBar_4"));
    QCOMPARE(results()->item(0)->text(), QStringLiteral("Drag flow = 82.17 kg/hr"));
    QVERIFY(QFontInfo(results()->font()).fixedPitch());
    const QByteArray shot = qgetenv("VEREDOD_SCREENSHOT");
    if (!shot.isEmpty()) {
        m_session.showTab(0);
        QTest::qWait(100);
        QVERIFY(m_session.window->grab().save(QString::fromLocal8Bit(shot)));
    }
}

void SessionTest::unitSwitchConvertsCellsAndResults() {
    const QStringList metric = ListLines(results());
    click(QStringLiteral("optUnits_1"));
    QCOMPARE(cell(QStringLiteral("txtVar_0"))->text(), QStringLiteral("2.5"));
    expectWindowShowsTheModel();
    click(QStringLiteral("optUnits_0"));
    QCOMPARE(ListLines(results()), metric);
}

void SessionTest::addShowsTypicalValuesAndTakesTheTypedResin() {
    m_session.showTab(0);
    click(QStringLiteral("cmndAddResin"));
    QCOMPARE(results()->count(), 18);
    // Tab leads from each cell to the next, so no empty cell is left behind
    // (an empty resin value is refused).
    m_session.enter(cell(QStringLiteral("txtMatlProp_0")), kTypedName);
    m_session.enter(cell(QStringLiteral("txtMatlProp_1")), QStringLiteral("1.5"));
    m_session.enter(cell(QStringLiteral("txtMatlProp_2")), QStringLiteral("770"));
    QCOMPARE(resins()->itemText(3), kTypedName);
    const std::vector<std::string> file = ReadLines(m_session.path(QStringLiteral("resins.dat")));
    QCOMPARE(file.size(), size_t(40));
    QCOMPARE(file[30], kTypedName.toUtf8().toStdString());
    QCOMPARE(file[32], std::string(" 1.5 "));
}

void SessionTest::rejectedResinValueIsPutBack() {
    m_session.enter(cell(QStringLiteral("txtMatlProp_2")), QStringLiteral("abc"));
    const auto messages = m_session.desktop.takeMessages();
    QCOMPARE(messages.size(), size_t(1));
    QCOMPARE(messages[0].text, std::string("Error, please re-enter numeric value"));
    QCOMPARE(cell(QStringLiteral("txtMatlProp_2"))->text(), QStringLiteral("770"));
}

void SessionTest::untouchedLegacyNameKeepsItsBytes() {
    chooseResin(2);
    // Into the name cell and out again without typing: a commit all the same.
    m_session.click(cell(QStringLiteral("txtMatlProp_0")));
    QTest::keyClick(cell(QStringLiteral("txtMatlProp_0")), Qt::Key_Tab);
    QCOMPARE(ReadLines(m_session.path(QStringLiteral("resins.dat"))).at(20), kLegacyName);
}

void SessionTest::deleteMovesLaterResinsUp() {
    chooseResin(1);
    click(QStringLiteral("cmndDeleteResin"));
    QCOMPARE(resins()->itemText(1), QStringLiteral("Caf\u00E9 grade"));
    QCOMPARE(ReadLines(m_session.path(QStringLiteral("resins.dat"))).size(), size_t(30));
    chooseResin(0);
}

void SessionTest::saveNewAndOpenRestoreTheCase() {
    const QString path = m_session.path(QStringLiteral("worked.txt"));
    m_session.desktop.answerFileDialog(path.toStdString());
    m_session.find<QAction>(QStringLiteral("mnuSaveAs"))->trigger();
    const std::vector<std::string> saved = ReadLines(path);
    QCOMPARE(saved.size(), size_t(24));
    m_session.find<QAction>(QStringLiteral("mnuNew"))->trigger();
    QVERIFY(cell(QStringLiteral("txtVar_0"))->text().isEmpty());
    expectWindowShowsTheModel();
    m_session.desktop.answerFileDialog(path.toStdString());
    click(QStringLiteral("cmndToolBar_1"));
    QCOMPARE(cell(QStringLiteral("txtVar_4"))->text(), QStringLiteral(".064"));
    // Save with a current file writes it again without asking.
    click(QStringLiteral("cmndToolBar_2"));
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
