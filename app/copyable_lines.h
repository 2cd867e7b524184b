// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QListWidget;

namespace veredod::app {

// Lets the user select lines of `list` (click, Shift, Ctrl, Ctrl+A) and copy
// them as plain text with Ctrl+C or the context menu's "Copy".
void MakeLinesCopyable(QListWidget* list);

// The selected lines in the order the list shows them, joined by line feeds.
QString SelectedLines(const QListWidget* list);

}  // namespace veredod::app
