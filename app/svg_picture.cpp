// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/svg_picture.h"

#include <QPainter>

namespace veredod::app {

SvgPicture::SvgPicture(const QString& resource, QWidget* parent)
    : QWidget(parent), m_renderer(resource) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize SvgPicture::sizeHint() const {
    return m_renderer.defaultSize();
}

QSize SvgPicture::minimumSizeHint() const {
    return m_renderer.defaultSize() / 4;
}

int SvgPicture::heightForWidth(int width) const {
    const QSize natural = m_renderer.defaultSize();
    if (natural.isEmpty()) return 0;
    return qMin(natural.height(), width * natural.height() / natural.width());
}

void SvgPicture::paintEvent(QPaintEvent*) {
    const QSize natural = m_renderer.defaultSize();
    if (natural.isEmpty()) return;
    const QSize fitted = natural.scaled(size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), fitted);
    target.moveCenter(rect().center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer.render(&painter, QRectF(target));
}

}  // namespace veredod::app
