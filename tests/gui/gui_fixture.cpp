// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_fixture.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

namespace veredod::guitest {

std::vector<ShownMessage> ScriptedQtDesktop::takeMessages() {
    std::vector<ShownMessage> taken;
    taken.swap(m_messages);
    return taken;
}

void ScriptedQtDesktop::showMessage(MessageIcon icon, const std::string& text,
                                    const std::string& title) {
    m_messages.push_back({icon, text, title});
}

std::string ScriptedQtDesktop::chooseFile(const FileDialogRequest& request) {
    dialogs.push_back(request);
    if (m_answers.empty()) {
        m_unexpected << QStringLiteral("unexpected file dialog \"%1\"")
                            .arg(QString::fromStdString(request.title));
        return {};
    }
    std::string answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
}

bool ScriptedQtDesktop::printLines(const std::vector<std::string>& lines, std::string& error) {
    m_unexpected << QStringLiteral("unexpected print of %1 lines").arg(lines.size());
    error = "no printer in tests";
    return false;
}

LaunchResult ScriptedQtDesktop::openAddress(const std::string& address) {
    openedAddresses.push_back(address);
    return {};
}

QStringList ScriptedQtDesktop::takeProblems() {
    QStringList all;
    all.swap(m_unexpected);
    for (const ShownMessage& message : m_messages) {
        all << QStringLiteral("unexpected message box \"%1\"")
                   .arg(QString::fromStdString(message.text));
    }
    if (!m_answers.empty()) {
        all << QStringLiteral("%1 file dialog answer(s) never asked for").arg(m_answers.size());
    }
    m_messages.clear();
    m_answers.clear();
    return all;
}

ModalWatchdog::ModalWatchdog() {
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::check);
    m_timer.start();
}

QStringList ModalWatchdog::takeSeen() {
    QStringList seen;
    seen.swap(m_seen);
    return seen;
}

void ModalWatchdog::check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    m_seen << QStringLiteral("modal window \"%1\"").arg(modal->windowTitle());
    modal->close();
}

ResinSpec WorkedExampleResin(std::string name) {
    return {std::move(name), true, {2.2, 750, 920, 13790, 0.35, 2100, 116000, 0.24}};
}

void WriteResinFile(const QString& path, const std::vector<ResinSpec>& resins) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    for (const ResinSpec& resin : resins) {
        file.write(QByteArray::fromStdString(resin.name) + "\r\n");
        file.write(resin.metric ? "True\r\n" : "False\r\n");
        for (double value : resin.values) {
            char number[40];
            std::snprintf(number, sizeof number, "%s%.15g \r\n", value < 0 ? "" : " ", value);
            file.write(number);
        }
    }
}

std::vector<std::string> ReadLines(const QString& path) {
    QFile file(path);
    std::vector<std::string> lines;
    if (!file.open(QIODevice::ReadOnly)) return lines;
    QByteArray content = file.readAll();
    if (content.endsWith("\r\n")) content.chop(2);
    if (content.isEmpty()) return lines;
    for (const QByteArray& line : content.split('\n')) {
        lines.push_back(line.endsWith('\r') ? line.chopped(1).toStdString() : line.toStdString());
    }
    return lines;
}

QStringList ListLines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

Session::Session() = default;

Session::~Session() {
    if (window) window->close();
}

bool Session::start(const std::vector<ResinSpec>& resins) {
    if (!m_dir.isValid()) return false;
    const QString resinFile = path(QStringLiteral("resins.dat"));
    WriteResinFile(resinFile, resins);
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

namespace {

// A radio button takes clicks only on its circle and caption, not on the
// rest of the width the layout gives it.
QPoint ClickPoint(QWidget* widget) {
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        return radio->style()
            ->subElementRect(QStyle::SE_RadioButtonClickRect, &option, radio)
            .center();
    }
    return widget->rect().center();
}

}  // namespace

void Session::click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, ClickPoint(widget));
}

void Session::typeInto(QLineEdit* cell, const QString& text) {
    click(cell);
    QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) QTest::keyClick(cell, Qt::Key_Delete);
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
    auto* tabs = find<QTabWidget>(QStringLiteral("sstProperties"));
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

QStringList Session::takeProblems() {
    return desktop.takeProblems() + watchdog.takeSeen();
}

}  // namespace veredod::guitest
