// SPDX-License-Identifier: GPL-3.0-or-later
// The binding details a session does not reach: accessible names, layout,
// commands that commit a pending edit, Enter in a resin cell, the clipboard.

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include "app/splash.h"
#include "app/svg_picture.h"
#include "gui_fixture.h"

using namespace veredod;
using namespace veredod::guitest;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyControlIsNamedAndEveryPictureLoads();
    void smallWindowNeverGetsNegativeSizes();
    void commandCommitsThePendingEdit();
    void enterInAResinCellSavesAndKeepsTheFocus();
    void aboutAndWebAddressGoToTheDesktop();
    void resultsLinesCopyAsPlainText();
    void cancelledResinDialogShowsNoWindow();
    void splashShowsForItsTimeWhileHandlingEvents();

private:
    QLineEdit* cell(const char* group, int index) { return m_session->cell(group, index); }
    template <class T>
    T* find(const char* name) {
        return m_session->find<T>(QString::fromLatin1(name));
    }

    std::unique_ptr<Session> m_session;
};

void MainWindowTest::init() {
    m_session = std::make_unique<Session>();
    QVERIFY(m_session->start({WorkedExampleResin("LDPE"), WorkedExampleResin("PP")}));
}

void MainWindowTest::cleanup() {
    const QStringList problems = m_session->takeProblems();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void MainWindowTest::everyControlIsNamedAndEveryPictureLoads() {
    const QList<QWidget*> widgets = m_session->window->findChildren<QWidget*>();
    int named = 0;
    for (QWidget* widget : widgets) {
        const QString name = widget->objectName();
        const bool control = name.contains(u'_') || name.startsWith(u"cmb") ||
                             name.startsWith(u"cmnd") || name.startsWith(u"lst") ||
                             name.startsWith(u"lbl") || name.startsWith(u"sst");
        if (!control || name.startsWith(u"qt_")) continue;
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(name));
        ++named;
    }
    QVERIFY(named > 80);
    // The pictures come from resources a packaging slip can lose.
    for (auto* picture : m_session->window->findChildren<app::SvgPicture*>())
        QVERIFY2(picture->isValid(), qPrintable(picture->objectName()));
    for (int i = 0; i < 6; ++i)
        QVERIFY(!find<QToolButton>(qPrintable(QStringLiteral("cmndToolBar_%1").arg(i)))
                     ->icon()
                     .isNull());
}

void MainWindowTest::smallWindowNeverGetsNegativeSizes() {
    for (QSize size : {QSize(40, 30), QSize(640, 480), QSize(2400, 1600)}) {
        m_session->window->resize(size);
        QCoreApplication::processEvents();
        for (QWidget* widget : m_session->window->findChildren<QWidget*>()) {
            QVERIFY2(widget->width() >= 0 && widget->height() >= 0,
                     qPrintable(widget->objectName()));
        }
        const QRect tabs = find<QWidget>("sstProperties")->geometry();
        const QRect list = find<QWidget>("lstResults")->geometry();
        QVERIFY(list.left() > tabs.right());
        QVERIFY(list.width() > 0 && tabs.height() > 0);
        QVERIFY(find<QWidget>("frameScrewType")->geometry().bottom() < tabs.top());
    }
}

void MainWindowTest::commandCommitsThePendingEdit() {
    m_session->typeInto(cell("txtVar", 0), QStringLiteral("70"));
    find<QAction>("mnuCalc")->trigger();
    QCOMPARE(m_session->model.currentCase().ScrewDiameter, 70.0);
    QCOMPARE(QApplication::focusWidget(), cell("txtVar", 0));
    QCOMPARE(find<QListWidget>("lstResults")->count(), 17);
}

void MainWindowTest::enterInAResinCellSavesAndKeepsTheFocus() {
    QLineEdit* cost = cell("txtMatlProp", 1);
    m_session->typeInto(cost, QStringLiteral("3.250"));
    QTest::keyClick(cost, Qt::Key_Return);
    QCOMPARE(cost->text(), QStringLiteral("3.25"));
    QCOMPARE(QApplication::focusWidget(), cost);
    QCOMPARE(m_session->model.resinTable().Resins[0].ResinCost, 3.25);
    const std::vector<std::string> file = ReadLines(m_session->path(QStringLiteral("resins.dat")));
    QCOMPARE(file.size(), size_t(20));
    QCOMPARE(file[2], std::string(" 3.25 "));
}

void MainWindowTest::aboutAndWebAddressGoToTheDesktop() {
    m_session->click(find<QToolButton>("cmndToolBar_5"));
    QCOMPARE(m_session->desktop.aboutShown, 1);
    find<QAction>("mnuAbout")->trigger();
    QCOMPARE(m_session->desktop.aboutShown, 2);
    m_session->click(find<QLabel>("lblWebAddress"));
    QCOMPARE(m_session->desktop.openedAddresses.size(), size_t(1));
}

void MainWindowTest::resultsLinesCopyAsPlainText() {
    find<QAction>("mnuCalc")->trigger();
    auto* list = find<QListWidget>("lstResults");
    const QStringList lines = ListLines(list);
    auto clickLine = [list](int row, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualItemRect(list->item(row)).center());
    };
    clickLine(2, {});
    clickLine(0, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), lines[0] + u'\n' + lines[2]);

    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    list->actions().constFirst()->trigger();  // the context menu's Copy
    QCOMPARE(QGuiApplication::clipboard()->text(), lines.join(u'\n'));
}

void MainWindowTest::cancelledResinDialogShowsNoWindow() {
    ScriptedQtDesktop desktop;
    MainModel model(desktop);
    app::MainWindow window(model);
    desktop.answerFileDialog("");
    QVERIFY(!model.startUp());
    QVERIFY(!window.isVisible());
    QVERIFY(desktop.takeProblems().isEmpty());
}

void MainWindowTest::splashShowsForItsTimeWhileHandlingEvents() {
    bool handled = false;
    QTimer::singleShot(10, [&handled] { handled = true; });
    QElapsedTimer clock;
    clock.start();
    app::ShowSplash(std::chrono::milliseconds(120));
    QVERIFY(clock.elapsed() >= 120);
    QVERIFY(handled);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
