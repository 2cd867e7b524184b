// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, names, menu, tool bar, help texts and layout, and
// the binding details a session does not reach: commands that commit a
// pending edit, Enter in a resin cell, the option groups and their pages.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
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
    void everyControlCarriesItsName();
    void fileMenuHoldsTheCommandsInOrder();
    void toolBarShowsPicturesWithHelpTexts();
    void everyControlHasAnAccessibleName();
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

void MainWindowTest::everyControlCarriesItsName() {
    struct Array {
        const char* name;
        int count;
        const char* className;
    };
    const Array arrays[] = {
        {"txtVar", 12, "QLineEdit"},
        {"Label1", 12, "QLabel"},
        {"txtMatlProp", 9, "QLineEdit"},
        {"Label2", 9, "QLabel"},
        {"txtExtSys", 4, "QLineEdit"},
        {"Label3", 4, "QLabel"},
        {"txtMotorSpec", 4, "QLineEdit"},
        {"Label4", 4, "QLabel"},
        {"Label5", 2, "QLabel"},
        {"optUnits", 2, "QRadioButton"},
        {"optSectLength", 2, "QRadioButton"},
        {"optScrewType", 3, "QRadioButton"},
        {"picScrew", 3, "veredod::app::SvgPicture"},
        {"cmndToolBar", 6, "QToolButton"},
        {"cmbResins", 0, "QComboBox"},
        {"cmndAddResin", 0, "QPushButton"},
        {"cmndDeleteResin", 0, "QPushButton"},
        {"lstResults", 0, "QListWidget"},
        {"frameScrewType", 0, "QGroupBox"},
        {"sstProperties", 0, "QTabWidget"},
        {"lblWebAddress", 0, "QLabel"},
        {"mnuFile", 0, "QMenu"},
    };
    for (const Array& array : arrays) {
        QStringList names;
        if (array.count == 0) names << QString::fromLatin1(array.name);
        for (int i = 0; i < array.count; ++i) {
            names << QString::fromLatin1(array.name) + u'_' + QString::number(i);
        }
        for (const QString& name : names) {
            QObject* control = m_session->find<QObject>(name);
            QVERIFY2(control != nullptr, qPrintable(name));
            QVERIFY2(control->inherits(array.className), qPrintable(name));
        }
    }
    QCOMPARE(m_session->window->objectName(), QStringLiteral("frmMain"));
}

void MainWindowTest::fileMenuHoldsTheCommandsInOrder() {
    auto* menu = find<QMenu>("mnuFile");
    QCOMPARE(menu->title(), QStringLiteral("&File"));
    QStringList names, texts;
    for (QAction* action : menu->actions()) {
        names << action->objectName();
        texts << action->text();
    }
    QCOMPARE(names, QStringList({"mnuNew", "mnuSave", "mnuSaveAs", "mnuOpen", "mnuPrint",
                                 "mnuPrintPreview", "mnuExportPdf", "mnuCalc", "mnuAbout",
                                 "mnuSpace", "mnuExit"}));
    QCOMPARE(texts, QStringList({"&New", "&Save", "Save &As", "&Open", "&Print", "Print Pre&view",
                                 "&Export PDF...", "&Calculate", "A&bout", "", "E&xit"}));
    QVERIFY(menu->actions().at(9)->isSeparator());
}

void MainWindowTest::toolBarShowsPicturesWithHelpTexts() {
    const QStringList help = {"New File (Ctrl+N)",         "Open File (Ctrl+O)",
                              "Save File (Ctrl+S)",        "Print (Ctrl+P)",
                              "Perform Calculations (F9)", "About"};
    for (int i = 0; i < help.size(); ++i) {
        auto* button = m_session->find<QToolButton>(QStringLiteral("cmndToolBar_%1").arg(i));
        QCOMPARE(button->toolTip(), help[i]);
        QVERIFY2(!button->icon().pixmap(24, 24).isNull(), qPrintable(help[i]));
    }
    for (const char* name : {"picScrew_0", "picScrew_1", "picScrew_2"}) {
        QVERIFY2(find<app::SvgPicture>(name)->isValid(), name);
    }
    QCOMPARE(find<app::SvgPicture>("picScrew_0")->sizeHint(), QSize(669, 20));
    QCOMPARE(find<app::SvgPicture>("picScrew_2")->sizeHint(), QSize(641, 23));
}

void MainWindowTest::everyControlHasAnAccessibleName() {
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
    QCOMPARE(cell("txtVar", 0)->accessibleName(), QStringLiteral("Diameter (mm)"));
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
    auto* web = find<QLabel>("lblWebAddress");
    QVERIFY(!web->text().isEmpty());
    m_session->click(web);
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
    QCOMPARE(list->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(list->actions().size(), 1);
    QCOMPARE(list->actions().constFirst()->text(), QStringLiteral("Copy"));
    list->actions().constFirst()->trigger();
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
    app::Splash splash;
    QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
    QCOMPARE(splash.windowTitle(), QStringLiteral("VEZ Veredod"));
    QVERIFY(splash.findChild<app::SvgPicture*>()->isValid());
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
