// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "app/svg_picture.h"
#include "window/main_model.h"

namespace veredod::app {

Splash::Splash(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("VEZ Veredod"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 20);
    layout->setSpacing(12);
    auto* logo = new SvgPicture(QStringLiteral(":/assets/logo.svg"), this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    logo->setFixedSize(logo->sizeHint());
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    auto* product = new QLabel(QString::fromLatin1(kProductTitle), this);
    product->setObjectName(QStringLiteral("lblProductName"));
    QFont font = product->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    font.setBold(true);
    product->setFont(font);
    product->setAlignment(Qt::AlignCenter);
    layout->addWidget(product);
    auto* version =
        new QLabel(QStringLiteral("Version ") + QCoreApplication::applicationVersion(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);
    version->setVisible(!QCoreApplication::applicationVersion().isEmpty());
    layout->addWidget(version);
    setFixedSize(sizeHint());
}

void ShowSplash(std::chrono::milliseconds duration) {
    Splash splash;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = splash.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        splash.move(frame.topLeft());
    }
    splash.show();
    // A steady tick wakes the loop up, so it waits for events instead of spinning.
    QTimer tick;
    tick.start(15);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < duration.count()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    splash.hide();
}

}  // namespace veredod::app
