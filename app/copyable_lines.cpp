// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/copyable_lines.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QStringList>

namespace veredod::app {

QString SelectedLines(const QListWidget* list) {
    // selectedItems() lists them in the order they were picked.
    QStringList lines;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected()) lines << list->item(row)->text();
    }
    return lines.join(u'\n');
}

void MakeLinesCopyable(QListWidget* list) {
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* copy = new QAction(QStringLiteral("Copy"), list);
    copy->setObjectName(QStringLiteral("mnuCopyResults"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, list, [list] {
        const QString lines = SelectedLines(list);
        if (!lines.isEmpty()) QGuiApplication::clipboard()->setText(lines);
    });
    list->addAction(copy);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace veredod::app
