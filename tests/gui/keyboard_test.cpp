// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a keyboard user and a careful reader meet it: start focus,
// Tab order, shortcuts, the lenient mark, the About window, and a
// window that fits a low screen.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "app/about_window.h"
#include "gui_fixture.h"

using namespace veredod;
using namespace veredod::guitest;

namespace {

const QString kLongName =
    QStringLiteral("Low density polyethylene, blown film grade, melt index 0.3, natural");

// The focus path from `from` with Tab, until it comes back or `steps` runs out.
QStringList TabPath(QWidget* from, int steps) {
    from->setFocus(Qt::TabFocusReason);
    QStringList path;
    for (int i = 0; i < steps; ++i) {
        QWidget* focus = QApplication::focusWidget();
        path << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
        if (QApplication::focusWidget() == from) break;
    }
    return path;
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsReadyForTheKeyboardAndTabsAsTheEyeReads();
    void lenientCellShowsWhatItRead();
    void aboutWindowIsCentredAndClosesWithEscape();

private:
    template <class T>
    T* find(const char* name) {
        return m_session->find<T>(QString::fromLatin1(name));
    }

    std::unique_ptr<Session> m_session;
};

void KeyboardTest::init() {
    m_session = std::make_unique<Session>();
    QVERIFY(
        m_session->start({WorkedExampleResin(kLongName.toStdString()), WorkedExampleResin("PP")}));
}

void KeyboardTest::cleanup() {
    const QStringList problems = m_session->takeProblems();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void KeyboardTest::startsReadyForTheKeyboardAndTabsAsTheEyeReads() {
    // 600 pixels less a title bar and a panel.
    QVERIFY2(m_session->window->minimumSizeHint().height() <= 540,
             qPrintable(QString::number(m_session->window->minimumSizeHint().height())));
    QCOMPARE(m_session->cell("txtMatlProp", 0)->cursorPosition(), 0);
    QVERIFY(find<QComboBox>("cmbResins")->toolTip().startsWith(kLongName));
    QCOMPARE(QApplication::focusWidget(), find<QWidget>("txtVar_0"));
    QStringList expected = {"optUnits_0", "optSectLength_0", "optScrewType_0"};
    for (int i = 0; i < 6; ++i) expected << QStringLiteral("txtVar_%1").arg(i);
    expected << QStringList({"cmbResins", "cmndAddResin", "cmndDeleteResin"});
    for (int i = 0; i < 9; ++i) expected << QStringLiteral("txtMatlProp_%1").arg(i);
    expected << "lstResults";
    QCOMPARE(TabPath(find<QWidget>("optUnits_0"), 40), expected);

    const std::pair<const char*, const char*> keys[] = {
        {"mnuNew", "Ctrl+N"},          {"mnuOpen", "Ctrl+O"},  {"mnuSave", "Ctrl+S"},
        {"mnuSaveAs", "Ctrl+Shift+S"}, {"mnuPrint", "Ctrl+P"}, {"mnuCalc", "F9"}};
    for (const auto& [action, sequence] : keys) {
        QCOMPARE(find<QAction>(action)->shortcut(), QKeySequence(QString::fromLatin1(sequence)));
    }
    QTest::keyClick(m_session->window.get(), Qt::Key_F9);
    QCOMPARE(find<QListWidget>("lstResults")->count(), 17);

    m_session->click(find<QRadioButton>("optScrewType_2"));
    const QStringList stages = TabPath(find<QWidget>("txtVar_5"), 8);
    QCOMPARE(stages.mid(0, 3), QStringList({"txtVar_5", "txtVar_6", "txtVar_7"}));
    QCOMPARE(stages.at(7), QStringLiteral("cmbResins"));
    QCOMPARE(find<QToolButton>("cmndToolBar_4")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(find<QWidget>("lblWebAddress")->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(m_session->cell("txtMatlProp", 0), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(find<QTabWidget>("sstProperties")->currentIndex(), 1);
}

// A lenient cell marks what it read; a plain number takes the mark away.
void KeyboardTest::lenientCellShowsWhatItRead() {
    QLineEdit* diameter = m_session->cell("txtVar", 0);
    m_session->enter(diameter, QStringLiteral("63.5mm"));
    QCOMPARE(diameter->toolTip(), QStringLiteral("read as 63.5"));
    QVERIFY(!diameter->styleSheet().isEmpty());
    m_session->enter(diameter, QStringLiteral("63.5"));
    QCOMPARE(diameter->toolTip(), QStringLiteral("The nominal diameter of the screw"));
    QVERIFY(diameter->styleSheet().isEmpty());
}

void KeyboardTest::aboutWindowIsCentredAndClosesWithEscape() {
    QWidget* main = m_session->window.get();
    QPointer<QWidget> about = app::ShowAboutWindow(main, m_session->desktop);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    const QPoint offset = about->frameGeometry().center() - main->frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    auto* close = about->findChild<QPushButton*>(QStringLiteral("cmndClose"));
    QVERIFY(close != nullptr && close->isVisible());

    about->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_Escape);
    QVERIFY(QTest::qWaitFor([&about] { return about.isNull() || !about->isVisible(); }));
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
