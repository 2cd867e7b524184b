// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resin_dialog_start.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace veredod::app {

namespace {

const char* const kLastDatabaseKey = "resinDatabase/last";

}  // namespace

QString SampleResinDatabase() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        programFolder.filePath(QStringLiteral(VEREDOD_INSTALLED_SAMPLE)),
        QStringLiteral(VEREDOD_SOURCE_SAMPLE),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) return QDir::cleanPath(candidate);
    }
    return {};
}

QString ResinDialogStart() {
    const QString last = QSettings().value(QString::fromLatin1(kLastDatabaseKey)).toString();
    // A database that has gone still leaves its folder to start in.
    if (!last.isEmpty() && QFileInfo(last).absoluteDir().exists()) return last;
    return SampleResinDatabase();
}

void RememberResinDatabase(const QString& path) {
    if (path.isEmpty()) return;
    QSettings().setValue(QString::fromLatin1(kLastDatabaseKey), QFileInfo(path).absoluteFilePath());
}

}  // namespace veredod::app
