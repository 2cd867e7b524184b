#pragma once

class QWidget;

namespace veredod {
class Desktop;
}

namespace veredod::app {

// Shows the About window, not modal; it is deleted when closed, and the next
// call creates it again. Its links go through `desktop`.
void ShowAboutWindow(QWidget* parent, Desktop& desktop);

}  // namespace veredod::app
