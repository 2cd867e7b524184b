// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

#include <QtTest>
#include <QtWidgets>

#include "app/name_text.h"
#include "resins/resin_file.h"

namespace veredod::guitest {

using app::DecodeName;

QStringList ScriptedQtDesktop::takeProblems() {
    QStringList all;
    for (; m_failuresTaken < m_failures.size(); ++m_failuresTaken)
        all << QString::fromStdString(m_failures.GetTestPartResult(m_failuresTaken).message());
    for (const testing::RecordedMessage& message : takeMessages())
        all << QStringLiteral("unexpected message box \"%1\"").arg(DecodeName(message.text));
    return all;
}

ModalWatchdog::ModalWatchdog() {
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            m_seen << QStringLiteral("modal window \"%1\"").arg(modal->windowTitle());
            modal->close();
        }
    });
    m_timer.start(50);
}

QStringList ModalWatchdog::takeSeen() {
    return std::exchange(m_seen, {});
}

ResinRecord WorkedExampleResin(std::string name) {
    return {std::move(name), true, 2.2, 750, 920, 13790, 0.35, 2100, 116000, 0.24};
}

std::vector<std::string> ReadLines(const QString& path) {
    QFile file(path);
    std::vector<std::string> lines;
    if (!file.open(QIODevice::ReadOnly)) return lines;
    for (const QByteArray& line : file.readAll().split('\n'))
        lines.push_back(line.endsWith('\r') ? line.chopped(1).toStdString() : line.toStdString());
    if (lines.back().empty()) lines.pop_back();  // after the last line's end
    return lines;
}

QStringList ListLines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

Session::~Session() {
    if (window) window->close();
}

bool Session::start(const std::vector<ResinRecord>& resins) {
    const QString resinFile = path(QStringLiteral("resins.dat"));
    if (!m_dir.isValid() ||
        !SaveResinDatabase(resinFile.toStdString(), resins, int(resins.size()) - 1).ok)
        return false;
    window = std::make_unique<app::MainWindow>(model);
    desktop.answerFileDialog(resinFile.toStdString());
    if (!model.startUp()) return false;
    window->syncFromModel();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return false;
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    return QTest::qWaitForWindowActive(window.get());
}

QLineEdit* Session::cell(const char* group, int index) const {
    return find<QLineEdit>(QString::fromLatin1(group) + u'_' + QString::number(index));
}

// A radio button takes clicks only on its circle and caption, not on the
// rest of the width the layout gives it; the left end of the middle row is
// on both, and on every other widget.
void Session::click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

