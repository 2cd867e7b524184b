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

#include "resins/resin_file.h"

namespace veredod::guitest {

QStringList ScriptedQtDesktop::takeProblems() {
    QStringList all;
    for (; m_failuresTaken < m_failures.size(); ++m_failuresTaken)
        all << QString::fromStdString(m_failures.GetTestPartResult(m_failuresTaken).message());
    for (const testing::RecordedMessage& message : takeMessages())
        all << QStringLiteral("unexpected message box \"%1\"")
                   .arg(QString::fromStdString(message.text));
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

ResinRecord WorkedExampleResin(std::string name) {
    return {std::move(name), true, 2.2, 750, 920, 13790, 0.35, 2100, 116000, 0.24};
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
