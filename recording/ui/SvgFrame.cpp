#include "SvgFrame.h"

#include <QPainter>
#include <QSvgRenderer>

namespace dormivo {

SvgFrame::SvgFrame(QStringList pictures, QWidget* parent)
    : QFrame(parent), pictures_(std::move(pictures)) {
    renderers_.resize(pictures_.size());
}

SvgFrame::~SvgFrame() = default;

void SvgFrame::setPicture(int index) {
    if (index == picture_) {
        return;
    }
    picture_ = index;
    update();
}

void SvgFrame::setAspect(QSize aspect) {
    aspect_ = aspect;
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(aspect_.isValid());
    setSizePolicy(policy);
    updateGeometry();
}

int SvgFrame::heightForWidth(int width) const {
    if (!aspect_.isValid()) {
        return QFrame::heightForWidth(width);
    }
    const int border = 2 * frameWidth();
    return (width - border) * aspect_.height() / aspect_.width() + border;
}

void SvgFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_ >= 0 && picture_ < pictures_.size()) {
        auto& renderer = renderers_[picture_];
        if (!renderer) {
            renderer = std::make_unique<QSvgRenderer>(pictures_[picture_]);
        }
        if (renderer->isValid()) {
            renderer->render(&painter, contentsRect());
        }
    }
    drawFrame(&painter);
}

} // namespace dormivo
