// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace veredod {
class Desktop;
}

namespace veredod::app {

// Shows a new About window, not modal, and returns it; it is deleted when
// closed. Its links go through `desktop`.
QWidget* ShowAboutWindow(QWidget* parent, Desktop& desktop);

}  // namespace veredod::app
