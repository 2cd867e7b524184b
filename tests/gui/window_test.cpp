// SPDX-License-Identifier: GPL-3.0-or-later
// What only the window itself can get wrong, past the session: names for
// screen readers, pictures, layout, the keyboard, the clipboard, the About
// window, the tray icon, the splash and the command line.

#include <QtTest>
#include <QtWidgets>

#include "app/about_window.h"
#include "app/qt_desktop.h"
#include "app/splash.h"
#include "app/svg_picture.h"
#include "gui_fixture.h"
#include "window/about_content.h"

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

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // As the program does, before its window exists.
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/veredod.svg")));
        m_session = std::make_unique<Session>();
        QVERIFY(m_session->start(
            {WorkedExampleResin(kLongName.toStdString()), WorkedExampleResin("PP")}));
    }

    void cleanup() {
        const QStringList problems = m_session->takeProblems();
        m_session.reset();
        VEREDOD_VERIFY_NONE(problems);
    }

    void controlsAreNamedAndPicturesLoad() {
        int named = 0;
        for (QWidget* widget : m_session->window->findChildren<QWidget*>()) {
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
            QVERIFY(!m_session->find<QToolButton>(QStringLiteral("cmndToolBar_%1").arg(i))
                         ->icon()
                         .isNull());
    }

    void layoutFitsTinyToHugeAndALowScreen() {
        // 600 pixels less a title bar and a panel.
        QVERIFY(m_session->window->minimumSizeHint().height() <= 540);
        for (QSize size : {QSize(40, 30), QSize(640, 480), QSize(2400, 1600)}) {
            m_session->window->resize(size);
            QCoreApplication::processEvents();
            for (QWidget* widget : m_session->window->findChildren<QWidget*>()) {
                QVERIFY2(widget->width() >= 0 && widget->height() >= 0,
                         qPrintable(widget->objectName()));
            }
            const QRect tabs = find("sstProperties")->geometry();
            const QRect list = find("lstResults")->geometry();
            QVERIFY(list.left() > tabs.right());
            QVERIFY(list.width() > 0 && tabs.height() > 0);
            QVERIFY(find("frameScrewType")->geometry().bottom() < tabs.top());
        }
    }

    void keyboardStartsReadyAndTabsAsTheEyeReads() {
        // A long resin name shows its start, and the list's tip shows it whole.
        QCOMPARE(m_session->cell("txtMatlProp", 0)->cursorPosition(), 0);
        QVERIFY(find("cmbResins")->toolTip().startsWith(kLongName));
        QCOMPARE(QApplication::focusWidget(), find("txtVar_0"));
        // The whole round, so the tool buttons and the web address, which take
        // no focus, would show in it if they did.
        QStringList expected = {"optUnits_0", "optSectLength_0", "optScrewType_0"};
        for (int i = 0; i < 6; ++i) expected << QStringLiteral("txtVar_%1").arg(i);
        expected << QStringList({"cmbResins", "cmndAddResin", "cmndDeleteResin"});
        for (int i = 0; i < 9; ++i) expected << QStringLiteral("txtMatlProp_%1").arg(i);
        expected << "lstResults";
        QCOMPARE(TabPath(find("optUnits_0"), 40), expected);

        const std::pair<const char*, const char*> keys[] = {
            {"mnuNew", "Ctrl+N"},          {"mnuOpen", "Ctrl+O"},  {"mnuSave", "Ctrl+S"},
            {"mnuSaveAs", "Ctrl+Shift+S"}, {"mnuPrint", "Ctrl+P"}, {"mnuCalc", "F9"}};
        for (const auto& [action, sequence] : keys)
            QCOMPARE(find<QAction>(action)->shortcut(),
                     QKeySequence(QString::fromLatin1(sequence)));
        QTest::keyClick(m_session->window.get(), Qt::Key_F9);
        QCOMPARE(find<QListWidget>("lstResults")->count(), 17);

        m_session->click("optScrewType_2");
        const QStringList stages = TabPath(find("txtVar_5"), 8);
        QCOMPARE(stages.mid(0, 3), QStringList({"txtVar_5", "txtVar_6", "txtVar_7"}));
        QCOMPARE(stages.at(7), QStringLiteral("cmbResins"));
        QTest::keyClick(m_session->cell("txtMatlProp", 0), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(find<QTabWidget>("sstProperties")->currentIndex(), 1);
    }

    void commandsReachTheDesktopAndLinesCopyAsText() {
        m_session->click("cmndToolBar_5");
        find<QAction>("mnuAbout")->trigger();
        QCOMPARE(m_session->desktop.aboutShown, 2);
        m_session->click("lblWebAddress");
        QCOMPARE(m_session->desktop.openedAddresses.size(), size_t(1));

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

    // VEREDOD_ABOUT_SCREENSHOT names the picture scripts/screenshot.sh takes here.
    void aboutWindowFollowsLinksClosesWithEscapeAndIsOne() {
        QWidget* main = m_session->window.get();
        QPointer<QWidget> about = app::ShowAboutWindow(main, m_session->desktop);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        if (const QByteArray shot = qgetenv("VEREDOD_ABOUT_SCREENSHOT"); !shot.isEmpty())
            QVERIFY(about->grab().save(QString::fromLocal8Bit(shot)));
        for (int i = 0; i < 5; ++i) {
            auto* email = about->findChild<QLabel*>(QStringLiteral("lblEmail_%1").arg(i));
            QCOMPARE(email->cursor().shape(),
                     IsAboutLink(i) ? Qt::PointingHandCursor : Qt::ArrowCursor);
            QTest::mouseClick(email, Qt::LeftButton);
            QTest::mouseClick(email, Qt::RightButton);  // only the left button follows a link
        }
        QCOMPARE(m_session->desktop.openedAddresses,
                 std::vector<std::string>({"mailto:info@example.com", "http://www.example.com",
                                           "http://www.example.com/updates"}));
        const QPoint offset = about->frameGeometry().center() - main->frameGeometry().center();
        QVERIFY(offset.manhattanLength() <= 4);
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([&about] { return about.isNull(); }));

        // The desktop's About command: one window, living only while open.
        app::QtDesktop desktop;
        desktop.setOwner(main);
        auto shown = [main] { return main->findChildren<QWidget*>(QStringLiteral("frmAbout")); };
        desktop.showAbout();
        QPointer<QWidget> first = shown().value(0);
        QVERIFY(first);
        QCOMPARE(first->windowModality(), Qt::NonModal);
        first->showMinimized();
        desktop.showAbout();
        QCOMPARE(shown(), QList<QWidget*>{first});
        QVERIFY(!first->isMinimized());
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        desktop.showAbout();
        QCOMPARE(shown().size(), 1);
    }

    // A double click brings the window back, the context menu is the File
    // menu, and closing takes the icon away. A minimised window is hidden
    // only where a tray could bring it back.
    void trayIconAnswersItsClicksAndHidesOnlyWithATray() {
        QMainWindow* window = m_session->window.get();
        auto* icon = window->findChild<QSystemTrayIcon*>();
        QVERIFY(icon);
        QCOMPARE(icon->icon().cacheKey(), window->windowIcon().cacheKey());
        window->showMinimized();
        QCoreApplication::processEvents();
        QCOMPARE(window->isVisible(), !QSystemTrayIcon::isSystemTrayAvailable());
        emit icon->activated(QSystemTrayIcon::Trigger);
        QVERIFY(window->isMinimized());
        emit icon->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window->isVisible() && !window->isMinimized());
        emit icon->activated(QSystemTrayIcon::Context);
        QTRY_VERIFY(find("mnuFile")->isVisible());
        find("mnuFile")->hide();
        window->close();  // and again at the end of the test: the icon goes once
        QVERIFY(!window->findChild<QSystemTrayIcon*>());
    }

    void splashShowsForItsTimeWhileHandlingEvents() {
        bool handled = false;
        QTimer::singleShot(10, [&handled] { handled = true; });
        QElapsedTimer clock;
        clock.start();
        app::ShowSplash(std::chrono::milliseconds(120));
        QVERIFY(clock.elapsed() >= 120);
        QVERIFY(handled);
    }

    // Help and version need no display; what cannot be opened is refused
    // with a reason and a failing exit code.
    void commandLineAnswersAndRefuses() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
            environment.insert(name, m_session->path(QString()));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        const std::tuple<QStringList, int, QString> runs[] = {
            {{"--version"}, 0, "Veredod 2000 1.0.0\n"},
            {{"--help"}, 0, "--resins <FILE>"},
            {{"--bogus"}, 1, "Unknown option 'bogus'"},
            {{"a.txt", "b.txt"}, 1, "only one CASE can be opened, not 2"}};
        for (const auto& [arguments, exitCode, output] : runs) {
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(VEREDOD_PROGRAM), arguments);
            QVERIFY(program.waitForFinished(30000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), exitCode);
            const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput() +
                                                           program.readAllStandardError());
            QVERIFY2(printed.contains(output), qPrintable(printed));
        }
    }

private:
    template <class T = QWidget>
    T* find(const char* name) {
        return m_session->find<T>(QString::fromLatin1(name));
    }

    std::unique_ptr<Session> m_session;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
