// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <chrono>

namespace veredod::app {

// The start-up window: the logo and the product's name, no controls.
class Splash : public QWidget {
    Q_OBJECT
public:
    explicit Splash(QWidget* parent = nullptr);
};

// Shows the splash window for `duration`, handling window events all the
// while, then hides it.
void ShowSplash(std::chrono::milliseconds duration);

}  // namespace veredod::app