void Session::typeInto(QLineEdit* cell, const QString& text) {
    click(cell);
    QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    for (QChar c : text) {
        // Key clicks know only ASCII; other characters arrive as typed text.
        if (c.unicode() < 0x80) {
            QTest::keyClick(cell, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, cell, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void Session::enter(QLineEdit* cell, const QString& text) {
    typeInto(cell, text);
    QTest::keyClick(cell, Qt::Key_Tab);
}

void Session::showTab(int index) {
    QTabBar* bar = find<QTabWidget>(QStringLiteral("sstProperties"))->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

namespace {

// A control as one line: its text, its tip and whether it is hidden.
QString Line(const QString& text, const QString& tip, bool visible) {
    return text + u'|' + tip + (visible ? QString() : QStringLiteral("|hidden"));
}

QString Line(const Cell& cell) {
    return Line(DecodeName(cell.text), DecodeName(cell.warning ? cell.warningTip : cell.help),
                cell.visible);
}

QString Line(const Control& control) {
    return Line(DecodeName(control.caption), DecodeName(control.help), control.visible);
}

const QString kChosen = QStringLiteral(" (chosen)");

QString Shown(const QWidget* widget) {
    QString text;
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) text = edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) text = label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text() + (button->isChecked() ? kChosen : QString());
    return Line(text, widget->toolTip(), !widget->isHidden());
}

// The main window's named controls and cells, each with the line the model
// holds for it.
std::vector<std::pair<QString, QString>> HeldLines(const WindowState& s) {
    std::vector<std::pair<QString, QString>> held;
    auto add = [&held](const char* group, const auto& items) {
        for (size_t i = 0; i < items.size(); ++i)
            held.emplace_back(QStringLiteral("%1_%2").arg(group).arg(i), Line(items[i]));
    };
    add("picScrew", s.picScrew);
    add("Label5", s.Label5);
    add("Label1", s.Label1);
    add("txtVar", s.txtVar);
    add("Label2", s.Label2);
    add("txtMatlProp", s.txtMatlProp);
    add("Label3", s.Label3);
    add("txtExtSys", s.txtExtSys);
    add("Label4", s.Label4);
    add("txtMotorSpec", s.txtMotorSpec);
    held.emplace_back(QStringLiteral("cmndAddResin"), Line(s.cmndAddResin));
    held.emplace_back(QStringLiteral("cmndDeleteResin"), Line(s.cmndDeleteResin));
    for (size_t i = 0; i < s.cmndToolBar.size(); ++i) {
        // A tool without a caption is named by its help text.
        const Control& tool = s.cmndToolBar[i];
        held.emplace_back(QStringLiteral("cmndToolBar_%1").arg(i),
                          Line(DecodeName(tool.caption.empty() ? tool.help : tool.caption),
                               DecodeName(tool.help), tool.visible));
    }
    for (const auto& [name, group] :
         {std::pair{"optScrewType", &s.optScrewType}, std::pair{"optUnits", &s.optUnits},
          std::pair{"optSectLength", &s.optSectLength}}) {
        for (size_t i = 0; i < group->captions.size(); ++i) {
            const QString chosen = int(i) == group->selected ? kChosen : QString();
            held.emplace_back(QStringLiteral("%1_%2").arg(name).arg(i),
                              Line(DecodeName(group->captions[i]) + chosen, {}, true));
        }
    }
    return held;
}

QString Joined(const std::vector<std::string>& texts) {
    QStringList decoded;
    for (const std::string& text : texts) decoded << DecodeName(text);
    return decoded.join(u'\n');
}

}  // namespace

QStringList Session::differencesFromModel() const {
    QStringList differences;
    auto compare = [&differences](const QString& what, const QString& shown, const QString& held) {
        if (shown != held)
            differences
                << QStringLiteral("%1 shows \"%2\", the model holds \"%3\"").arg(what, shown, held);
    };
    const WindowState& s = model.state();
    for (const auto& [name, line] : HeldLines(s)) {
        const QWidget* widget = find(name);
        compare(name, widget ? Shown(widget) : QStringLiteral("nothing"), line);
    }
    compare(QStringLiteral("title"), window->windowTitle(), DecodeName(s.caption));
    compare(QStringLiteral("frameScrewType"),
            find<QGroupBox>(QStringLiteral("frameScrewType"))->title(),
            DecodeName(s.frameScrewTypeCaption));
    compare(QStringLiteral("lblStatus"), find<QLabel>(QStringLiteral("lblStatus"))->text(),
            DecodeName(s.statusBar));
    const auto* resins = find<QComboBox>(QStringLiteral("cmbResins"));
    QStringList names;
    for (int i = 0; i < resins->count(); ++i) names << resins->itemText(i);
    compare(QStringLiteral("cmbResins"), names.join(u'\n'), Joined(s.cmbResins));
    compare(QStringLiteral("cmbResins choice"), QString::number(resins->currentIndex()),
            QString::number(s.cmbResinsIndex));
    const auto* results = find<QListWidget>(QStringLiteral("lstResults"));
    QStringList shown, held;
    for (int i = 0; i < results->count(); ++i)
        shown << Line(results->item(i)->text(), results->item(i)->toolTip(), true);
    for (size_t i = 0; i < s.lstResults.size(); ++i) {
        const std::string tip = i < s.lstResultsTips.size() ? s.lstResultsTips[i] : "";
        held << Line(DecodeName(s.lstResults[i]), DecodeName(tip), true);
    }
    compare(QStringLiteral("lstResults"), shown.join(u'\n'), held.join(u'\n'));
    // The Operating Point window is made when it is first asked for.
    const OperatingPointState& point = s.frmOperatingPoint;
    if (const auto* frame = find(QStringLiteral("frmOperatingPoint"))) {
        compare(QStringLiteral("frmOperatingPoint"),
                Line(frame->findChild<QPlainTextEdit*>()->toPlainText(), {}, frame->isVisible()),
                Line(Joined(point.txtOperatingPoint), {}, point.visible));
    }
    return differences;
}

QStringList Session::takeProblems() {
    return desktop.takeProblems() + watchdog.takeSeen();
}

}  // namespace veredod::guitest
