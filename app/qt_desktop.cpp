// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_desktop.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "app/name_text.h"
#include "app/qt_conversions.h"
#include "app/resin_dialog_start.h"

namespace veredod::app {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

void StartAtLastDatabase(QFileDialog& dialog) {
    const QString start = ResinDialogStart();
    if (start.isEmpty()) return;
    const QFileInfo database(start);
    dialog.setDirectory(database.absolutePath());
    if (database.isFile()) dialog.selectFile(database.absoluteFilePath());
}

void ApplyRequest(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(QString::fromStdString(request.title));
    dialog.setNameFilter(ToQtFileFilter(request.filter));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension).toLower());
    if (request.mode == FileDialogRequest::Mode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile
                                                 : QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Save As replaces an existing file without a question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    }
    if (!request.initialName.empty()) {
        dialog.selectFile(QFile::decodeName(request.initialName.c_str()));
    } else if (request.title == kResinDialogTitle) {
        StartAtLastDatabase(dialog);
    }
}

}  // namespace

void QtDesktop::showMessage(MessageIcon icon, const std::string& text, const std::string& title) {
    QMessageBox box(BoxIcon(icon), DecodeName(title), DecodeName(text), QMessageBox::Ok, m_owner);
    box.exec();
}

void QtDesktop::showDetailedMessage(MessageIcon icon, const std::string& text,
                                    const std::string& title, const std::string& detail) {
    QMessageBox box(BoxIcon(icon), DecodeName(title), DecodeName(text), QMessageBox::Ok, m_owner);
    if (!detail.empty()) box.setInformativeText(DecodeName(detail));
    box.exec();
}

std::string QtDesktop::chooseFile(const FileDialogRequest& request) {
    QFileDialog dialog(m_owner);
    ApplyRequest(dialog, request);
    // An hourglass left over from the caller must not hide the dialog's pointer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::restoreOverrideCursor();
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

void QtDesktop::rememberResinDatabase(const std::string& path) {
    RememberResinDatabase(QFile::decodeName(path.c_str()));
}

void QtDesktop::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace veredod::app
