// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests share: a desktop that answers file dialogs from a
// script, a watchdog against modal boxes nobody expected, resin files made
// in a temporary folder, and one started window to drive.

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "window/desktop.h"
#include "window/main_model.h"

class QLineEdit;
class QListWidget;
class QWidget;

namespace veredod::guitest {

struct ShownMessage {
    MessageIcon icon;
    std::string text;
    std::string title;
};

// Answers each file dialog with the next scripted path; records message
// boxes; notes anything it was not told to expect in `unexpected`.
class ScriptedQtDesktop : public Desktop {
public:
    void answerFileDialog(std::string path) { m_answers.push_back(std::move(path)); }
    // The message boxes shown since the last call, forgotten afterwards.
    std::vector<ShownMessage> takeMessages();

    void showMessage(MessageIcon icon, const std::string& text, const std::string& title) override;
    std::string chooseFile(const FileDialogRequest& request) override;
    bool printLines(const std::vector<std::string>& lines, std::string& error) override;
    LaunchResult openAddress(const std::string& address) override;
    void showAbout() override { ++aboutShown; }

    // What the test did not arrange for (unanswered dialogs, unread boxes),
    // forgotten afterwards.
    QStringList takeProblems();

    std::vector<FileDialogRequest> dialogs;
    std::vector<std::string> openedAddresses;
    int aboutShown = 0;

private:
    std::deque<std::string> m_answers;
    std::vector<ShownMessage> m_messages;
    QStringList m_unexpected;
};

// Closes any modal window that appears and remembers its title: the window
// under test must never block on a real box or dialog.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog();
    QStringList takeSeen();

private:
    void check();
    QTimer m_timer;
    QStringList m_seen;
};

struct ResinSpec {
    std::string name;
    bool metric = true;
    std::array<double, 8> values{};
};

// The resin of the worked example: cost, melt and solid density, K, n,
// heat capacity, heat of fusion, conductivity.
ResinSpec WorkedExampleResin(std::string name = "Worked example resin");

// Writes a resin database (ten CR LF lines a record).
void WriteResinFile(const QString& path, const std::vector<ResinSpec>& resins);
// The lines of a file without their CR LF ends.
std::vector<std::string> ReadLines(const QString& path);
QStringList ListLines(const QListWidget* list);

// A started window over a resin database made in a temporary folder.
class Session {
public:
    Session();
    ~Session();

    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Writes `resins` as "resins.dat", starts the model (answering the
    // resin dialog with that file), shows the window and activates it.
    bool start(const std::vector<ResinSpec>& resins);

    template <class T>
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
