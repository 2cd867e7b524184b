// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests share: a desktop that answers file dialogs from a
// script, a watchdog against modal boxes nobody expected, resin files made
// in a temporary folder, one started window to drive, and the one check
// that the window shows what the model holds.

#include <gtest/gtest-spi.h>

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "model/resin_table.h"
#include "support/scripted_desktop.h"
#include "window/main_model.h"

class QLineEdit;
class QListWidget;
class QWidget;

// A list of problems that must be empty, each one named when it is not.
#define VEREDOD_VERIFY_NONE(list)                                   \
    do {                                                            \
        const QStringList found_ = (list);                          \
        QVERIFY2(found_.isEmpty(), qPrintable(found_.join(u'\n'))); \
    } while (false)

namespace veredod::guitest {

// The scripted desktop of the GUI-free tests. It reports what it was not
// told to expect as a GoogleTest failure; in these Qt Test programs those
// failures are collected here instead.
class ScriptedQtDesktop : public testing::ScriptedDesktop {
public:
    // Unexpected dialogs and prints, and unread message boxes, since the
    // last call.
    QStringList takeProblems();

private:
    ::testing::TestPartResultArray m_failures;
    ::testing::ScopedFakeTestPartResultReporter m_reporter{
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ALL_THREADS, &m_failures};
    int m_failuresTaken = 0;
};

// Closes any modal window that appears and remembers its title: the window
// under test must never block on a real box or dialog.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog();
    QStringList takeSeen();

private:
    QTimer m_timer;
    QStringList m_seen;
};

// The resin of the worked example: cost, melt and solid density, K, n,
// heat capacity, heat of fusion, conductivity.
ResinRecord WorkedExampleResin(std::string name = "Worked example resin");

// The lines of a file without their CR LF ends.
std::vector<std::string> ReadLines(const QString& path);
QStringList ListLines(const QListWidget* list);

// A started window over a resin database made in a temporary folder.
class Session {
public:
    ~Session();

    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Writes `resins` as "resins.dat", starts the model (answering the
    // resin dialog with that file), shows the window and activates it.
    bool start(const std::vector<ResinRecord>& resins);

    template <class T = QWidget>
    T* find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QLineEdit* cell(const char* group, int index) const;

    // As the user does it: click into the cell, select its text, type.
    void typeInto(QLineEdit* cell, const QString& text);
    // Types into a cell and leaves it with Tab.
    void enter(QLineEdit* cell, const QString& text);
    void showTab(int index);
    void click(QWidget* widget);
    void click(const char* name) { click(find(QString::fromLatin1(name))); }

    // Every widget of the window, and the Operating Point window's text,
    // that shows other than the model holds: texts, captions, tips,
    // visibility, choices, lists.
    QStringList differencesFromModel() const;
    // Problems of the desktop and the watchdog since the last call, for
    // each test's cleanup.
    QStringList takeProblems();

    ScriptedQtDesktop desktop;
    MainModel model{desktop};
    std::unique_ptr<app::MainWindow> window;
    ModalWatchdog watchdog;

private:
    QTemporaryDir m_dir;
};

}  // namespace veredod::guitest
