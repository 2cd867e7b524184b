// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_window.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <utility>

#include "window/about_content.h"
#include "window/desktop.h"
#include "window/links.h"

namespace veredod::app {

namespace {

const char* const kLogoResource = ":/assets/logo.svg";
const char* const kIndexProperty = "lblEmailIndex";
constexpr int kLogoWidth = 320;

// Turns a release of the left button on one of the link labels into its
// click handler.
class LinkClicks : public QObject {
public:
    LinkClicks(QObject* parent, std::function<void(QObject*)> click)
        : QObject(parent), m_click(std::move(click)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonRelease) return false;
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        m_click(watched);
        return true;
    }

private:
    std::function<void(QObject*)> m_click;
};

void ShowAsLink(QLabel* label, LinkClicks* clicks) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(clicks);
}

QLabel* AddLabel(QWidget* window, QLayout* layout, const std::string& text, const QString& name) {
    auto* label = new QLabel(QString::fromStdString(text), window);
    label->setObjectName(name);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

QLabel* MakeLogo(QWidget* window) {
    auto* logo = new QLabel(window);
    logo->setObjectName(QStringLiteral("picLogo"));
    logo->setAlignment(Qt::AlignCenter);
    QSvgRenderer renderer(QString::fromLatin1(kLogoResource));
    if (!renderer.isValid()) return logo;  // a window without its logo still tells everything
    const qreal ratio = window->devicePixelRatioF();
    const QSize size = renderer.defaultSize().scaled(kLogoWidth, kLogoWidth, Qt::KeepAspectRatio);
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    logo->setPixmap(picture);
    return logo;
}

void AddTexts(QWidget* window, QVBoxLayout* column, const AboutContent& about) {
    QLabel* title = AddLabel(window, column, about.lblTitle, QStringLiteral("lblTitle"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    column->addSpacing(8);
    for (std::size_t i = 0; i < about.lblWarning.size(); ++i) {
        AddLabel(window, column, about.lblWarning[i], QStringLiteral("lblWarning_%1").arg(i));
    }
    column->addSpacing(8);
    // The address reads as one block, as on a letterhead.
    auto* address = new QVBoxLayout;
    address->setSpacing(0);
    for (std::size_t i = 0; i < about.lblAddress.size(); ++i) {
        AddLabel(window, address, about.lblAddress[i], QStringLiteral("lblAddress_%1").arg(i));
    }
    column->addLayout(address);
}

void AddLinks(QWidget* window, QVBoxLayout* column, const AboutContent& about, Desktop& desktop) {
    auto* clicks = new LinkClicks(window, [&desktop](QObject* label) {
        lblEmail_Click(desktop, label->property(kIndexProperty).toInt());
    });
    auto* grid = new QGridLayout;
    for (int i = 0; i < static_cast<int>(about.lblEmail.size()); ++i) {
        auto* label = new QLabel(QString::fromStdString(about.lblEmail[i]), window);
        label->setObjectName(QStringLiteral("lblEmail_%1").arg(i));
        label->setProperty(kIndexProperty, i);
        if (IsAboutLink(i)) ShowAsLink(label, clicks);
        // Captions in the first column, their addresses beside them.
        if (i < 4) {
            grid->addWidget(label, i / 2, i % 2);
        } else {
            grid->addWidget(label, 2, 0, 1, 2);
        }
    }
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(2);
    column->addSpacing(8);
    column->addLayout(grid);
}

void AddLicence(QWidget* window, QVBoxLayout* column, const AboutContent& about, Desktop& desktop) {
    column->addSpacing(8);
    AddLabel(window, column, about.lblLicence, QStringLiteral("lblLicence"));
    QLabel* guide = AddLabel(window, column, about.lblGuide, QStringLiteral("lblGuide"));
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    ShowAsLink(guide, new LinkClicks(window, [&desktop, programFolder](QObject*) {
                   lblGuide_Click(desktop, programFolder);
               }));
}

void AddCloseButton(QWidget* window, QVBoxLayout* column) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmndClose"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QWidget::close);
    column->addWidget(buttons);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

// Over the middle of the main window, kept on its screen.
void CentreOver(QWidget* window, const QWidget* parent) {
    if (parent == nullptr) return;
    const QWidget* owner = parent->window();
    QRect placed(QPoint(0, 0), window->size());
    placed.moveCenter(owner->frameGeometry().center());
    if (const QScreen* screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        placed.moveRight(std::min(placed.right(), available.right()));
        placed.moveBottom(std::min(placed.bottom(), available.bottom()));
        placed.moveLeft(std::max(placed.left(), available.left()));
        placed.moveTop(std::max(placed.top(), available.top()));
    }
    window->move(placed.topLeft());
}

}  // namespace

QWidget* ShowAboutWindow(QWidget* parent, Desktop& desktop) {
    const AboutContent& about = AboutTexts();
    auto* window = new QWidget(parent, Qt::Window);
    window->setObjectName(QStringLiteral("frmAbout"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QString::fromStdString(about.caption));

    auto* column = new QVBoxLayout(window);
    column->setContentsMargins(18, 14, 18, 14);
    column->addWidget(MakeLogo(window));
    column->addSpacing(6);
    AddTexts(window, column, about);
    AddLinks(window, column, about, desktop);
    AddLicence(window, column, about, desktop);
    column->addStretch();
    AddCloseButton(window, column);

    window->resize(440, window->sizeHint().height());
    CentreOver(window, parent);
    window->show();
    return window;
}

}  // namespace veredod::app
